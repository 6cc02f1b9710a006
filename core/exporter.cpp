#include "exporter.h"

// Placeholder until the picture export lands: captures nothing and writes nothing.
void CaptureActiveWindow(QImage& bitmap, std::uint16_t, QWidget*) { bitmap = QImage(); }
bool WriteJpegFile(const QImage&, const QString&) { return false; }
bool ExportOnClose(QWidget*, QImage&, std::uint16_t, const QString&) { return true; }
