#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/TestMain.h"
#include "session/X11Display.h"
#include "wallpaper/X11RootWallpaper.h"
#include "tests/support/XvfbServer.h"

#include <QGuiApplication>
#include <QImage>
#include <QObject>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <memory>

using namespace marvane;

namespace {

int g_xErrors = 0;
int countXError(Display *, XErrorEvent *)
{
    ++g_xErrors;
    return 0;
}

QImage pattern(int seed)
{
    QImage img(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 3 + seed * 5) & 0xFF, (x ^ y ^ seed) & 0xFF));
    return img;
}

QImage rootImage(Display *display)
{
    const Window root = DefaultRootWindow(display);
    XImage *x = XGetImage(display, root, 0, 0, 1024, 768, AllPlanes, ZPixmap);
    QImage out(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < 768; ++y)
        for (int xx = 0; xx < 1024; ++xx) {
            const unsigned long p = XGetPixel(x, xx, y);
            out.setPixel(xx, y,
                         qRgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                              static_cast<int>(p & 0xFF)));
        }
    XDestroyImage(x);
    return out;
}

Pixmap rootPixmap(Display *display)
{
    const Atom atom = XInternAtom(display, "_XROOTPMAP_ID", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    Pixmap pixmap = 0;
    if (XGetWindowProperty(display, DefaultRootWindow(display), atom, 0, 1, False, XA_PIXMAP, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1)
        std::memcpy(&pixmap, data, sizeof pixmap);
    if (data)
        XFree(data);
    return pixmap;
}

bool pixmapAlive(Display *display, Pixmap pixmap)
{
    g_xErrors = 0;
    const auto old = XSetErrorHandler(countXError);
    Window root = 0;
    int x = 0, y = 0;
    unsigned w = 0, h = 0, border = 0, depth = 0;
    XGetGeometry(display, pixmap, &root, &x, &y, &w, &h, &border, &depth);
    XSync(display, False);
    XSetErrorHandler(old);
    return g_xErrors == 0;
}

} // namespace

class TestX11Wallpaper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rootWindowShowsThePictureAndOldPixmapsAreFreed()
    {
        Display *display = XOpenDisplay(nullptr);
        QVERIFY(display);
        QCOMPARE(DefaultDepth(display, DefaultScreen(display)), 24);

        // Each through a connection of its own, as two runs of the program would.
        const auto setRoot = [](const QImage &picture) {
            X11Connection own;
            return own.open() ? X11RootWallpaper::setRoot(own, picture) : fail({}, QStringLiteral("no display"));
        };
        const QImage first = pattern(1);
        MARVANE_VERIFY_WRITE(setRoot(first));
        QCOMPARE(rootImage(display), first);
        const Pixmap firstPixmap = rootPixmap(display);
        QVERIFY(firstPixmap != 0);
        QVERIFY(pixmapAlive(display, firstPixmap));

        const QImage second = pattern(2);
        MARVANE_VERIFY_WRITE(setRoot(second));
        QCOMPARE(rootImage(display), second);
        QVERIFY(rootPixmap(display) != firstPixmap);
        QVERIFY(!pixmapAlive(display, firstPixmap));

        XCloseDisplay(display);
    }

    // The bitmap is written while the picture goes up; if writing fails the screen keeps the old one.
    // The shown picture outlives the connection the program held for its run.
    void failureBeforeShowingLeavesTheRootAlone()
    {
        auto connection = std::make_unique<X11Connection>();
        QVERIFY(connection->open());
        const X11Connection &shared = *connection;
        Display *display = XOpenDisplay(nullptr);
        QVERIFY(display);
        const QImage shown = pattern(5);
        MARVANE_VERIFY_WRITE(X11RootWallpaper::setRoot(shared, shown));
        const Pixmap shownPixmap = rootPixmap(display);

        int calls = 0;
        const Result<> error = X11RootWallpaper::setRoot(shared, pattern(6), [&calls] {
            ++calls;
            return fail(QStringLiteral("temp.bmp"), QStringLiteral("disk full"));
        });
        QCOMPARE(test::messageOf(error), QStringLiteral("temp.bmp: disk full"));
        QCOMPARE(calls, 1);
        QCOMPARE(rootImage(display), shown);
        QCOMPARE(rootPixmap(display), shownPixmap);
        QVERIFY(pixmapAlive(display, shownPixmap));

        int okCalls = 0;
        MARVANE_VERIFY_WRITE(X11RootWallpaper::setRoot(shared, pattern(7), [&okCalls] {
            ++okCalls;
            return Result<>();
        }));
        QCOMPARE(okCalls, 1);
        connection.reset();
        QCOMPARE(rootImage(display), pattern(7));
        XCloseDisplay(display);
    }

    void smallerPictureIsPaddedNotRead()
    {
        X11Connection own;
        QVERIFY(own.open());
        MARVANE_VERIFY_WRITE(X11RootWallpaper::setRoot(own, pattern(3).copy(0, 0, 100, 50)));
    }

    void noDisplayIsAFailure()
    {
        const Result<> error = X11RootWallpaper::setRoot(X11Connection(), pattern(4));
        QVERIFY(error.error().reason().contains(QStringLiteral("cannot open the X display")));
    }
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    marvane::test::XvfbServer xvfb(QSize(1024, 768), 24);
    if (!xvfb.isRunning()) {
        fprintf(stderr, "%s\n", qPrintable(xvfb.error()));
        return 1;
    }
    xvfb.exportDisplay();
    QGuiApplication app(argc, argv);
    TestX11Wallpaper tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_wallpaper_x11.moc"
