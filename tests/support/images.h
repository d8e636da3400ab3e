// Picture comparisons shared by the tests that look at what was drawn.
#pragma once

#include <QImage>

#include <cstring>

// Whether two pictures show the same colours, pixel for pixel: alpha and
// storage format left aside, as on an opaque screen.
inline bool MemesPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int r = 0; r < x.height(); ++r)
        if (std::memcmp(x.constScanLine(r), y.constScanLine(r), size_t(x.width()) * 4) != 0) return false;
    return true;
}
