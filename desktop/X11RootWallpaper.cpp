#include "desktop/X11RootWallpaper.h"

#include "desktop/X11Display.h"

#include <QPainter>
#include <QSysInfo>

#include <algorithm>

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

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

// Sends the picture through a small shared-memory segment, a band of rows at a time, instead of
// through the socket: much faster for a screen-sized picture, and the segment stays small.
bool putThroughSharedMemory(Display *display, Visual *visual, int depth, Drawable target, GC gc, const QImage &image)
{
    int major = 0, minor = 0;
    Bool pixmaps = False;
    if (!XShmQueryVersion(display, &major, &minor, &pixmaps))
        return false;
    const int width = image.width();
    constexpr std::size_t kBand = 1u << 20;
    const int rows = std::max(1, static_cast<int>(kBand / (static_cast<std::size_t>(width) * 4)));
    XShmSegmentInfo info{};
    XImage *band = XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &info,
                                   static_cast<unsigned>(width), static_cast<unsigned>(rows));
    if (!band)
        return false;
    if (band->bits_per_pixel != 32 || band->bytes_per_line != width * 4) {
        XDestroyImage(band);
        return false;
    }
    info.shmid =
        shmget(IPC_PRIVATE, static_cast<std::size_t>(band->bytes_per_line) * static_cast<std::size_t>(rows),
               IPC_CREAT | 0600);
    if (info.shmid < 0) {
        XDestroyImage(band);
        return false;
    }
    info.shmaddr = band->data = static_cast<char *>(shmat(info.shmid, nullptr, 0));
    info.readOnly = True;
    // Marked for removal at once: it goes away with the last detach, even if we are killed.
    shmctl(info.shmid, IPC_RMID, nullptr);
    const int errorsBefore = g_errors;
    bool ok = info.shmaddr != reinterpret_cast<char *>(-1) && XShmAttach(display, &info);
    XSync(display, False);
    ok = ok && g_errors == errorsBefore;
    for (int y = 0; ok && y < image.height(); y += rows) {
        const int n = std::min(rows, image.height() - y);
        std::memcpy(band->data, image.constScanLine(y), static_cast<std::size_t>(n) * band->bytes_per_line);
        XShmPutImage(display, target, gc, band, 0, 0, 0, y, static_cast<unsigned>(width), static_cast<unsigned>(n),
                     False);
        // The band is reused: wait until the server has read it.
        XSync(display, False);
        ok = g_errors == errorsBefore;
    }
    XShmDetach(display, &info);
    XSync(display, False);
    if (info.shmaddr != reinterpret_cast<char *>(-1))
        shmdt(info.shmaddr);
    band->data = nullptr;
    XDestroyImage(band);
    return ok;
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
        return Failure(
            {}, QStringLiteral("the X display's default visual (depth %1) is not supported").arg(depth));
    }
    const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), static_cast<unsigned>(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    const unsigned long rm = visual->red_mask, gm = visual->green_mask, bm = visual->blue_mask;
    const bool standardMasks = depth >= 24 && rm == 0xFF0000 && gm == 0xFF00 && bm == 0xFF;
    // A picture that fills the root in the root's own pixel layout goes as it is.
    const bool asItIs = standardMasks && offset.isNull() && picture.size() == QSize(width, height) &&
                        picture.format() == QImage::Format_RGB32 && picture.bytesPerLine() == width * 4;
    if (asItIs && putThroughSharedMemory(display, visual, depth, pixmap, gc, picture)) {
        XFreeGC(display, gc);
        return pixmap;
    }
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
void showPixmap(Display *display, Pixmap pixmap, const X11Connection *held)
{
    const Window root = DefaultRootWindow(display);
    const Atom rootAtom = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetAtom = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    const Pixmap previous = rootPixmapProperty(display, root, rootAtom);
    // A pixmap both atoms name was left by a setter like us; kill it so it is not leaked. One made
    // through this very connection (held for a whole run) is freed instead: killing its client
    // would end the connection.
    if (previous && previous == rootPixmapProperty(display, root, esetAtom)) {
        if (held && previous == held->rootPixmap())
            XFreePixmap(display, previous);
        else
            XKillClient(display, previous);
    }
    if (held)
        held->rememberRootPixmap(pixmap);
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
    // Monitor positions are root coordinates already, whether or not one starts at the origin.
    const Result<> e = setRoot(request.picture, request.bitmapReady, request.layout.primary.topLeft(),
                                 request.background, session().x11);
    if (!e.has_value() && e.error().subject().isEmpty())
        return Failure(request.bitmap, e.error().reason());
    return e;
}

Result<> X11RootWallpaper::setRoot(const QImage &picture, const std::function<Result<>()> &beforeShowing,
                                     QPoint offset, QRgb background, const X11Connection *shared)
{
    Display *const held = shared ? shared->display() : nullptr;
    Display *display = held ? held : XOpenDisplay(nullptr);
    if (!display) {
        // The caller's step still finishes first, and its failure is the one to tell.
        if (beforeShowing) {
            if (const Result<> e = beforeShowing(); !e.has_value())
                return e;
        }
        return Failure({}, QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY")));
    }
    const auto previousHandler = XSetErrorHandler(countError);
    g_errors = 0;
    const Result<Pixmap> pixmap = uploadPicture(display, picture, offset, background);
    bool shown = false;
    // A connection of our own takes an unshown pixmap with it; a held one must be told.
    const auto finish = [&] {
        if (held && pixmap && !shown) {
            XFreePixmap(display, *pixmap);
            XSync(display, False);
        }
        XSetErrorHandler(previousHandler);
        if (!held)
            XCloseDisplay(display);
    };
    // Whatever became of the upload, the caller's step is waited for before anything is shown.
    if (beforeShowing) {
        if (const Result<> e = beforeShowing(); !e.has_value()) {
            finish();
            return e;
        }
    }
    if (!pixmap) {
        finish();
        return pixmap.error();
    }
    showPixmap(display, *pixmap, held ? shared : nullptr);
    shown = true;
    XSync(display, False);
    finish();
    if (g_errors)
        return Failure({}, QStringLiteral("the X server refused the wallpaper (%1 errors)").arg(g_errors));
    return {};
}

} // namespace marvane
