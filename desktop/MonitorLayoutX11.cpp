#include "desktop/MonitorLayout.h"

#include "desktop/X11Display.h"

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace marvane {

std::optional<MonitorLayout> MonitorLayout::fromX11(const X11Connection *shared)
{
    Display *const held = shared ? shared->display() : nullptr;
    const std::unique_ptr<Display, int (*)(Display *)> display(held ? held : XOpenDisplay(nullptr),
                                                               held ? [](Display *) { return 0; } : XCloseDisplay);
    if (!display)
        return std::nullopt;
    const Window root = DefaultRootWindow(display.get());
    MonitorLayout layout;
    int event = 0, error = 0, major = 0, minor = 0;
    // Monitors came with RandR 1.5; they are what Qt's own X11 platform lists as screens.
    if (XRRQueryExtension(display.get(), &event, &error) && XRRQueryVersion(display.get(), &major, &minor) &&
        (major > 1 || (major == 1 && minor >= 5))) {
        int count = 0;
        XRRMonitorInfo *monitors = XRRGetMonitors(display.get(), root, True, &count);
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
        const int screen = DefaultScreen(display.get());
        layout.primary = QRect(0, 0, DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen));
        layout.monitors = {layout.primary};
    }
    return layout;
}

} // namespace marvane
