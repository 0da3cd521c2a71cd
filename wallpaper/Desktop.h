#pragma once

#include "platform/Screen.h"
#include "session/DesktopSession.h"
#include "session/MonitorLayout.h"
#include "session/X11Display.h"
#include "wallpaper/WallpaperBackend.h"

#include <memory>
#include <optional>

namespace marvane {

// The session the program runs in, asked once per run and held: its kind, the X connection (opened
// by the caller before Qt's application object exists), the wallpaper backend of its family, and
// the screen's answers, which are asked again only after refresh().
class Desktop final : public Screen
{
public:
    // The session from the environment.
    Desktop() : Desktop(DesktopSession::fromEnvironment()) {}
    // `session` with its questions to the X server through this desktop's connection.
    explicit Desktop(DesktopSession session);
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    X11Connection &x11() { return m_x11; }
    const DesktopSession &session() const { return m_session; }
    WallpaperBackend &backend() const { return *m_backend; }

    // Where the monitors are, as the desktop says, else as Qt does (then with one line on standard
    // error, the first time).
    const MonitorLayout &monitorLayout() const;
    // The primary monitor's size in device pixels.
    QSize pixelSize() const override { return monitorLayout().primary.size(); }
    double scale() const override;
    void refresh() const override;

private:
    X11Connection m_x11;
    DesktopSession m_session;
    std::unique_ptr<WallpaperBackend> m_backend;
    mutable std::optional<MonitorLayout> m_layout;
    mutable std::optional<double> m_scale;
    mutable bool m_toldFallback = false;
};

} // namespace marvane
