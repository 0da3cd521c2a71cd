#include "platform/NativeGeometry.h"

#include <QScreen>
#include <qpa/qplatformscreen.h>

namespace marvane {

QRect nativeGeometry(const QScreen *screen)
{
    if (const QPlatformScreen *native = screen->handle()) {
        const QRect r = native->geometry();
        // X11 gives device pixels (a ratio of 1); Wayland gives the compositor's units, which its
        // output scale turns into device pixels.
        const qreal ratio = native->devicePixelRatio();
        if (r.isValid() && !r.isEmpty())
            return qFuzzyCompare(ratio, 1.0) ? r
                                             : QRect(qRound(r.x() * ratio), qRound(r.y() * ratio),
                                                     qRound(r.width() * ratio), qRound(r.height() * ratio));
    }
    const QRect logical = screen->geometry();
    const qreal scale = screen->devicePixelRatio();
    return QRect(qRound(logical.x() * scale), qRound(logical.y() * scale), qRound(logical.width() * scale),
                 qRound(logical.height() * scale));
}

} // namespace marvane
