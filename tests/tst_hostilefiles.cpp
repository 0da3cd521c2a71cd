// Files that are not what they should be: a FIFO or a device where a settings file belongs, a
// full disk, the leftovers of a killed save. Nothing hangs, nothing is damaged, every failure is told.
#include "files/AtomicFile.h"
#include "logon/AutostartEntry.h"
#include "logon/LogonRun.h"
#include "logon/RefreshTimer.h"
#include "wallpaper/WallpaperInstaller.h"
#include "settings/OptionsFile.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/ProgramCopy.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QObject>

#include <QFileInfo>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace marvane;
using marvane::test::ProgramCopy;
using marvane::test::SmallDisk;

namespace {

QByteArray slurp(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without a display the run paints offscreen, so exit 1 with a fresh temp.bmp is its success.
    void oddSettingsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        const QString odd = QStringLiteral("not a regular file");
        QTest::newRow("options.ini FIFO") << "options.ini" << "fifo" << odd;
        QTest::newRow("todolist.ini FIFO") << "todolist.ini" << "fifo" << odd;
        QTest::newRow("options.ini to /dev/urandom") << "options.ini" << "/dev/urandom" << odd;
        QTest::newRow("todolist.ini to /dev/zero") << "todolist.ini" << "/dev/zero" << odd;
        QTest::newRow("options.ini a folder") << "options.ini" << "folder" << odd;
        QTest::newRow("todolist.ini of 65 MB") << "todolist.ini" << "huge" << "larger than 64 MB";
    }
    void oddSettingsFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, says);
        ProgramCopy copy;
        const QString path = copy.file(file);
        if (kind == QStringLiteral("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        else if (kind == QStringLiteral("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QStringLiteral("huge"))
            QVERIFY(copy.write(file, {}) && QFile(path).resize(65 << 20)); // sparse: no disk is used
        else
            QVERIFY(QFile::link(kind, path));
        const ProgramCopy::Run run = copy.run({QStringLiteral("9")}, QString(), 15000);
        QVERIFY2(run.finished, "the program hung");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(path + QStringLiteral(": ") + says), qPrintable(run.errors));
        QCOMPARE(run.errors.count(says), 1);
        QVERIFY(!QImage(copy.file(QStringLiteral("temp.bmp")), "BMP").isNull());
    }

    // A picture its library gives up on is told in the program's one line, not the library's own.
    void damagedPictureIsToldInOneLine()
    {
        ProgramCopy copy;
        QByteArray png;
        QBuffer out(&png);
        QVERIFY(out.open(QIODevice::WriteOnly) && QImage(16, 16, QImage::Format_RGB32).save(&out, "PNG"));
        png.insert(33, QByteArray("\0\0\0\0prVtCRC!", 12).repeated(70000));
        QVERIFY(copy.write(QStringLiteral("chunks.png"), png));
        QVERIFY(copy.write(QStringLiteral("options.ini"),
                           "[general]\nBackgroundPicture=" + QFile::encodeName(copy.file(QStringLiteral("chunks.png"))) + "\n"));
        const ProgramCopy::Run run = copy.run({QStringLiteral("9")}, QString(), 15000);
        QVERIFY2(run.finished, "the program hung");
        QVERIFY2(run.errors.contains(QStringLiteral("damaged")), qPrintable(run.errors));
        QVERIFY2(!run.errors.contains(QStringLiteral("libpng")), qPrintable(run.errors));
    }

    // A calendar that cannot be read is told even though the picture needs no repaint for it; the
    // program copied without its calendar modules says what it lacks. Both still paint.
    void unreadCalendarIsToldInOneLine_data()
    {
        QTest::addColumn<bool>("module");
        QTest::addColumn<QString>("told");
        QTest::newRow("with the modules") << true << QStringLiteral("/nowhere/gone.ics: no such file or folder");
        QTest::newRow("without it") << false << QStringLiteral("calendars cannot be read without ");
    }
    void unreadCalendarIsToldInOneLine()
    {
        QFETCH(bool, module);
        QFETCH(QString, told);
        ProgramCopy copy;
        const QDir built = QFileInfo(QStringLiteral(PENDREL_PATH)).dir();
        for (const QString &file : {QStringLiteral("pendrel-calendars.so"), QStringLiteral("pendrel-fetch.so")})
            QVERIFY(!module || QFile::copy(built.filePath(file), copy.file(file)));
        QVERIFY(copy.write(QStringLiteral("options.ini"), "[general]\nCalendars=/nowhere/gone.ics\n"));
        const ProgramCopy::Run run = copy.run({QStringLiteral("9")}, QString(), 15000);
        QVERIFY2(run.finished, "the program hung");
        QVERIFY2(run.errors.count(told) == 1, qPrintable(run.errors));
        QVERIFY(QFileInfo(copy.file(QStringLiteral("temp.bmp"))).size() > 0);
    }

    void fullDiskKeepsWhatWasStored()
    {
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs here (needs root or unshare -rm)");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.path()));
        const QString options = OptionsFile::path(disk.path());
        MARVANE_VERIFY_WRITE(LogonRun::update(true, QStringLiteral("/opt/marvane/pendrel")));
        MARVANE_VERIFY_WRITE(OptionsFile::save(Options::defaults(), options));
        const QByteArray entry = slurp(AutostartEntry::path());
        const QByteArray stored = slurp(options);
        QVERIFY(disk.fill());

        const Result<> autostart = LogonRun::update(true, QStringLiteral("/opt/elsewhere/a longer path/pendrel"));
        Options changed = Options::defaults();
        changed.offsetX = -123456;
        const Result<> saved = OptionsFile::save(changed, options);
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const Result<> bitmap = WallpaperInstaller::saveBitmap(picture, disk.path());
        // Off needs the entry rewritten first: refused, the timer stays too.
        const Result<> off = LogonRun::update(false, QStringLiteral("/opt/marvane/pendrel"));
        const bool timerKept = QFile::exists(RefreshTimer::timerPath());
        qputenv("XDG_CONFIG_HOME", config);

        QVERIFY(timerKept);
        for (const Result<> &e : {autostart, saved, bitmap, off})
            QVERIFY2(!e.has_value() && e.error().message().contains(QStringLiteral("No space left on device")), qPrintable(test::messageOf(e)));
        QCOMPARE(slurp(disk.path() + QStringLiteral("/autostart/Marvane.desktop")), entry);
        QCOMPARE(slurp(options), stored);
        QVERIFY(!QFile::exists(disk.path() + QStringLiteral("/temp.bmp")));
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(disk.path()).entryList({QStringLiteral("*.tmp"), QStringLiteral(".temp.bmp.*")},
                                             QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // A bitmap that only partly fits: the system's reason, not Qt's "Unknown error".
    void bitmapLargerThanTheRoomLeftSaysWhy()
    {
        SmallDisk disk(1024);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs here (needs root or unshare -rm)");
        QImage picture(1920, 1080, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const Result<> bitmap = WallpaperInstaller::saveBitmap(picture, disk.path());
        QVERIFY2(test::messageOf(bitmap).contains(QStringLiteral("No space left on device")),
                 qPrintable(test::messageOf(bitmap)));
    }

    void killedSavesLeaveNothingForLong()
    {
        QTemporaryDir dir;
        const QString options = OptionsFile::path(dir.path());
        const QString bitmap = WallpaperInstaller::bitmapPath(dir.path());
        // Writers killed after writing their temporary files, before putting them in place.
        for (const QString &file : {options, bitmap}) {
            const pid_t child = ::fork();
            if (child == 0) {
                const auto staged = StagedFile::write(file, [](QIODevice &out) { return writeAll(out, "x"); }, false);
                ::raise(staged ? SIGKILL : SIGTERM);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QCOMPARE(WTERMSIG(status), SIGKILL);
        }
        const QString someoneElses = dir.filePath(QStringLiteral(".options.ini.notmine.tmp"));
        QVERIFY(QFile(someoneElses).open(QIODevice::WriteOnly));
        MARVANE_VERIFY_WRITE(OptionsFile::save(Options::defaults(), options));
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        MARVANE_VERIFY_WRITE(WallpaperInstaller::saveBitmap(picture, dir.path()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QFileInfo(someoneElses).fileName(), QStringLiteral("options.ini"), QStringLiteral("temp.bmp")}));
    }
};

MARVANE_TEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
