#include "tests/support/RunningDesktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace marvane::test {

unsigned long rootPixmap(const QString &displayName)
{
    Display *display = XOpenDisplay(displayName.toLocal8Bit().constData());
    if (!display)
        return 0;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0, pixmap = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, "_XROOTPMAP_ID", False), 0, 1,
                           False, XA_PIXMAP, &type, &format, &items, &after, &data) == Success &&
        data && items == 1)
        pixmap = *reinterpret_cast<unsigned long *>(data);
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return pixmap;
}

} // namespace marvane::test
