#include "X11RootWallpaper.h"

#include <QSysInfo>

#include <algorithm>

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <vector>

namespace marvane {

namespace {

int g_errors = 0;
int countError(Display *, XErrorEvent *)
{
    ++g_errors;
    return 0;
}

Pixmap rootPixmapProperty(Display *display, Window root, Atom atom)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    Pixmap pixmap = 0;
    if (XGetWindowProperty(display, root, atom, 0, 1, False, AnyPropertyType, &type, &format, &items, &after,
                           &data) == Success &&
        type == XA_PIXMAP && format == 32 && items == 1 && data)
        std::memcpy(&pixmap, data, sizeof pixmap);
    if (data)
        XFree(data);
    return pixmap;
}

int shiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

QString setX11RootWallpaper(const QImage &source)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
    const auto previousHandler = XSetErrorHandler(countError);
    g_errors = 0;

    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const int depth = DefaultDepth(display, screen);
    Visual *visual = DefaultVisual(display, screen);
    QString error;

    if (visual->c_class != TrueColor || (depth != 24 && depth != 32 && depth != 16)) {
        error = QStringLiteral("the X display's default visual (depth %1) is not supported").arg(depth);
    } else {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        XImage *ximage = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                      static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
        std::vector<char> pixels(static_cast<std::size_t>(ximage->bytes_per_line) * static_cast<std::size_t>(height));
        ximage->data = pixels.data();
        const unsigned long rm = visual->red_mask, gm = visual->green_mask, bm = visual->blue_mask;
        const int rs = shiftOf(rm), gs = shiftOf(gm), bs = shiftOf(bm);
        const auto scale = [](int v, unsigned long mask, int shift) {
            const unsigned long max = mask >> shift;
            return (static_cast<unsigned long>(v) * max / 255u) << shift;
        };
        // The common case is the same layout as the image's: copy lines instead of pixels.
        const bool sameLayout = ximage->bits_per_pixel == 32 && rm == 0xFF0000 && gm == 0xFF00 && bm == 0xFF &&
                                ximage->byte_order == (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst);
        for (int y = 0; sameLayout && y < height; ++y) {
            char *out = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(ximage->bytes_per_line);
            const int n = y < image.height() ? std::min(width, image.width()) : 0;
            if (n)
                std::memcpy(out, image.constScanLine(y), static_cast<std::size_t>(n) * 4);
        }
        for (int y = 0; !sameLayout && y < height; ++y) {
            const auto *line = y < image.height() ? reinterpret_cast<const QRgb *>(image.constScanLine(y)) : nullptr;
            for (int x = 0; x < width; ++x) {
                const QRgb p = line && x < image.width() ? line[x] : 0;
                XPutPixel(ximage, x, y, scale(qRed(p), rm, rs) | scale(qGreen(p), gm, gs) | scale(qBlue(p), bm, bs));
            }
        }
        const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(width),
                                            static_cast<unsigned>(height), static_cast<unsigned>(depth));
        GC gc = XCreateGC(display, pixmap, 0, nullptr);
        XPutImage(display, pixmap, gc, ximage, 0, 0, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
        XFreeGC(display, gc);
        ximage->data = nullptr;
        XDestroyImage(ximage);

        const Atom rootAtom = XInternAtom(display, "_XROOTPMAP_ID", False);
        const Atom esetAtom = XInternAtom(display, "ESETROOT_PMAP_ID", False);
        const Pixmap previous = rootPixmapProperty(display, root, rootAtom);
        // A pixmap both atoms name was left by a setter like us; kill it so it is not leaked.
        if (previous && previous == rootPixmapProperty(display, root, esetAtom))
            XKillClient(display, previous);
        XChangeProperty(display, root, rootAtom, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&pixmap), 1);
        XChangeProperty(display, root, esetAtom, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&pixmap), 1);
        XSetWindowBackgroundPixmap(display, root, pixmap);
        XClearWindow(display, root);
        XSetCloseDownMode(display, RetainPermanent);
        XSync(display, False);
        if (g_errors)
            error = QStringLiteral("the X server refused the wallpaper (%1 errors)").arg(g_errors);
    }
    XSetErrorHandler(previousHandler);
    XCloseDisplay(display);
    return error;
}

} // namespace marvane
