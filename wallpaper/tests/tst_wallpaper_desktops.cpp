#include "tests/support/DbusSession.h"
#include "session/DesktopSession.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/StandIn.h"
#include "platform/Quoting.h"
#include "wallpaper/RunningProgram.h"
#include "wallpaper/BackendLoader.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/SavedWallpaper.h"
#include "tests/support/TestMain.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <memory>
#include <sys/stat.h>

using namespace marvane;
using Kind = DesktopSession::Kind;

namespace {

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

Result<> install(const QString &bitmap, const QImage &image, const DesktopSession &session,
                   const MonitorLayout &layout = {}, QRgb background = qRgb(0, 0, 0))
{
    return loadBackend(session)->install({bitmap, image, {}, layout, background});
}

DesktopSession session(Kind kind)
{
    DesktopSession s;
    s.kind = kind;
    s.detected = QStringLiteral("test");
    return s;
}

// Stands in for Plasma's shell on the test's private bus, in a child process of this test.
class FakePlasmaShell : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PlasmaShell")

public:
    explicit FakePlasmaShell(QString log) : m_log(std::move(log)) {}

public Q_SLOTS:
    // Answers what the script printed, as Plasma does: here the number of desktops it has.
    QString evaluateScript(const QString &script)
    {
        QFile f(m_log);
        if (f.open(QIODevice::Append))
            f.write(script.toUtf8() + '\n');
        return qEnvironmentVariable("MARVANE_FAKE_PLASMA_DESKTOPS");
    }

private:
    QString m_log;
};

} // namespace

