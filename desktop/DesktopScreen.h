#pragma once

#include "desktop/DesktopSession.h"
#include "platform/Screen.h"

namespace marvane {

// The primary monitor's size in device pixels as the session's compositor reports it, else as Qt
// does (then with one line on standard error, the first time); its scale as the session's desktop
// has it.
class DesktopScreen final : public Screen
{
public:
    explicit DesktopScreen(DesktopSession session) : m_session(std::move(session)) {}
    QSize pixelSize() const override;
    double scale() const override;

private:
    DesktopSession m_session;
    mutable bool m_toldFallback = false;
};

} // namespace marvane
