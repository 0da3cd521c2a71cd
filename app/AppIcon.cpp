#include "app/AppIcon.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <QPixmap>

namespace marvane::AppIcon {

QImage image(qreal scale)
{
    const int side = std::max(32, qCeil(32 * scale));
    QImage img(side, side, QImage::Format_ARGB32);
    img.setDevicePixelRatio(side / 32.0);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const QColor ink(64, 64, 64);
    const QColor red(200, 36, 36);

    // Page with a shadow on its right and bottom edges.
    p.fillRect(5, 7, 25, 23, QColor(0, 0, 0, 70));
    p.fillRect(3, 5, 25, 23, Qt::white);
    p.fillRect(3, 5, 25, 7, red);
    p.setPen(ink);
    p.drawRect(3, 5, 24, 22);

    // Two rings binding the page.
    for (const int x : {9, 20}) {
        p.fillRect(x, 2, 3, 6, ink);
        p.fillRect(x + 1, 3, 1, 4, QColor(200, 200, 200));
    }

    // Days: four weeks of five, the fourth of the second week ringed as today.
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const int x = 6 + col * 4;
            const int y = 14 + row * 3;
            p.fillRect(x, y, 3, 2, row == 1 && col == 3 ? red : QColor(150, 150, 150));
        }
    }
    p.setPen(red);
    p.drawEllipse(QRect(16, 15, 7, 6));
    p.end();
    return img;
}

QIcon icon()
{
    QIcon icon;
    for (const qreal scale : {1.0, 2.0})
        icon.addPixmap(QPixmap::fromImage(image(scale)));
    return icon;
}

} // namespace marvane::AppIcon
