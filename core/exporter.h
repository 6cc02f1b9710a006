// Copying a window from the screen and saving it as a JPEG picture.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>

class QWidget;

// Fills `bitmap` with the screen pixels of the active window's outer rectangle (frame and title
// bar included), less `cut` rows at the bottom: W x (H - cut). What the screen shows there is in
// the picture, a window in front included. `window` is the window whose close button was
// pressed; it stands in for the active window when the system reports none. Where the screen
// cannot be read (Wayland), the window renders itself instead: its client area at the frame's
// offset, the frame black. A window no taller than `cut` leaves `bitmap` empty (null).
void CaptureActiveWindow(QImage& bitmap, std::uint16_t cut, QWidget* window);

// Encodes `bitmap` as a baseline JPEG (quality 90, floating-point DCT) into `fileName`, a plain
// name in the current directory, replacing an existing file only once the new one is complete.
// Returns false when the file cannot be created or written (an empty bitmap included); an
// earlier picture of that name then stays as it was, and no other file remains.
bool WriteJpegFile(const QImage& bitmap, const QString& fileName);

// The close buttons' export step: when `saveGraphics` is set, captures `window` with `cut` into
// `bitmap` and writes `fileName`; a failure shows "Datei <name> kann nicht erstellt werden."
// in the error box. Returns false only when a picture was due and could not be written.
bool ExportOnClose(QWidget* window, QImage& bitmap, std::uint16_t cut, const QString& fileName);

// The part of the outer rectangle `frame` that the picture takes: its top rows, all but `cut`.
// Empty when the window is no taller than `cut`.
QRect captureRect(const QRect& frame, std::uint16_t cut);

// Whether `fileName` names an entry of the current directory itself: not empty, no '/', no NUL,
// neither "." nor "..".
bool isPlainFileName(const QString& fileName);

// The error text for a picture file that cannot be created, full stop included.
QString exportErrorText(const QString& fileName);
