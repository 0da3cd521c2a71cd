#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace marvane::test {

// The bounding box of the pixels in `area` that are not `background`; empty when there are none.
inline QRect inkBounds(const QImage &image, const QRect &area, QRgb background)
{
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// How many pixels of `area` have exactly `color`.
inline int countColor(const QImage &image, const QRect &area, QRgb color)
{
    int n = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

} // namespace marvane::test
