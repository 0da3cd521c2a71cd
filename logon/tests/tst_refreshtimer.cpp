#include "logon/RefreshTimer.h"
#include "tests/support/DbusSession.h"
#include "tests/support/SystemdCommandLine.h"
#include "tests/support/TestMain.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <unistd.h>

using namespace marvane;

// Records what the program asks of the user manager.
class StandInManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.systemd1.Manager")

public:
    QStringList calls;

public Q_SLOTS:
    void Reload() { calls << QStringLiteral("Reload"); }
    QDBusObjectPath StartUnit(const QString &unit, const QString &)
    {
        calls << QStringLiteral("StartUnit ") + unit;
        return QDBusObjectPath(QStringLiteral("/job/1"));
    }
    QDBusObjectPath StopUnit(const QString &unit, const QString &)
    {
        calls << QStringLiteral("StopUnit ") + unit;
        return QDBusObjectPath(QStringLiteral("/job/2"));
    }
};

class TestRefreshTimer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // One private bus for the whole run: Qt keeps the first session-bus connection it makes.
    std::unique_ptr<marvane::test::DbusSession> m_bus;

    QString program(const QString &folder)
    {
        const QString dir = m_dir.filePath(folder);
        QDir().mkpath(dir);
        const QString exe = dir + QStringLiteral("/pendrel");
        QFile f(exe);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$ARGV_LOG\"\n");
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return exe;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_bus = std::make_unique<marvane::test::DbusSession>();
        QVERIFY2(m_bus->isRunning(), qPrintable(m_bus->error()));
    }

    void init()
    {
        QDir(RefreshTimer::unitDirectory()).removeRecursively();
    }

    void unitsVerifyAndStartTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << QStringLiteral("plain");
        QTest::newRow("spaces") << QStringLiteral("My Apps/marvane");
        QTest::newRow("quotes") << QStringLiteral("it's \"quoted\"");
        QTest::newRow("dollar") << QStringLiteral("$HOME and $5");
        QTest::newRow("percent") << QStringLiteral("100% sure %h");
        QTest::newRow("backslash") << QStringLiteral("back\\slash");
    }
    void unitsVerifyAndStartTheProgram()
    {
        QFETCH(QString, folder);
        const QString exe = program(folder);
        MARVANE_VERIFY_WRITE(RefreshTimer::update(true, exe));
        QProcess verify;
        verify.setProcessChannelMode(QProcess::MergedChannels);
        verify.start(QStringLiteral("systemd-analyze"),
                     {QStringLiteral("verify"), QStringLiteral("--user"), RefreshTimer::servicePath(),
                      RefreshTimer::timerPath(), RefreshTimer::pathUnitPath()});
        QVERIFY(verify.waitForFinished());
        QVERIFY2(verify.exitCode() == 0, verify.readAll().constData());

        // What systemd would run: the program itself, with 9.
        const QStringList argv = test::splitExecStart(test::execStartOf(RefreshTimer::servicePath()));
        const QString log = m_dir.filePath(QStringLiteral("argv.log"));
        QFile::remove(log);
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ARGV_LOG"), log);
        run.setProcessEnvironment(env);
        run.start(argv.first(), argv.mid(1));
        QVERIFY(run.waitForFinished());
        QFile recorded(log);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(recorded.readAll()), exe + QStringLiteral("\n9\n"));
        // The path unit watches the files of that program, in their folder whatever its name.
        QFile path(RefreshTimer::pathUnitPath());
        QVERIFY(path.open(QIODevice::ReadOnly));
        const QString watched = QFileInfo(exe).absolutePath().replace(u'%', QStringLiteral("%%"));
        QVERIFY(QString::fromUtf8(path.readAll()).contains(QStringLiteral("PathChanged=") + watched + QStringLiteral("/todolist.ini\n")));

        // The unit's condition holds while the program is there, and skips the run once it is gone.
        QFile unit(RefreshTimer::servicePath());
        QVERIFY(unit.open(QIODevice::ReadOnly));
        const QString condition = QString::fromUtf8(unit.readAll()).section(u'\n', 2, 2);
        QVERIFY2(condition.startsWith(u"ConditionFileIsExecutable="), qPrintable(condition));
        const auto holds = [&condition] {
            QProcess check;
            check.start(QStringLiteral("systemd-analyze"), {QStringLiteral("condition"), condition});
            return check.waitForFinished() && check.exitCode() == 0;
        };
        QVERIFY(holds());
        QVERIFY(QFile::remove(exe));
        QVERIFY(!holds());
    }

    void lineBreakIsRefusedAndLeavesNothing()
    {
        const Result<> e = RefreshTimer::update(true, m_dir.filePath(QStringLiteral("two\nlines/pendrel")));
        QVERIFY(e.error().message().contains(QStringLiteral("line break")));
        QVERIFY(!QFile::exists(RefreshTimer::servicePath()));
        QVERIFY(!QFile::exists(RefreshTimer::timerPath()));
        QVERIFY(!QFileInfo(RefreshTimer::wantsLink()).isSymLink());
    }

    void onOffOnWithAStandInManager()
    {
        QDBusConnection connection = QDBusConnection::sessionBus();
        StandInManager manager;
        QVERIFY(connection.registerObject(QStringLiteral("/org/freedesktop/systemd1"), &manager,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(connection.registerService(QStringLiteral("org.freedesktop.systemd1")));
        const QString exe = program(QStringLiteral("plain"));
        const auto files = [] {
            return QList<bool>{QFile::exists(RefreshTimer::servicePath()), QFile::exists(RefreshTimer::timerPath()),
                               QFileInfo(RefreshTimer::wantsLink()).symLinkTarget() == RefreshTimer::timerPath(),
                               QFileInfo(RefreshTimer::pathWantsLink()).symLinkTarget() == RefreshTimer::pathUnitPath()};
        };

        MARVANE_VERIFY_WRITE(RefreshTimer::update(false, exe)); // nothing there: no error, no call
        QCOMPARE(manager.calls, QStringList());
        MARVANE_VERIFY_WRITE(RefreshTimer::update(true, exe));
        QCOMPARE(files(), (QList<bool>{true, true, true, true}));
        QCOMPARE(manager.calls, (QStringList{QStringLiteral("Reload"), QStringLiteral("StartUnit marvane-refresh.timer"),
                                             QStringLiteral("StartUnit marvane-refresh.path")}));
        manager.calls.clear();
        MARVANE_VERIFY_WRITE(RefreshTimer::update(true, exe)); // unchanged: the manager hears nothing
        QCOMPARE(manager.calls, QStringList());
        MARVANE_VERIFY_WRITE(RefreshTimer::update(false, exe));
        QCOMPARE(files(), (QList<bool>{false, false, false, false}));
        QCOMPARE(manager.calls.first(), QStringLiteral("StopUnit marvane-refresh.timer"));
        manager.calls.clear();
        MARVANE_VERIFY_WRITE(RefreshTimer::update(true, exe));
        QCOMPARE(files(), (QList<bool>{true, true, true, true}));
        QCOMPARE(manager.calls.size(), 3);

        // With no manager on the bus the units are still kept, and one line says so.
        QVERIFY(connection.unregisterService(QStringLiteral("org.freedesktop.systemd1")));
        MARVANE_VERIFY_WRITE(RefreshTimer::update(false, exe));
        QTemporaryFile errors;
        QVERIFY(errors.open());
        const int saved = ::dup(2);
        ::dup2(errors.handle(), 2);
        const Result<> e = RefreshTimer::update(true, exe);
        ::dup2(saved, 2);
        ::close(saved);
        QVERIFY(e.has_value());
        QCOMPARE(files(), (QList<bool>{true, true, true, true}));
        QFile told(errors.fileName());
        QVERIFY(told.open(QIODevice::ReadOnly));
        QCOMPARE(told.readAll().count('\n'), 1);
    }

    void somethingInTheWayIsReported()
    {
        const QString exe = program(QStringLiteral("plain"));
        MARVANE_VERIFY_WRITE(RefreshTimer::update(true, exe));
        QVERIFY(QFile::remove(RefreshTimer::wantsLink()));
        QVERIFY(QDir().mkdir(RefreshTimer::wantsLink()));
        const Result<> e = RefreshTimer::update(true, exe);
        QVERIFY2(test::messageOf(e).contains(QStringLiteral("in the way")), qPrintable(test::messageOf(e)));
        QVERIFY(QFile::exists(RefreshTimer::servicePath())); // what was there stays
        const Result<> off = RefreshTimer::update(false, exe);
        QVERIFY2(test::messageOf(off).contains(QStringLiteral("in the way")), qPrintable(test::messageOf(off)));

        // A file where the folder should be.
        QDir(RefreshTimer::unitDirectory()).removeRecursively();
        QDir().mkpath(QFileInfo(RefreshTimer::unitDirectory()).absolutePath());
        QVERIFY(QFile(RefreshTimer::unitDirectory()).open(QIODevice::WriteOnly));
        QVERIFY(!RefreshTimer::update(true, exe).has_value());
        QFile::remove(RefreshTimer::unitDirectory());
    }
};

MARVANE_TEST_MAIN(TestRefreshTimer)
#include "tst_refreshtimer.moc"
