#include "platform/Quoting.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/StandIn.h"
#include "tests/support/TestMain.h"
#include "wallpaper/RunningProgram.h"
#include "wallpaper/tests/WallpaperTestCase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <sys/stat.h>

using namespace marvane;
using namespace marvane::test;
using Kind = DesktopSession::Kind;

// The desktops whose tools are stood in for, and the swaybg of our own on other compositors.
class TestStandInWallpapers : public WallpaperTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(makeAppDir());
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
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestStandInWallpapers tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_wallpaper_standins.moc"
