// The program kept running by the desktop: the midnight timer's service, the repaint when
// another program changes the settings, the log-on run beside the user's own wallpaper, and runs
// that overlap under GNOME.
#include "logon/RefreshTimer.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/ProgramCopy.h"
#include "tests/support/RunningDesktop.h"
#include "tests/support/SystemdCommandLine.h"
#include "tests/support/TestMain.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileSystemWatcher>
#include <QImage>
#include <QObject>
#include <QScopeGuard>
#include <QTest>

using marvane::test::ProgramCopy;
using namespace marvane::test;

class TestKeptRunning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The midnight timer's service, started as systemd starts it, repaints the wallpaper even from
    // a folder whose name needs every kind of quoting.
    void timerServiceRepaints()
    {
        marvane::test::XvfbServer xvfb(QSize(640, 480));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        ProgramCopy copy(QStringLiteral("it's \"$5\" 100% back\\slash"));
        QVERIFY(copy.isValid());
        MARVANE_VERIFY_WRITE(marvane::RefreshTimer::update(true, copy.file(QStringLiteral("pendrel"))));
        const QStringList argv = marvane::test::splitExecStart(marvane::test::execStartOf(marvane::RefreshTimer::servicePath()));
        QVERIFY(!argv.isEmpty());
        QProcess service;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), xvfb.display());
        service.setProcessEnvironment(env);
        service.start(argv.first(), argv.mid(1));
        QVERIFY(service.waitForFinished(20000));
        QVERIFY2(service.exitCode() == 0, service.readAllStandardError().constData());
        QCOMPARE(QImage(copy.file(QStringLiteral("temp.bmp")), "BMP").size(), QSize(640, 480));
        QVERIFY(rootPixmap(xvfb.display()) != 0);
        MARVANE_VERIFY_WRITE(marvane::RefreshTimer::update(false, QString()));
    }

    // Settings another program writes reach the wallpaper through the path unit: its service,
    // started as systemd starts a triggered one (not again while it runs), shows the last of
    // twenty writes made within one second, within 5 s, and starts at most twice for them.
    void changedSettingsReachTheWallpaper()
    {
        marvane::test::XvfbServer xvfb(QSize(640, 480));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        const ProgramCopy copy;
        MARVANE_VERIFY_WRITE(marvane::RefreshTimer::update(true, copy.file(QStringLiteral("pendrel"))));
        const auto cleanUp = qScopeGuard([] { (void)marvane::RefreshTimer::update(false, QString()); });
        QFile unit(marvane::RefreshTimer::pathUnitPath());
        QVERIFY(unit.open(QIODevice::ReadOnly));
        const QString watched = QString::fromUtf8(unit.readAll());
        const QString options = copy.file(QStringLiteral("options.ini"));
        QVERIFY(watched.contains(QStringLiteral("PathChanged=") + options + u'\n'));
        QVERIFY(watched.contains(QStringLiteral("Unit=marvane-refresh.service\n")));
        QVERIFY(copy.write(QStringLiteral("options.ini"), "[general]\n"));
        const QStringList pre = marvane::test::splitExecStart(marvane::test::valueOf(marvane::RefreshTimer::servicePath(), "ExecStartPre"));
        const QStringList main = marvane::test::splitExecStart(marvane::test::execStartOf(marvane::RefreshTimer::servicePath()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), xvfb.display());
        QProcess waiting, painting;
        painting.setProcessEnvironment(env);
        int starts = 0, painted = 0;
        connect(&waiting, &QProcess::finished, &painting, [&] { painting.start(main.first(), main.mid(1)); });
        connect(&painting, &QProcess::finished, &painting, [&] { ++painted; });
        QFileSystemWatcher watcher({options});
        connect(&watcher, &QFileSystemWatcher::fileChanged, &watcher, [&] {
            watcher.addPath(options);
            if (waiting.state() == QProcess::NotRunning && painting.state() == QProcess::NotRunning) {
                ++starts;
                waiting.start(pre.first(), pre.mid(1));
            }
        });
        for (int i = 1; i <= 20; ++i) {
            QFile out(options);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write("[general]\nCalendarColor=" + QByteArray::number(i * 4000) + '\n');
            out.close();
            QTest::qWait(45);
        }
        QTRY_VERIFY_WITH_TIMEOUT(painted == starts && painted > 0, 5000);
        QVERIFY2(starts <= 2, qPrintable(QString::number(starts)));
        QVERIFY2(painting.exitCode() == 0, painting.readAllStandardError().constData());
        // The same as a run of its own from the last settings paints.
        QFile bitmap(copy.file(QStringLiteral("temp.bmp")));
        QVERIFY(bitmap.open(QIODevice::ReadOnly));
        const QByteArray shown = bitmap.readAll();
        bitmap.close();
        const ProgramCopy::Run again = copy.run({QStringLiteral("9")}, xvfb.display());
        QVERIFY2(again.exitCode == 0, qPrintable(again.errors));
        QVERIFY(bitmap.open(QIODevice::ReadOnly));
        QVERIFY(bitmap.readAll() == shown);
    }

    // A log-on run keeps what GNOME showed before its picture and leaves options.ini alone; a
    // run that would paint the same picture again sets nothing twice; an item added from the
    // command line is painted at once; --restore-wallpaper (as make uninstall runs it) puts the
    // user's photo and its style back.
    void usersWallpaperOutlivesTheLogonRun()
    {
        marvane::test::XvfbServer xvfb(QSize(640, 480));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        const GnomeStore gnome;
        QVERIFY2(gnome.bus.isRunning(), qPrintable(gnome.bus.error()));
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        gnome.gsettings({QStringLiteral("set"), schema, QStringLiteral("picture-uri"), QStringLiteral("'file:///photos/lake.jpg'")});
        gnome.gsettings({QStringLiteral("set"), schema, QStringLiteral("picture-options"), QStringLiteral("'centered'")});
        const QString before = gnome.gsettings({QStringLiteral("list-recursively"), schema});
        const ProgramCopy copy;
        QVERIFY(copy.write(QStringLiteral("options.ini"), "[general]\nAutoRun=1\n"));
        QStringList shown;
        const QByteArray options = "[general]\nAutoRun=1\n";
        for (const QByteArray &changed : {options, options, QByteArray(options + "CalendarColor=255\n")}) {
            QVERIFY(copy.write(QStringLiteral("options.ini"), changed));
            const ProgramCopy::Run logon = copy.run({QStringLiteral("9")}, xvfb.display(), 20000, gnome.env);
            QVERIFY2(logon.finished && logon.exitCode == 0, qPrintable(logon.errors));
            shown << gnome.shownFile(QStringLiteral("picture-uri"));
            QVERIFY2(shown.last().startsWith(copy.folder()), qPrintable(shown.last()));
            QFile stored(copy.file(QStringLiteral("options.ini")));
            QVERIFY(stored.open(QIODevice::ReadOnly));
            QCOMPARE(stored.readAll(), changed);
        }
        QCOMPARE(shown[1], shown[0]);
        QVERIFY(shown[2] != shown[1]);
        // An item added from a terminal reaches the desktop, which shows Marvane's picture.
        const ProgramCopy::Run added = copy.run({QStringLiteral("add"), QStringLiteral("Call Ana")}, xvfb.display(), 20000, gnome.env);
        QVERIFY2(added.exitCode == 0 && added.output.startsWith(QStringLiteral("Added item 1 to ")), qPrintable(added.errors));
        QVERIFY(gnome.shownFile(QStringLiteral("picture-uri")) != shown[2]);
        const ProgramCopy::Run back = copy.run({QStringLiteral("--restore-wallpaper")}, xvfb.display(), 20000, gnome.env);
        QVERIFY2(back.finished && back.exitCode == 0, qPrintable(back.errors));
        QCOMPARE(gnome.gsettings({QStringLiteral("list-recursively"), schema}), before);
    }

    // Log-on runs and the user's own at once: each round ends with both GNOME settings naming a
    // file that exists, and every run reporting success.
    void concurrentRunsUnderGnome()
    {
        marvane::test::XvfbServer xvfb(QSize(640, 480));
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        const GnomeStore gnome;
        QVERIFY2(gnome.bus.isRunning(), qPrintable(gnome.bus.error()));
        ProgramCopy copy;
        for (int round = 0; round < 3; ++round) {
            // A new picture each round, so every run has one to set.
            QVERIFY(copy.write(QStringLiteral("options.ini"), "[general]\nCalendarColor=" + QByteArray::number(round) + '\n'));
            QList<QProcess *> runs;
            for (int i = 0; i < 3; ++i) {
                auto *p = new QProcess(this);
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.remove(QStringLiteral("QT_QPA_PLATFORM"));
                env.insert(QStringLiteral("DISPLAY"), xvfb.display());
                env.insert(gnome.env);
                p->setProcessEnvironment(env);
                p->start(copy.file(QStringLiteral("pendrel")), {QStringLiteral("9")});
                runs << p;
            }
            for (QProcess *p : runs) {
                QVERIFY(p->waitForFinished(20000));
                QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
                delete p;
            }
            for (const QString &key : {QStringLiteral("picture-uri"), QStringLiteral("picture-uri-dark")}) {
                const QString file = gnome.shownFile(key);
                QVERIFY2(file.startsWith(copy.folder()) && QFile::exists(file), qPrintable(file));
            }
        }
    }

    // --help and --version answer on standard output and end, with no display and no window;
    // nothing is written.
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestKeptRunning tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_keptrunning.moc"
