#include "platform/NativeGeometry.h"

#include <QScreen>
#include <qpa/qplatformscreen.h>

namespace marvane {

QRect nativeGeometry(const QScreen *screen)
{
    if (const QPlatformScreen *native = screen->handle()) {
        const QRect r = native->geometry();
        if (r.isValid() && !r.isEmpty())
            return r;
    }
    const QRect logical = screen->geometry();
    const qreal scale = screen->devicePixelRatio();
    return QRect(qRound(logical.x() * scale), qRound(logical.y() * scale), qRound(logical.width() * scale),
                 qRound(logical.height() * scale));
}

} // namespace marvane
