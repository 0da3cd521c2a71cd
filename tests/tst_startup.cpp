// The real program started as a user or a log-on starts it, in every kind of environment, and
// with a picture that cannot be painted: it never aborts or hangs, and it sets no wallpaper from a
// picture it could not finish.
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/ProgramCopy.h"
#include "tests/support/RunningDesktop.h"
#include "tests/support/TestMain.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

using marvane::test::ProgramCopy;
using namespace marvane::test;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void environments_data()
    {
        QTest::addColumn<QString>("display"); // "none", "dead", "live" or "resetting" (a bare server)
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitCode");    // -1: still running, a window open
        QTest::addColumn<bool>("autostart");  // the log-on entry is written
        QTest::addColumn<QString>("says");
        QTest::newRow("no display") << "none" << "" << 1 << false << "without a display no wallpaper";
        QTest::newRow("no display, 9") << "none" << "9" << 1 << false << "without a display no wallpaper";
        QTest::newRow("dead display") << "dead" << "" << 1 << false << "cannot open the display \":4711\"";
        QTest::newRow("dead display, 9") << "dead" << "9" << 1 << false << "cannot open the display \":4711\"";
        QTest::newRow("display") << "live" << "" << -1 << true << "";
        QTest::newRow("display, 9") << "live" << "9" << 0 << false << "";
        QTest::newRow("bare server, 9") << "resetting" << "9" << 0 << false << "";
        QTest::newRow("dead Wayland, 9") << "dead wayland" << "9" << 1 << false
                                         << "cannot connect to the Wayland display \"wayland-dead\"";
        QTest::newRow("dead Wayland") << "dead wayland" << "" << 1 << false
                                      << "cannot connect to the Wayland display \"wayland-dead\"";
    }
    void environments()
    {
        QFETCH(QString, display);
        QFETCH(QString, argument);
        QFETCH(int, exitCode);
        QFETCH(bool, autostart);
        QFETCH(QString, says);
        marvane::test::XvfbServer xvfb(QSize(1024, 768), 24, display == QStringLiteral("resetting"));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        const QString name = display == QStringLiteral("live") || display == QStringLiteral("resetting") ? xvfb.display()
                             : display == QStringLiteral("dead") ? QStringLiteral(":4711")
                                                                   : QString();
        QFile::remove(autostartEntry());
        ProgramCopy copy;
        QVERIFY(copy.isValid());
        const QStringList arguments = argument.isEmpty() ? QStringList() : QStringList{argument};
        if (exitCode < 0) {
            QProcess window;
            copy.start(window, arguments, name);
            QVERIFY(window.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(autostartEntry()), 10000);
            QVERIFY(!window.waitForFinished(1500)); // a window waits for its user
            window.kill();
            window.waitForFinished();
            return;
        }
        // A socket file that nobody listens on, as a compositor that died leaves it.
        QProcessEnvironment wayland;
        QTemporaryDir runtime;
        if (display == QStringLiteral("dead wayland")) {
            QVERIFY(QFile(runtime.filePath(QStringLiteral("wayland-dead"))).open(QIODevice::WriteOnly));
            wayland.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            wayland.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-dead"));
        }
        const ProgramCopy::Run run = copy.run(arguments, name, 20000, wayland);
        QVERIFY2(run.finished, "the program did not end by itself");
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
        // Every start that ends has painted the month.
        QCOMPARE(QImage(copy.file(QStringLiteral("temp.bmp")), "BMP").isNull(), false);
        QCOMPARE(QFile::exists(autostartEntry()), autostart);
        if (display == QStringLiteral("none"))
            QVERIFY2(run.errors.contains(copy.file(QStringLiteral("temp.bmp"))), qPrintable(run.errors));
    }

    // An offset that overflows the picture's coordinates: the run says so, installs nothing and
    // fails; the root window keeps what it had.
    void overflowingOffsetSetsNoWallpaper_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::newRow("x") << QByteArray("[general]\nOffsetX=2147483647\n");
        QTest::newRow("y, bottom corner") << QByteArray("[general]\nOffsetY=2147483647\nCalendarPos=2\n");
    }
    void overflowingOffsetSetsNoWallpaper()
    {
        QFETCH(QByteArray, options);
        marvane::test::XvfbServer xvfb(QSize(1024, 768));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        ProgramCopy copy;
        QVERIFY(copy.write(QStringLiteral("options.ini"), options));
        const ProgramCopy::Run run = copy.run({QStringLiteral("9")}, xvfb.display());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("overflow")) &&
                     run.errors.contains(QStringLiteral("wallpaper was not changed")),
                 qPrintable(run.errors));
        QCOMPARE(rootPixmap(xvfb.display()), 0ul);
        QVERIFY(!QFile::exists(copy.file(QStringLiteral("temp.bmp"))));
    }

    // Several monitors on one X screen: the root picture has the calendar 1:1 on the primary
    // monitor, in its corner, and the desktop colour everywhere else; temp.bmp is the primary's size.
    void rootPictureOverSeveralMonitors_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QStringList>("monitors"); // xrandr --setmonitor arguments, the primary first
        QTest::addColumn<QRect>("primary");
        QTest::newRow("primary right of a shorter one")
            << QSize(3200, 1200)
            << QStringList{QStringLiteral("*RIGHT 1920/508x1200/317+1280+0 screen"),
                           QStringLiteral("LEFT 1280/338x1024/270+0+176 none")}
            << QRect(1280, 0, 1920, 1200);
        QTest::newRow("primary at the origin, taller")
            << QSize(3200, 1200)
            << QStringList{QStringLiteral("*LEFT 1920/508x1200/317+0+0 screen"),
                           QStringLiteral("RIGHT 1280/338x1024/270+1920+0 none")}
            << QRect(0, 0, 1920, 1200);
        QTest::newRow("one monitor") << QSize(1024, 768) << QStringList() << QRect(0, 0, 1024, 768);
    }
    void rootPictureOverSeveralMonitors()
    {
        QFETCH(QSize, screen);
        QFETCH(QStringList, monitors);
        QFETCH(QRect, primary);
        marvane::test::XvfbServer xvfb(screen);
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        for (const QString &monitor : monitors) {
            QProcess xrandr;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("DISPLAY"), xvfb.display());
            xrandr.setProcessEnvironment(env);
            xrandr.start(QStringLiteral("xrandr"), QStringList{QStringLiteral("--setmonitor")} + monitor.split(u' '));
            QVERIFY(xrandr.waitForFinished());
            QVERIFY2(xrandr.exitCode() == 0, xrandr.readAllStandardError().constData());
        }
        ProgramCopy copy;
        const ProgramCopy::Run run = copy.run({QStringLiteral("9")}, xvfb.display());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QImage bitmap(copy.file(QStringLiteral("temp.bmp")), "BMP");
        QCOMPARE(bitmap.size(), primary.size());

        Display *display = XOpenDisplay(xvfb.display().toLocal8Bit().constData());
        QVERIFY(display);
        XImage *root = XGetImage(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(screen.width()),
                                 static_cast<unsigned>(screen.height()), AllPlanes, ZPixmap);
        QVERIFY(root);
        const unsigned long desktop = 0x3A6EA5; // the standard desktop colour
        int wrong = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) {
                const unsigned long pixel = XGetPixel(root, x, y) & 0xFFFFFF;
                const unsigned long expected = primary.contains(x, y)
                                                   ? bitmap.pixel(x - primary.x(), y - primary.y()) & 0xFFFFFF
                                                   : desktop;
                wrong += pixel != expected;
            }
        XDestroyImage(root);
        XCloseDisplay(display);
        QCOMPARE(wrong, 0);
        // The calendar's box sits in the primary's top-right corner of the picture.
        QCOMPARE(bitmap.pixel(primary.width() - 15, 15) & 0xFFFFFF, 0xFFFFFFu);

        // The silent run asks the X server itself and never connects Qt to it; with Qt's X11
        // platform, as a window's Set Desktop has it, the picture is the same to the byte.
        QFile painted(copy.file(QStringLiteral("temp.bmp")));
        QVERIFY(painted.open(QIODevice::ReadOnly));
        const QByteArray silentBytes = painted.readAll();
        painted.close();
        QProcessEnvironment xcb;
        xcb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const ProgramCopy::Run withQtX11 = copy.run({QStringLiteral("9")}, xvfb.display(), 20000, xcb);
        QVERIFY2(withQtX11.exitCode == 0, qPrintable(withQtX11.errors));
        QVERIFY(painted.open(QIODevice::ReadOnly));
        QVERIFY(painted.readAll() == silentBytes);
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("help") << QStringLiteral("--help")
                              << QStringList{QStringLiteral("Usage: pendrel [9]"), QStringLiteral("options.ini"),
                                             QStringLiteral("todolist.ini"), QStringLiteral("/autostart/Marvane.desktop"),
                                             QStringLiteral("/systemd/user/marvane-refresh.timer")};
        QTest::newRow("version") << QStringLiteral("--version") << QStringList{QStringLiteral("Marvane 1.0\n")};
    }
    void helpAndVersion()
    {
        QFETCH(QString, argument);
        QFETCH(QStringList, says);
        QFile::remove(autostartEntry());
        const ProgramCopy copy;
        const ProgramCopy::Run run = copy.run({argument}, QString(), 5000);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        for (const QString &text : says)
            QVERIFY2(run.output.contains(text), qPrintable(run.output));
        QVERIFY2(run.output.contains(copy.folder()) || argument == u"--version", qPrintable(run.output));
        QVERIFY(!QFile::exists(copy.file(QStringLiteral("temp.bmp"))));
        QVERIFY(!QFile::exists(autostartEntry()));
    }

    // A folder name that is not UTF-8: the program refuses, and reads and writes nothing elsewhere.
    void unusableFolderIsRefused()
    {
        QTemporaryDir raw;
        QFile::remove(autostartEntry());
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        shell.setProcessEnvironment(env);
        // QString cannot name such a folder; the shell can.
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("d=\"$1/$(printf 'caf\\351')\"; mkdir \"$d\" && cp \"$2\" \"$d/pendrel\" || exit 99; "
                                    "\"$d/pendrel\"; rc=$?; ls -A \"$d\"; rm -rf \"$d\"; exit $rc"),
                     QStringLiteral("sh"), raw.path(), QStringLiteral(PENDREL_PATH)});
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(shell.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(shell.readAllStandardError()).contains(QStringLiteral("not valid UTF-8")));
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("pendrel\n"));
        QVERIFY(!QFile::exists(QStringLiteral("/temp.bmp")));
        QVERIFY(!QFile::exists(autostartEntry()));
    }
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestStartup tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_startup.moc"
