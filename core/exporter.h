// Copying a window from the screen and saving it as a JPEG picture.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

class QWidget;

// Fills `bitmap` with the screen pixels of the active window's outer rectangle, less `cut` rows at
// the bottom: W x (H - cut). `window` is the window whose close button was pressed; it stands in
// for the active window when the system reports none, and renders itself where the screen
// cannot be read.
void CaptureActiveWindow(QImage& bitmap, std::uint16_t cut, QWidget* window);

// Encodes `bitmap` as a baseline JPEG (quality 90, floating-point DCT) into `fileName`, relative
// to the current directory, replacing an existing file only once the new one is complete.
// Returns false when the file cannot be created or written; an earlier picture then stays.
bool WriteJpegFile(const QImage& bitmap, const QString& fileName);

// The close buttons' export step: when `saveGraphics` is set, captures `window` with `cut` into
// `bitmap` and writes `fileName`; a failure shows "Datei <name> kann nicht erstellt werden."
// in the error box. Returns false only when a picture was due and could not be written.
bool ExportOnClose(QWidget* window, QImage& bitmap, std::uint16_t cut, const QString& fileName);
