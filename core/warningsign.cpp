#include "warningsign.h"

#include <QColor>

#include <algorithm>

namespace {

constexpr int kWidth = 69;
constexpr int kHeight = 97;
constexpr int kCentreColumn = 32;
constexpr int kRadius = 5; // half the width of the widest row, less the centre column

// Half width of a disc of 11 pixels across, `rowsFromCentre` rows above or below its centre row:
// the pixels whose centres lie within 5.5 pixels of the disc's centre.
int discHalfWidth(int rowsFromCentre) {
    int half = -1;
    while ((half + 1) * (half + 1) * 4 + rowsFromCentre * rowsFromCentre * 4 <= 121)
        ++half;
    return half;
}

// Half width of the stroke in `row`, or -1 where the row holds none of it.
int strokeHalfWidth(int row) {
    constexpr int capCentre = 29; // rows 24 to 29 round the top
    constexpr int pointRow = 51;  // from here on a single pixel
    if (row < 24 || row > 54)
        return -1;
    if (row <= capCentre)
        return discHalfWidth(capCentre - row);
    if (row >= pointRow)
        return 0;
    // Narrows evenly from the full width below the cap to the point, rounding up so that the
    // single pixel starts exactly at the point row.
    const int span = pointRow - capCentre;
    return (kRadius * (pointRow - row) + span - 1) / span;
}

// Half width of the dot in `row`, or -1 outside it.
int dotHalfWidth(int row) {
    constexpr int dotCentre = 65; // rows 60 to 70
    if (row < dotCentre - kRadius || row > dotCentre + kRadius)
        return -1;
    return discHalfWidth(row - dotCentre);
}

} // namespace

QImage warningSignImage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb red = qRgb(255, 0, 0);
    for (int row = 0; row < kHeight; ++row) {
        const int half = std::max(strokeHalfWidth(row), dotHalfWidth(row));
        for (int column = kCentreColumn - half; column <= kCentreColumn + half; ++column)
            image.setPixel(column, row, red);
    }
    return image;
}
