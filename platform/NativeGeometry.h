#pragma once

#include <QRect>

class QScreen;

namespace marvane {

// A screen's rectangle in device pixels, with its position: the platform's native geometry (times
// the platform's own pixel ratio) where it has one, else the logical geometry times the scale. Logical size times the scale does not
// round-trip (1366 / 1.5 * 1.5 is 1366.5), so the native one is preferred.
QRect nativeGeometry(const QScreen *screen);

} // namespace marvane
