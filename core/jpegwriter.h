// JPEG encoding of the captured window pictures with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// The fixed picture settings: libjpeg's defaults, then quality 90 with baseline quantisation
// tables, then the floating-point DCT; input is the image converted to 24-bit RGB. This gives
// one sequential baseline scan with a JFIF header (density 1:1, no unit), luminance sampled
// 2 x 2, the standard Huffman tables and no restart markers.
inline constexpr int kJpegQuality = 90;

// Encodes `image` with the fixed settings and writes the stream to the open file descriptor
// `fd`, checking every write. Returns false when the image is empty or cannot be encoded, or
// when a write fails; what reached the descriptor until then is incomplete.
bool writeJpegStream(const QImage& image, int fd);

// The same stream in memory; std::nullopt when the image is empty or cannot be encoded.
std::optional<QByteArray> encodeJpeg(const QImage& image);
