// The red exclamation mark that the information windows show beside their last notice.
#pragma once

#include <QImage>

// The warning sign, 69 x 97 pixels: white, with a pure red exclamation mark. The stroke runs
// from row 24 to row 54, rounded at the top, 11 pixels wide (columns 27 to 37) at its widest and
// a single pixel in column 32 from row 51 to row 54; rows 55 to 59 stay empty; the dot is a disc
// 11 pixels across in rows 60 to 70, columns 27 to 37. Drawn pixel by pixel, without smoothing.
QImage warningSignImage();
