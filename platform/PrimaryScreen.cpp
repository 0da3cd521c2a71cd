#include "platform/PrimaryScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformscreen.h>

namespace marvane {

namespace {
constexpr QSize kFallback{1024, 768};
}

QSize PrimaryScreen::pixelSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kFallback;
    // The platform screen reports native pixels; logical size times the scale does not round-trip
    // (1366 / 1.5 * 1.5 is 1366.5).
    if (const QPlatformScreen *native = screen->handle()) {
        const QSize size = native->geometry().size();
        if (size.isValid() && !size.isEmpty())
            return size;
    }
    const QSize logical = screen->geometry().size();
    return logical.isEmpty() ? kFallback : logical;
}

} // namespace marvane
