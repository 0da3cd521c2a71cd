#include "wallpaper/Desktop.h"

#include "platform/StandardError.h"
#include "wallpaper/BackendLoader.h"

namespace marvane {

Desktop::Desktop(DesktopSession session) : m_session(std::move(session))
{
    m_session.x11 = &m_x11;
    m_backend = loadBackend(m_session);
}

const MonitorLayout &Desktop::monitorLayout() const
{
    if (m_layout)
        return *m_layout;
    const std::optional<MonitorLayout> asked = m_backend->monitorLayout();
    m_layout = asked ? *asked : MonitorLayout::fromQtScreens();
    if (!asked && m_backend->saysWhereMonitorsAre() && !m_toldFallback) {
        m_toldFallback = true;
        printError(QStringLiteral("%1 did not say where the primary monitor is; painting at %2 x %3")
                       .arg(m_session.detected)
                       .arg(m_layout->primary.width())
                       .arg(m_layout->primary.height()));
    }
    return *m_layout;
}

double Desktop::scale() const
{
    if (!m_scale)
        m_scale = m_backend->displayScale();
    return *m_scale;
}

void Desktop::refresh() const
{
    m_layout.reset();
    m_scale.reset();
}

} // namespace marvane
