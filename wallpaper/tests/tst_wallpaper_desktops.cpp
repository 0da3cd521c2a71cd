#include "tests/support/DbusSession.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/TestMain.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/SavedWallpaper.h"
#include "wallpaper/tests/WallpaperTestCase.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace marvane;
using namespace marvane::test;
using Kind = DesktopSession::Kind;

namespace {

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

// The wallpaper set and given back through the desktops' own tools: gsettings, xfconf-query and
// Plasma's shell on private buses.
class TestDesktopWallpapers : public WallpaperTestCase
{
    Q_OBJECT

    std::unique_ptr<marvane::test::DbusSession> m_bus;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(makeAppDir());
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
