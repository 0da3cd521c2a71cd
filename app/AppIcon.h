#pragma once

#include <QIcon>
#include <QImage>

namespace marvane::AppIcon {

// The program's 32 x 32 picture, a calendar page with today ringed, painted here rather than kept
// as a file so that every window and the menu entry show the same pixels.
// At `scale` device pixels per unit, painted for that resolution rather than magnified from 32 x 32.
QImage image(qreal scale = 1.0);
// 1x and 2x pixels, so the icon stays crisp on a scaled display.
QIcon icon();

} // namespace marvane::AppIcon
