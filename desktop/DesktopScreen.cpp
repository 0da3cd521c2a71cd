#include "desktop/DesktopScreen.h"

#include "desktop/MonitorLayout.h"
#include "desktop/WallpaperBackend.h"
#include "platform/StandardError.h"

namespace marvane {

QSize DesktopScreen::pixelSize() const
{
    const auto desktop = WallpaperBackend::forSession(m_session);
    const std::optional<MonitorLayout> asked = desktop->monitorLayout();
    const QSize size = (asked ? *asked : MonitorLayout::fromQtScreens()).primary.size();
    if (!asked && desktop->saysWhereMonitorsAre() && !m_toldFallback) {
        m_toldFallback = true;
        printError(QStringLiteral("%1 did not say where the primary monitor is; painting at %2 x %3")
                       .arg(m_session.detected)
                       .arg(size.width())
                       .arg(size.height()));
    }
    return size;
}

double DesktopScreen::scale() const
{
    return WallpaperBackend::forSession(m_session)->displayScale();
}

} // namespace marvane