class TestDesktopWallpapers : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<marvane::test::DbusSession> m_bus;
    // A program folder with a space in its name, as users have.
    QString appDir() const { return m_dir.filePath(QStringLiteral("My Programs/marvane")); }
    QString bitmap() const { return appDir() + QStringLiteral("/temp.bmp"); }
    QImage image() const
    {
        QImage img(64, 32, QImage::Format_RGB32);
        img.fill(qRgb(10, 20, 30));
        return img;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(appDir()));
        QVERIFY(image().save(bitmap(), "BMP"));
    }

    void detection_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("x11");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("sway");
        QTest::addColumn<int>("kind");
        QTest::newRow("ubuntu:GNOME") << QStringLiteral("ubuntu:GNOME") << true << true << false << int(Kind::Gnome);
        QTest::newRow("Budgie:GNOME") << QStringLiteral("Budgie:GNOME") << true << false << false << int(Kind::Gnome);
        QTest::newRow("Unity") << QStringLiteral("Unity") << true << false << false << int(Kind::Gnome);
        QTest::newRow("KDE") << QStringLiteral("KDE") << true << true << false << int(Kind::Plasma);
        QTest::newRow("XFCE") << QStringLiteral("XFCE") << true << false << false << int(Kind::Xfce);
        QTest::newRow("MATE") << QStringLiteral("MATE") << true << false << false << int(Kind::Mate);
        QTest::newRow("X-Cinnamon") << QStringLiteral("X-Cinnamon") << true << false << false << int(Kind::Cinnamon);
        QTest::newRow("LXQt") << QStringLiteral("LXQt") << true << false << false << int(Kind::Lxqt);
        QTest::newRow("LXDE") << QStringLiteral("LXDE") << true << false << false << int(Kind::Lxde);
        QTest::newRow("sway by name") << QStringLiteral("sway") << false << true << false << int(Kind::Sway);
        QTest::newRow("sway by socket") << QString() << false << true << true << int(Kind::Sway);
        QTest::newRow("bare X11") << QString() << true << false << false << int(Kind::X11);
        QTest::newRow("i3 on X11") << QStringLiteral("i3") << true << false << false << int(Kind::X11);
        QTest::newRow("Hyprland with XWayland") << QStringLiteral("Hyprland") << true << true << false
                                                << int(Kind::LayerShell);
        QTest::newRow("labwc, no sway socket") << QStringLiteral("labwc") << false << true << false
                                               << int(Kind::LayerShell);
        QTest::newRow("nothing") << QString() << false << false << false << int(Kind::None);
    }
    void detection()
    {
        QFETCH(QString, current);
        QFETCH(bool, x11);
        QFETCH(bool, wayland);
        QFETCH(bool, sway);
        QFETCH(int, kind);
        QCOMPARE(int(DesktopSession::detect(current, QString(), x11, wayland, sway).kind), kind);
    }

    void unsupportedDesktopIsAFailure()
    {
        const DesktopSession s = DesktopSession::detect(QStringLiteral("Photon"), QString(), false, false, false);
        const QString error = marvane::test::reasonOf(install(bitmap(), image(), s));
        QVERIFY(error.startsWith(QStringLiteral("no supported desktop found")));
        QVERIFY(error.contains(QStringLiteral("Photon")));
    }

    // The scale as the desktop has it, from a private X server's resources and a desktop setting
    // on a private bus: the desktop's own setting first, then Xft.dpi, then GDK_SCALE.
    void displayScale_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("resources");
        QTest::addColumn<int>("gnomeFactor");
        QTest::addColumn<QByteArray>("gdkScale");
        QTest::addColumn<double>("scale");
        QTest::newRow("nothing said") << int(Kind::X11) << QByteArray() << 0 << QByteArray() << 1.0;
        QTest::newRow("Xft.dpi 144") << int(Kind::X11) << QByteArray("Xft.dpi:\t144\n") << 0 << QByteArray() << 1.5;
        QTest::newRow("a measured 101 dpi") << int(Kind::X11) << QByteArray("Xft.antialias: 1\nXft.dpi: 101\n") << 0
                                            << QByteArray() << 1.0;
        QTest::newRow("GDK_SCALE") << int(Kind::X11) << QByteArray() << 0 << QByteArray("2") << 2.0;
        QTest::newRow("Xft.dpi before GDK_SCALE") << int(Kind::X11) << QByteArray("Xft.dpi: 120\n") << 0
                                                  << QByteArray("2") << 1.25;
        QTest::newRow("GNOME's factor before Xft.dpi") << int(Kind::Gnome) << QByteArray("Xft.dpi: 96\n") << 2
                                                       << QByteArray() << 2.0;
        QTest::newRow("GNOME automatic, Xft.dpi") << int(Kind::Gnome) << QByteArray("Xft.dpi: 168\n") << 0
                                                  << QByteArray() << 1.75;
    }
    void displayScale()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, resources);
        QFETCH(int, gnomeFactor);
        QFETCH(QByteArray, gdkScale);
        QFETCH(double, scale);
        marvane::test::XvfbServer x;
        QVERIFY2(x.isRunning(), qPrintable(x.error()));
        x.exportDisplay();
        if (!resources.isEmpty()) {
            QProcess xrdb;
            xrdb.start(QStandardPaths::findExecutable(QStringLiteral("xrdb")), {QStringLiteral("-merge")});
            xrdb.write(resources);
            xrdb.closeWriteChannel();
            QVERIFY(xrdb.waitForFinished(15000) && xrdb.exitCode() == 0);
        }
        marvane::test::DbusSession bus;
        QVERIFY2(bus.isRunning(), qPrintable(bus.error()));
        qputenv("GSETTINGS_BACKEND", "dconf");
        runTool(QStringLiteral("gsettings"), {QStringLiteral("set"), QStringLiteral("org.gnome.desktop.interface"),
                                             QStringLiteral("scaling-factor"), QString::number(gnomeFactor)});
        qputenv("GDK_SCALE", gdkScale);
        const auto restore = qScopeGuard([] {
            qunsetenv("GDK_SCALE");
            qunsetenv("GSETTINGS_BACKEND");
        });
        Desktop desktop(session(Kind(kind)));
        QVERIFY(desktop.x11().open());
        QCOMPARE(desktop.scale(), scale);
    }

    void gnomeThroughRealGsettings()
    {
        marvane::test::DbusSession bus;
        QVERIFY2(bus.isRunning(), qPrintable(bus.error()));
        qputenv("GSETTINGS_BACKEND", "dconf");
        QStringList seen;
        for (int i = 0; i < 2; ++i) {
            MARVANE_VERIFY_WRITE(install(bitmap(), image(), session(Kind::Gnome)));
            const QString light = runTool(QStringLiteral("gsettings"),
                                          {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
                                           QStringLiteral("picture-uri")});
            const QString dark = runTool(QStringLiteral("gsettings"),
                                         {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
                                          QStringLiteral("picture-uri-dark")});
            QCOMPARE(dark, light);
            QCOMPARE(runTool(QStringLiteral("gsettings"), {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
                                                          QStringLiteral("picture-options")}),
                     QStringLiteral("'zoom'"));
            QVERIFY2(light.startsWith(QStringLiteral("'file://") + QString::fromLatin1(QUrl::toPercentEncoding(appDir(), "/"))), qPrintable(light));
            seen << light;
            QTest::qWait(5);
        }
        // Installing again names a new file, so the desktop reloads; the older one is gone.
        QVERIFY(seen[0] != seen[1]);
        const QString older = QUrl(seen[0].mid(1, seen[0].size() - 2)).toLocalFile();
        const QString newer = QUrl(seen[1].mid(1, seen[1].size() - 2)).toLocalFile();
        QVERIFY(!QFile::exists(older));
        QVERIFY(QFile::exists(newer));
        QCOMPARE(WallpaperBackend::pictureFileIn(loadBackend(session(Kind::Gnome))->currentPicture()),
                 newer);
        qunsetenv("GSETTINGS_BACKEND");
    }

    // Two monitors: each gets the picture zoomed to cover it, unless the first one spans, when
    // one picture of both monitors' box goes over them.
    void xfceThroughRealXfconf_data()
    {
        QTest::addColumn<int>("firstStyle");
        QTest::addColumn<QSize>("installed");
        QTest::newRow("per monitor") << 3 << QSize(64, 32);
        QTest::newRow("spanning") << 6 << QSize(160, 60);
    }
    void xfceThroughRealXfconf()
    {
        QFETCH(int, firstStyle);
        QFETCH(QSize, installed);
        if (QStandardPaths::findExecutable(QStringLiteral("xfconf-query")).isEmpty())
            QSKIP("xfconf-query is not installed");
        marvane::test::DbusSession bus;
        QVERIFY2(bus.isRunning(), qPrintable(bus.error()));
        const QString channel = QStringLiteral("xfce4-desktop");
        const QStringList folders = {QStringLiteral("/backdrop/screen0/monitorLEFT/workspace0/"),
                                     QStringLiteral("/backdrop/screen0/monitorRIGHT/workspace0/")};
        const auto query = [&](const QStringList &args) {
            return runTool(QStringLiteral("xfconf-query"), QStringList{QStringLiteral("-c"), channel} + args);
        };
        for (const QString &f : folders) {
            query({QStringLiteral("-p"), f + QStringLiteral("last-image"), QStringLiteral("-n"), QStringLiteral("-t"),
                   QStringLiteral("string"), QStringLiteral("-s"), QStringLiteral("/old.png")});
            query({QStringLiteral("-p"), f + QStringLiteral("image-style"), QStringLiteral("-n"), QStringLiteral("-t"),
                   QStringLiteral("int"), QStringLiteral("-s"), QString::number(f == folders[0] ? firstStyle : 3)});
        }
        if (query({QStringLiteral("-p"), folders[0] + QStringLiteral("last-image")}) != QStringLiteral("/old.png"))
            QSKIP("xfconfd cannot run on this machine");
        // The primary monitor (the picture's 64 x 32) right of a 96 x 60 one, 12 pixels down.
        MonitorLayout layout;
        layout.primary = QRect(96, 12, 64, 32);
        layout.monitors = {QRect(0, 0, 96, 60), layout.primary};
        MARVANE_VERIFY_WRITE(install(bitmap(), image(), session(Kind::Xfce), layout, qRgb(1, 2, 3)));
        for (const QString &f : folders) {
            const QString value = query({QStringLiteral("-p"), f + QStringLiteral("last-image")});
            QVERIFY2(value.startsWith(appDir() + QStringLiteral("/.temp-wallpaper-")), qPrintable(value));
            const QImage shown(value, "BMP");
            QCOMPARE(shown.size(), installed);
            if (firstStyle == 6) {
                QCOMPARE(shown.pixel(0, 0) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFFu);
                QCOMPARE(shown.pixel(96, 12), image().pixel(0, 0));
            }
            QCOMPARE(query({QStringLiteral("-p"), f + QStringLiteral("image-style")}),
                     QString::number(firstStyle == 6 ? 6 : 5));
        }
        QCOMPARE(WallpaperBackend::pictureFileIn(loadBackend(session(Kind::Xfce))->currentPicture()),
                 query({QStringLiteral("-p"), folders[0] + QStringLiteral("last-image")}));
    }

    // The user's photo, its style and colour, as the desktop's own tools print them, come back
    // exactly after Marvane's picture; a desktop that does not say keeps nothing and says so.
    void usersWallpaperComesBack_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("style"); // the photo's, as BackgroundPicture numbers them; -1: none
        QTest::newRow("gnome") << int(Kind::Gnome) << 4;
        QTest::newRow("xfce") << int(Kind::Xfce) << 2;
        QTest::newRow("sway") << int(Kind::Sway) << -1;
    }
    void usersWallpaperComesBack()
    {
        QFETCH(int, kind);
        QFETCH(int, style);
        marvane::test::DbusSession bus;
        QVERIFY2(bus.isRunning(), qPrintable(bus.error()));
        qputenv("GSETTINGS_BACKEND", "dconf");
        const auto unset = qScopeGuard([] { qunsetenv("GSETTINGS_BACKEND"); });
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        const auto xfconf = [](const QStringList &args) {
            return runTool(QStringLiteral("xfconf-query"), QStringList{QStringLiteral("-c"), QStringLiteral("xfce4-desktop")} + args);
        };
        const QString folder = QStringLiteral("/backdrop/screen0/monitor0/workspace0/");
        if (Kind(kind) == Kind::Gnome) {
            runTool(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, QStringLiteral("picture-uri"), QStringLiteral("'file:///photos/my%20lake.jpg'")});
            runTool(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, QStringLiteral("picture-options"), QStringLiteral("'wallpaper'")});
            runTool(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, QStringLiteral("primary-color"), QStringLiteral("'#123456'")});
        } else if (Kind(kind) == Kind::Xfce) {
            xfconf({QStringLiteral("-p"), folder + QStringLiteral("last-image"), QStringLiteral("-n"), QStringLiteral("-t"),
                    QStringLiteral("string"), QStringLiteral("-s"), QStringLiteral(" /photos/my lake.jpg")});
            xfconf({QStringLiteral("-p"), folder + QStringLiteral("image-style"), QStringLiteral("-n"), QStringLiteral("-t"),
                    QStringLiteral("int"), QStringLiteral("-s"), QStringLiteral("1")});
            if (xfconf({QStringLiteral("-p"), folder + QStringLiteral("image-style")}) != QStringLiteral("1"))
                QSKIP("xfconfd cannot run on this machine");
        }
        const auto listing = [&] {
            return Kind(kind) == Kind::Gnome ? runTool(QStringLiteral("gsettings"), {QStringLiteral("list-recursively"), schema})
                                             : xfconf({QStringLiteral("-l"), QStringLiteral("-v")});
        };
        const QString before = listing();
        Desktop desktop(session(Kind(kind)));
        QCOMPARE(desktop.backend().currentStyle().value_or(-1), style);
        const QString state = m_dir.filePath(QStringLiteral("state.ini"));
        QFile::remove(state);
        MARVANE_VERIFY_WRITE(SavedWallpaper::keep(desktop, state, appDir()));
        (void)desktop.backend().install({bitmap(), image(), {}, {}, qRgb(0, 0, 0)});
        // Once the desktop shows Marvane's picture, what was kept stays as it was.
        MARVANE_VERIFY_WRITE(SavedWallpaper::keep(desktop, state, appDir()));
        const Result<> back = SavedWallpaper::restore(desktop, state);
        if (style < 0) {
            QVERIFY2(!QFile::exists(state) && marvane::test::reasonOf(back).contains(QStringLiteral("does not say")),
                     qPrintable(marvane::test::reasonOf(back)));
            return;
        }
        MARVANE_VERIFY_WRITE(back);
        QCOMPARE(listing(), before);
        QVERIFY(marvane::test::reasonOf(SavedWallpaper::restore(desktop, state)).contains(QStringLiteral("no earlier wallpaper")));
    }

    void plasmaThroughItsShellsScriptingInterface_data()
    {
        QTest::addColumn<QString>("desktops");
        QTest::addColumn<QString>("error");
        QTest::newRow("two desktops") << QStringLiteral("2") << QString();
        QTest::newRow("none") << QStringLiteral("0") << QStringLiteral("Plasma has no desktop to show the wallpaper on");
        QTest::newRow("no answer") << QString() << QStringLiteral("Plasma did not say whether it set the wallpaper");
    }
    void plasmaThroughItsShellsScriptingInterface()
    {
        QFETCH(QString, desktops);
        QFETCH(QString, error);
        // One bus for all rows: Qt keeps the first connection to the session bus for good.
        if (!m_bus)
            m_bus = std::make_unique<marvane::test::DbusSession>();
        QVERIFY2(m_bus->isRunning(), qPrintable(m_bus->error()));
        const QString log = m_dir.filePath(QStringLiteral("plasma.log"));
        QProcess shell;
        shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MARVANE_FAKE_PLASMA_LOG"), log);
        env.insert(QStringLiteral("MARVANE_FAKE_PLASMA_DESKTOPS"), desktops);
        shell.setProcessEnvironment(env);
        QFile::remove(log);
        shell.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(shell.waitForReadyRead(10000));
        const QString reason = marvane::test::reasonOf(install(bitmap(), image(), session(Kind::Plasma)));
        shell.terminate();
        shell.waitForFinished(5000);
        QCOMPARE(reason, error);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString script = QString::fromUtf8(f.readAll());
        QVERIFY(script.contains(QStringLiteral("org.kde.image")));
        QVERIFY2(script.contains(QStringLiteral("\"file://") + QString::fromLatin1(QUrl::toPercentEncoding(appDir(), "/")) +
                                 QStringLiteral("/.temp-wallpaper-")),
                 qPrintable(script));
    }

    // Through a stand-in for Plasma's shell: the first desktop's picture and fill mode, as its
    // applets' settings keep them, are what Restore sends back to every desktop.
    void plasmaWallpaperComesBack()
    {
        if (!m_bus)
            m_bus = std::make_unique<marvane::test::DbusSession>();
        QVERIFY2(m_bus->isRunning(), qPrintable(m_bus->error()));
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir().mkpath(config);
        QFile applets(config + QStringLiteral("/plasma-org.kde.plasma.desktop-appletsrc"));
        QVERIFY(applets.open(QIODevice::WriteOnly));
        applets.write("[Containments][1][Wallpaper][org.kde.image][General]\nFillMode=6\nImage=file:///photos/my%20lake.jpg\n"
                      "[Containments][2][Wallpaper][org.kde.image][General]\nImage=file:///other.png\n");
        applets.close();
        const QString log = m_dir.filePath(QStringLiteral("plasma-restore.log"));
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MARVANE_FAKE_PLASMA_LOG"), log);
        env.insert(QStringLiteral("MARVANE_FAKE_PLASMA_DESKTOPS"), QStringLiteral("1"));
        shell.setProcessEnvironment(env);
        shell.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(shell.waitForReadyRead(10000));
        const auto stop = qScopeGuard([&shell] {
            shell.terminate();
            shell.waitForFinished(5000);
        });
        Desktop desktop(session(Kind::Plasma));
        QCOMPARE(desktop.backend().currentStyle(), std::optional<int>(2));
        const QString state = m_dir.filePath(QStringLiteral("plasma-state.ini"));
        MARVANE_VERIFY_WRITE(SavedWallpaper::keep(desktop, state, appDir()));
        MARVANE_VERIFY_WRITE(SavedWallpaper::restore(desktop, state));
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString script = QString::fromUtf8(f.readAll());
        QVERIFY2(script.contains(QStringLiteral("writeConfig(\"Image\", \"file:///photos/my%20lake.jpg\")")) &&
                     script.contains(QStringLiteral("writeConfig(\"FillMode\", 6)")),
                 qPrintable(script));
    }

    void standIns_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments"); // %1 stands for the installed file
        QTest::newRow("MATE") << int(Kind::Mate) << QStringLiteral("gsettings")
                              << QStringList{QStringLiteral("set"), QStringLiteral("org.mate.background"),
                                             QStringLiteral("picture-filename"), QStringLiteral("'%1'")};
        QTest::newRow("Cinnamon") << int(Kind::Cinnamon) << QStringLiteral("gsettings")
                                  << QStringList{QStringLiteral("set"), QStringLiteral("org.cinnamon.desktop.background"),
                                                 QStringLiteral("picture-uri"), QStringLiteral("'file://%1'")};
        QTest::newRow("LXQt") << int(Kind::Lxqt) << QStringLiteral("pcmanfm-qt")
                              << QStringList{QStringLiteral("--set-wallpaper"), QStringLiteral("%1"),
                                             QStringLiteral("--wallpaper-mode=stretch")};
        QTest::newRow("LXDE") << int(Kind::Lxde) << QStringLiteral("pcmanfm")
                              << QStringList{QStringLiteral("--set-wallpaper"), QStringLiteral("%1"),
                                             QStringLiteral("--wallpaper-mode=crop")};
        QTest::newRow("sway") << int(Kind::Sway) << QStringLiteral("swaymsg")
                              << QStringList{QStringLiteral("output"), QStringLiteral("*"), QStringLiteral("bg"),
                                             QStringLiteral("\"%1\""), QStringLiteral("fill")};
    }
    void standIns()
    {
        QFETCH(int, kind);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const QString bin = m_dir.filePath(QStringLiteral("bin-") + QString::number(kind));
        const QString log = bin + QStringLiteral(".log");
        QVERIFY(marvane::test::writeStandIn(bin, program, log));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        const QString error = marvane::test::reasonOf(install(bitmap(), image(), session(Kind(kind))));
        qputenv("PATH", path);
        QCOMPARE(error, QString());
        // Reads of the store (to keep copies it still names) aside, one call sets the picture, and
        // on the GNOME-like desktops one before it the style that keeps the picture 1:1.
        auto calls = marvane::test::standInCalls(log);
        calls.removeIf([](const QStringList &call) {
            return call.value(0) == QStringLiteral("get") || call.contains(QStringLiteral("get_outputs"));
        });
        if (program == QStringLiteral("gsettings")) {
            QCOMPARE(calls.size(), 2);
            QCOMPARE(calls.takeFirst().mid(2), (QStringList{QStringLiteral("picture-options"), QStringLiteral("'zoom'")}));
        }
        QCOMPARE(calls.size(), 1);
        const QStringList got = calls.first();
        QCOMPARE(got.size(), arguments.size());
        for (int i = 0; i < got.size(); ++i) {
            if (!arguments[i].contains(QStringLiteral("%1"))) {
                QCOMPARE(got[i], arguments[i]);
                continue;
            }
            // A fresh name beside the bitmap: a PNG for sway, whose swaybg may read no BMP.
            const QString suffix = Kind(kind) == Kind::Sway ? QStringLiteral(".png") : QStringLiteral(".bmp");
            const QString uriDir = QString::fromLatin1(QUrl::toPercentEncoding(appDir(), "/"));
            const QString expectedStart = arguments[i].section(QStringLiteral("%1"), 0, 0) +
                                          (arguments[i].contains(QStringLiteral("file://")) ? uriDir : appDir());
            const QString end = suffix + arguments[i].section(QStringLiteral("%1"), 1);
            QVERIFY2(got[i].startsWith(expectedStart + QStringLiteral("/.temp-wallpaper-")) && got[i].endsWith(end),
                     qPrintable(got[i]));
        }
    }

    void failingToolIsReported()
    {
        const QString bin = m_dir.filePath(QStringLiteral("bin-fail"));
        QVERIFY(marvane::test::writeStandIn(bin, QStringLiteral("swaymsg"), bin + QStringLiteral(".log"), 3));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        const QString error = marvane::test::reasonOf(install(bitmap(), image(), session(Kind::Sway)));
        qputenv("PATH", path);
        QVERIFY2(error.contains(QStringLiteral("exit 3")) && error.contains(QStringLiteral("stand-in failure")),
                 qPrintable(error));
    }

    // Other Wayland compositors: a swaybg of ours, detached, the previous one ended once the new one runs.
    void layerShellKeepsOneBackgroundOfItsOwn_data()
    {
        QTest::addColumn<bool>("staysUp");
        QTest::newRow("running") << true;
        QTest::newRow("ends at once") << false;
    }
    void layerShellKeepsOneBackgroundOfItsOwn()
    {
        QFETCH(bool, staysUp);
        const QString bin = m_dir.filePath(QStringLiteral("bin-swaybg-%1").arg(staysUp));
        const QString runtime = m_dir.filePath(QStringLiteral("runtime-%1").arg(staysUp));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(runtime));
        QFile script(bin + QStringLiteral("/swaybg"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(staysUp ? "#!/bin/sh\nwhile :; do sleep 0.1; done\n" : "#!/bin/sh\necho 'no layer shell' >&2\nexit 1\n");
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const auto installNow = [this] { return install(bitmap(), image(), session(Kind::LayerShell)); };
        const auto started = [&runtime] {
            QFile f(runtime + QStringLiteral("/marvane-swaybg.pid"));
            return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').first().toLongLong() : 0;
        };
        QList<qint64> ours;
        const auto stopThem = qScopeGuard([&ours] {
            for (qint64 pid : ours)
                ::kill(pid_t(pid), SIGTERM);
        });
        const Result<> first = installNow();
        const qint64 firstPid = started();
        const Result<> second = installNow();
        const qint64 secondPid = started();
        ours << firstPid << secondPid;
        ours.removeAll(0);
        qputenv("PATH", path);
        if (!staysUp) {
            QVERIFY2(test::reasonOf(second).contains(QStringLiteral("swaybg ended at once: no layer shell")),
                     qPrintable(test::reasonOf(second)));
            QCOMPARE(secondPid, 0);
            return;
        }
        MARVANE_VERIFY_WRITE(first);
        MARVANE_VERIFY_WRITE(second);
        QVERIFY(firstPid != 0 && secondPid != firstPid);
        // Ended, though perhaps not yet reaped by the process that adopted it.
        QVERIFY(!RunningProgram::withPid(firstPid).isRunning());
        QVERIFY(RunningProgram::withPid(secondPid).isRunning());
        // It shows a PNG of the picture, which every swaybg reads.
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(secondPid));
        QVERIFY(cmdline.open(QIODevice::ReadOnly));
        const QList<QByteArray> arguments = cmdline.readAll().split('\0');
        const qsizetype shown = arguments.indexOf("-i") + 1;
        QVERIFY(shown > 0 && shown < arguments.size());
        QCOMPARE(QImage(QFile::decodeName(arguments[shown]), "PNG").convertToFormat(QImage::Format_RGB32), image());
    }

    // pcmanfm-qt's settings are edited where they stand: the user's comments and other keys stay,
    // and QSettings (which pcmanfm-qt reads them with) gets back the very name.
    void lxqtSettingsKeepTheirLines()
    {
        const QString config = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
        const QString file = config + QStringLiteral("/pcmanfm-qt/default/settings.conf");
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile conf(file);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("; my own note\n[Desktop]\nWallpaperMode=center\nShowHidden=true\n");
        conf.close();
        const QString bin = m_dir.filePath(QStringLiteral("bin-lxqt-conf"));
        QVERIFY(marvane::test::writeStandIn(bin, QStringLiteral("pcmanfm-qt"), bin + QStringLiteral(".log")));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        MARVANE_VERIFY_WRITE(install(bitmap(), image(), session(Kind::Lxqt)));
        qputenv("PATH", path);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray text = conf.readAll();
        QVERIFY2(text.startsWith("; my own note\n[Desktop]\n") && text.contains("ShowHidden=true\n"), text.constData());
        const QSettings read(file, QSettings::IniFormat);
        const QString shown = read.value(QStringLiteral("Desktop/Wallpaper")).toString();
        QVERIFY2(shown.startsWith(appDir() + QStringLiteral("/.temp-wallpaper-")), qPrintable(shown));
        QCOMPARE(read.value(QStringLiteral("Desktop/WallpaperMode")).toString(), QStringLiteral("stretch"));
    }

    // A PID file that does not name our swaybg (a reused PID, another program, a link to a device
    // or a FIFO) ends nothing and hangs nothing.
    void foreignProcessIsNeverEnded_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("PID reused") << QStringLiteral("reused");
        QTest::newRow("not swaybg") << QStringLiteral("other");
        QTest::newRow("PID only") << QStringLiteral("bare");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
    }
    void foreignProcessIsNeverEnded()
    {
        QFETCH(QString, kind);
        const QString runtime = m_dir.filePath(QStringLiteral("runtime-") + kind);
        const QString bin = m_dir.filePath(QStringLiteral("bin-swaybg-foreign"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(bin));
        QFile script(bin + QStringLiteral("/swaybg"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nwhile :; do sleep 0.1; done\n");
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        // Someone else's swaybg (by its name) and a program that is not one.
        QProcess strangers[2];
        strangers[0].start(script.fileName(), {QStringLiteral("-i"), QStringLiteral("/elsewhere/.temp-wallpaper-1.png")});
        strangers[1].start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(strangers[0].waitForStarted() && strangers[1].waitForStarted());
        const RunningProgram swaybg = RunningProgram::withPid(strangers[0].processId());
        const RunningProgram other = RunningProgram::withPid(strangers[1].processId());
        const QString pidFile = runtime + QStringLiteral("/marvane-swaybg.pid");
        QFile f(pidFile);
        if (kind == QStringLiteral("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), pidFile));
        else if (kind == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(pidFile).constData(), 0600), 0);
        else if (f.open(QIODevice::WriteOnly))
            f.write(kind == QStringLiteral("bare")    ? QByteArray::number(swaybg.pid)
                    : kind == QStringLiteral("other") ? other.identity()
                                                      : QByteArray::number(swaybg.pid) + ' ' + QByteArray::number(swaybg.startTime + 1));
        f.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        MARVANE_VERIFY_WRITE(install(bitmap(), image(), session(Kind::LayerShell)));
        qputenv("PATH", path);
        QVERIFY(swaybg.isRunning() && other.isRunning());
        QFile started(pidFile);
        QVERIFY(started.open(QIODevice::ReadOnly));
        ::kill(pid_t(started.readAll().split(' ').first().toLongLong()), SIGTERM);
        for (QProcess &stranger : strangers) {
            stranger.kill();
            stranger.waitForFinished();
        }
    }

    void quoting()
    {
        QCOMPARE(backslashQuoted(QStringLiteral("it's a \\ path"), u'\'', {}), QStringLiteral("'it\\'s a \\\\ path'"));
        QCOMPARE(backslashQuoted(QStringLiteral("/a \"b\"/c"), u'"', {}), QStringLiteral("\"/a \\\"b\\\"/c\""));
        QCOMPARE(WallpaperBackend::fileUri(QStringLiteral("/a b/c#d.bmp")), QStringLiteral("file:///a%20b/c%23d.bmp"));
    }
};

int main(int argc, char *argv[])
{
    // The child that plays Plasma's shell on the test's bus.
    if (const QString log = qEnvironmentVariable("MARVANE_FAKE_PLASMA_LOG"); !log.isEmpty()) {
        QCoreApplication app(argc, argv);
        FakePlasmaShell shell(log);
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.registerObject(QStringLiteral("/PlasmaShell"), &shell, QDBusConnection::ExportAllSlots) ||
            !bus.registerService(QStringLiteral("org.kde.plasmashell")))
            return 1;
        printf("ready\n");
        fflush(stdout);
        return app.exec();
    }
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestDesktopWallpapers tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_wallpaper_desktops.moc"
