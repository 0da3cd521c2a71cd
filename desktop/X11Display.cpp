#include "desktop/X11Display.h"

#include <X11/Xlib.h>

namespace marvane {

bool x11DisplayAnswers()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

} // namespace marvane
