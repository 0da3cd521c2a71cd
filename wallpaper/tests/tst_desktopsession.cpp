#include "tests/support/DbusSession.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/TestMain.h"
#include "tests/support/XvfbServer.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/tests/WallpaperTestCase.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTest>

using namespace marvane;
using namespace marvane::test;
using Kind = DesktopSession::Kind;

// Which desktop a session is, and the scale it paints at.
class TestDesktopSession : public WallpaperTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(makeAppDir());
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
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestDesktopSession tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_desktopsession.moc"
