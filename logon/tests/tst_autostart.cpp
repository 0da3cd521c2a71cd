#include "logon/AutostartEntry.h"
#include "logon/LogonRun.h"
#include "logon/RefreshTimer.h"
#include "tests/support/KillRounds.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <unistd.h>

using namespace marvane;

namespace {

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
}

// A stand-in program that records the arguments it was started with.
QString makeProgram(const QString &dir, const QString &argvLog)
{
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/pendrel");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '%1'\n").arg(argvLog).toUtf8());
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

int run(const QString &program, const QStringList &args, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStandardPaths::findExecutable(program), args);
    if (!p.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromUtf8(p.readAll());
    return p.exitCode();
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void entryLivesInTheUsersConfig()
    {
        QCOMPARE(AutostartEntry::path(), qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/Marvane.desktop"));
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(AutostartEntry::path(), QDir::homePath() + QStringLiteral("/.config/autostart/Marvane.desktop"));
        qputenv("XDG_CONFIG_HOME", saved);
    }

    void onAndOffContents()
    {
        MARVANE_VERIFY_WRITE(LogonRun::update(true, QStringLiteral("/opt/My Apps/marvane/pendrel")));
        QCOMPARE(readText(AutostartEntry::path()),
                 QStringLiteral("[Desktop Entry]\nType=Application\nName=Marvane\n"
                                "Comment=Paints this month's calendar onto the desktop wallpaper\n"
                                "TryExec=/opt/My Apps/marvane/pendrel\n"
                                "Exec=\"/opt/My Apps/marvane/pendrel\" 9\nTerminal=false\n"
                                "X-GNOME-Autostart-enabled=true\n"));
        QString out;
        QVERIFY2(run(QStringLiteral("desktop-file-validate"), {AutostartEntry::path()}, &out) == 0, qPrintable(out));

        MARVANE_VERIFY_WRITE(LogonRun::update(false, QStringLiteral("/opt/My Apps/marvane/pendrel")));
        const QString off = readText(AutostartEntry::path());
        QVERIFY(off.contains(QStringLiteral("Name=Marvane\n")));
        QVERIFY(off.contains(QStringLiteral("Hidden=true\n")));
        QVERIFY(!off.contains(QStringLiteral("Exec=")));
        QVERIFY2(run(QStringLiteral("desktop-file-validate"), {AutostartEntry::path()}, &out) == 0, qPrintable(out));
    }

    // Log-on starts exactly the program with the single argument 9, whatever its folder is called.
    void launchesExactlyTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << QStringLiteral("apps");
        QTest::newRow("spaces") << QStringLiteral("My Apps/Mar vane");
        QTest::newRow("quotes") << QStringLiteral("it's \"quoted\"");
        QTest::newRow("dollar") << QStringLiteral("$HOME and ${x}");
        QTest::newRow("backslashes") << QStringLiteral("back\\slash\\\\two");
        QTest::newRow("shell characters") << QStringLiteral("a;b&c|d<e>f*g?h#i(j)k~l`m`");
        QTest::newRow("tab") << QStringLiteral("tab\there");
        QTest::newRow("unicode") << QStringLiteral("Kalender ✓");
    }
    void launchesExactlyTheProgram()
    {
        QFETCH(QString, folder);
        const QString log = m_dir.filePath(QStringLiteral("argv.txt"));
        QFile::remove(log);
        const QString program = makeProgram(m_dir.filePath(folder), log);
        QVERIFY(!program.isEmpty());
        MARVANE_VERIFY_WRITE(LogonRun::update(true, program));
        QString out;
        QVERIFY2(run(QStringLiteral("desktop-file-validate"), {AutostartEntry::path()}, &out) == 0, qPrintable(out));
        QVERIFY2(run(QStringLiteral("gio"), {QStringLiteral("launch"), AutostartEntry::path()}, &out) == 0,
                 qPrintable(out));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log) && readText(log).endsWith(QLatin1Char('\n')), 10000);
        QCOMPARE(readText(log), program + QStringLiteral("\n9\n"));

        // Once the program is gone, the entry is skipped rather than started and failing.
        QVERIFY(QFile::remove(program));
        QVERIFY(run(QStringLiteral("gio"), {QStringLiteral("launch"), AutostartEntry::path()}, &out) != 0);
    }

    // The first entry written says once what it arms and how to stop it.
    void firstEntrySaysWhatItArms()
    {
        QFile::remove(AutostartEntry::path());
        const auto told = [] {
            QTemporaryFile errors;
            if (!errors.open())
                return QStringLiteral("<no file>");
            const int saved = ::dup(2);
            ::dup2(errors.handle(), 2);
            const Result<> e = LogonRun::update(true, QStringLiteral("/opt/marvane/pendrel"));
            ::dup2(saved, 2);
            ::close(saved);
            QFile back(errors.fileName());
            const QString text = back.open(QIODevice::ReadOnly) ? QString::fromUtf8(back.readAll()) : QString();
            return e ? text : QStringLiteral("<failed>");
        };
        const QString first = told();
        QVERIFY2(first.contains(QStringLiteral("repainted at every log-on and after midnight; untick \"Refresh desktop "
                                               "when computer starts.\" in Options")),
                 qPrintable(first));
        QVERIFY(!told().contains(QStringLiteral("repainted")));
    }

    // Refused for the entry, so refused for the timer too: nothing changes.
    void percentSignIsRefused()
    {
        MARVANE_VERIFY_WRITE(LogonRun::update(false, QStringLiteral("/opt/apps/pendrel")));
        const QString before = readText(AutostartEntry::path());
        const QString error = marvane::test::messageOf(LogonRun::update(true, QStringLiteral("/opt/100% sure/pendrel")));
        QVERIFY(error.contains(QStringLiteral("'%'")));
        QCOMPARE(readText(AutostartEntry::path()), before);
        QVERIFY(!QFile::exists(RefreshTimer::servicePath()) && !QFile::exists(RefreshTimer::timerPath()));
        // Switching off needs no path, so it still works.
        MARVANE_VERIFY_WRITE(LogonRun::update(false, QStringLiteral("/opt/100% sure/pendrel")));
    }

    void movingTheProgramNamesTheNewFolder()
    {
        MARVANE_VERIFY_WRITE(LogonRun::update(true, QStringLiteral("/old place/pendrel")));
        MARVANE_VERIFY_WRITE(LogonRun::update(true, QStringLiteral("/new place/pendrel")));
        const QString text = readText(AutostartEntry::path());
        QVERIFY(text.contains(QStringLiteral("Exec=\"/new place/pendrel\" 9\n")));
        QVERIFY(!text.contains(QStringLiteral("old place")));
    }

    // Switching on and off, killed at any moment: each file is whole, the entry is never on without
    // the timer, and the next update leaves both on and no temporary file behind.
    void killedUpdatesLeaveWholeFiles()
    {
        const QString exe = QStringLiteral("/opt/marvane/pendrel");
        const QString on = AutostartEntry::contents(true, exe);
        const QString unit = RefreshTimer::serviceText(exe);
        const QStringList folders{QFileInfo(AutostartEntry::path()).absolutePath(), RefreshTimer::unitDirectory()};
        MARVANE_VERIFY_WRITE(LogonRun::update(false, exe));
        const QString wrong = test::killRounds(
            300, 8000, [&](int i) { (void)LogonRun::update(i % 2 == 0, exe); },
            [&]() -> QString {
                const QString entry = readText(AutostartEntry::path());
                const bool timer = QFileInfo(RefreshTimer::wantsLink()).symLinkTarget() == RefreshTimer::timerPath();
                if (entry != on && entry != AutostartEntry::contents(false, exe))
                    return QStringLiteral("a torn entry");
                if (QFile::exists(RefreshTimer::servicePath()) && readText(RefreshTimer::servicePath()) != unit)
                    return QStringLiteral("a torn service");
                return entry == on && !(timer && QFile::exists(RefreshTimer::servicePath()))
                           ? QStringLiteral("the entry on without the timer")
                           : QString();
            });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        MARVANE_VERIFY_WRITE(LogonRun::update(true, exe));
        QCOMPARE(readText(AutostartEntry::path()), on);
        QCOMPARE(readText(RefreshTimer::timerPath()), RefreshTimer::timerText());
        for (const QString &folder : folders)
            QCOMPARE(QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    void unwritableFolderIsReported()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const QString blocker = m_dir.filePath(QStringLiteral("not-a-dir"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
        const QString error = marvane::test::messageOf(LogonRun::update(true, QStringLiteral("/opt/pendrel")));
        qputenv("XDG_CONFIG_HOME", saved);
        QVERIFY(!error.isEmpty());
    }
};

MARVANE_TEST_MAIN(TestAutostart)
#include "tst_autostart.moc"
