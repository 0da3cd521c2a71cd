#include "session/MonitorLayout.h"

#include "session/X11Display.h"

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace marvane {

std::optional<MonitorLayout> MonitorLayout::fromX11(const X11Connection &x11)
{
    Display *const display = x11.display();
    if (!display)
        return std::nullopt;
    const Window root = DefaultRootWindow(display);
    MonitorLayout layout;
    int event = 0, error = 0, major = 0, minor = 0;
    // Monitors came with RandR 1.5; they are what Qt's own X11 platform lists as screens.
    if (XRRQueryExtension(display, &event, &error) && XRRQueryVersion(display, &major, &minor) &&
        (major > 1 || (major == 1 && minor >= 5))) {
        int count = 0;
        XRRMonitorInfo *monitors = XRRGetMonitors(display, root, True, &count);
        for (int i = 0; i < count; ++i) {
            const QRect r(monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height);
            if (r.isEmpty())
                continue;
            layout.monitors << r;
            if (monitors[i].primary || layout.primary.isEmpty())
                layout.primary = r;
        }
        if (monitors)
            XRRFreeMonitors(monitors);
    }
    if (layout.monitors.isEmpty()) {
        const int screen = DefaultScreen(display);
        layout.primary = QRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
        layout.monitors = {layout.primary};
    }
    return layout;
}

} // namespace marvane
