#include "wallpaper/X11RootWallpaper.h"

#include "session/X11Display.h"

#include <QPainter>
#include <QSysInfo>

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <functional>
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

// Sends a picture of the root's size through the connection itself, converted to the visual's
// pixel layout where that is not the image's own.
void putThroughSocket(Display *display, Visual *visual, int depth, Drawable target, GC gc, const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    const unsigned long rm = visual->red_mask, gm = visual->green_mask, bm = visual->blue_mask;
    const bool standardMasks = depth >= 24 && rm == 0xFF0000 && gm == 0xFF00 && bm == 0xFF;
    // The common case is the image's own layout: hand Xlib its memory instead of a copy.
    const bool sameLayout = standardMasks && image.bytesPerLine() == width * 4;
    XImage *ximage = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                  static_cast<unsigned>(width), static_cast<unsigned>(height), 32,
                                  sameLayout ? width * 4 : 0);
    std::vector<char> pixels;
    if (sameLayout && ximage->bits_per_pixel == 32) {
        ximage->byte_order = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
        ximage->data = const_cast<char *>(reinterpret_cast<const char *>(image.constBits()));
    } else {
        pixels.resize(static_cast<std::size_t>(ximage->bytes_per_line) * static_cast<std::size_t>(height));
        ximage->data = pixels.data();
        const int rs = shiftOf(rm), gs = shiftOf(gm), bs = shiftOf(bm);
        const auto scale = [](int v, unsigned long mask, int shift) {
            const unsigned long max = mask >> shift;
            return (static_cast<unsigned long>(v) * max / 255u) << shift;
        };
        for (int y = 0; y < height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < width; ++x)
                XPutPixel(ximage, x, y,
                          scale(qRed(line[x]), rm, rs) | scale(qGreen(line[x]), gm, gs) | scale(qBlue(line[x]), bm, bs));
        }
    }
    g_errors = 0;
    XPutImage(display, target, gc, ximage, 0, 0, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
    ximage->data = nullptr;
    XDestroyImage(ximage);
}

// Puts the picture into a new pixmap of the root's size and depth.
Result<Pixmap> uploadPicture(Display *display, const QImage &picture, QPoint offset, QRgb background)
{
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const int depth = DefaultDepth(display, screen);
    Visual *visual = DefaultVisual(display, screen);
    if (visual->c_class != TrueColor || (depth != 24 && depth != 32 && depth != 16)) {
        return fail(
            {}, QStringLiteral("the X display's default visual (depth %1) is not supported").arg(depth));
    }
    const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), static_cast<unsigned>(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    // One picture over all monitors: the primary's part is the picture, the rest the desktop colour.
    QImage source = picture;
    if (source.size() != QSize(width, height) || !offset.isNull()) {
        QImage whole(width, height, QImage::Format_RGB32);
        whole.fill(background);
        QPainter painter(&whole);
        painter.drawImage(offset, source);
        painter.end();
        source = whole;
    }
    putThroughSocket(display, visual, depth, pixmap, gc, source.convertToFormat(QImage::Format_RGB32));
    XFreeGC(display, gc);
    return pixmap;
}

// Makes the pixmap the root's background, where desktop tools look for it, and keeps it after
// this connection closes.
void showPixmap(Display *display, Pixmap pixmap, const X11Connection &held)
{
    const Window root = DefaultRootWindow(display);
    const Atom rootAtom = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetAtom = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    const Pixmap previous = rootPixmapProperty(display, root, rootAtom);
    // A pixmap both atoms name was left by a setter like us; kill it so it is not leaked. One made
    // through this very connection is freed instead: killing its client would end the connection.
    if (previous && previous == rootPixmapProperty(display, root, esetAtom)) {
        if (previous == held.rootPixmap())
            XFreePixmap(display, previous);
        else
            XKillClient(display, previous);
    }
    held.rememberRootPixmap(pixmap);
    XChangeProperty(display, root, rootAtom, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&pixmap), 1);
    XChangeProperty(display, root, esetAtom, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&pixmap), 1);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);
}

} // namespace

Result<> X11RootWallpaper::install(const WallpaperRequest &request)
{
    if (!session().x11)
        return fail(request.bitmap, QStringLiteral("no X display connection"));
    // Monitor positions are root coordinates already, whether or not one starts at the origin.
    const Result<> e = setRoot(*session().x11, request.picture, request.bitmapReady,
                               request.layout.primary.topLeft(), request.background);
    if (!e.has_value() && e.error().subject().isEmpty())
        return fail(request.bitmap, e.error().reason());
    return e;
}

Result<> X11RootWallpaper::setRoot(const X11Connection &x11, const QImage &picture,
                                   const std::function<Result<>()> &beforeShowing, QPoint offset, QRgb background)
{
    Display *const display = x11.display();
    // Whatever becomes of the upload, the caller's step is waited for before anything is shown,
    // and its failure is the one to tell.
    const auto ready = [&beforeShowing] { return beforeShowing ? beforeShowing() : Result<>(); };
    if (!display) {
        if (const Result<> e = ready(); !e.has_value())
            return e;
        return fail({}, QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY")));
    }
    const auto previousHandler = XSetErrorHandler(countError);
    g_errors = 0;
    const Result<Pixmap> pixmap = uploadPicture(display, picture, offset, background);
    const Result<> e = ready();
    if (pixmap && e.has_value())
        showPixmap(display, *pixmap, x11);
    else if (pixmap)
        XFreePixmap(display, *pixmap);
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    if (!e.has_value())
        return e;
    if (!pixmap)
        return std::unexpected(pixmap.error());
    if (g_errors)
        return fail({}, QStringLiteral("the X server refused the wallpaper (%1 errors)").arg(g_errors));
    return {};
}

} // namespace marvane
