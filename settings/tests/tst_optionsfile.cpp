#include "settings/OptionsFile.h"
#include "tests/support/KillRounds.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QObject>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <limits>

using namespace marvane;

namespace {
void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
const QByteArray kDefaultsText = "[general]\nDesktopColor=-2147483647\nCalendarColor=16777215\nCalendarPos=1\n"
                                 "OffsetX=-10\nOffsetY=10\nShowToDoList=True\nAutoRun=True\n"
                                 "ToDoBackColor=16777215\nToDoTextColor=255\n";
} // namespace

class TestOptionsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return OptionsFile::path(m_dir.path()); }

private Q_SLOTS:
    void cleanup() { QFile::remove(file()); }

    void missingFileGivesDefaultsAndCreatesNothing()
    {
        Options o;
        const QList<Failure> problems = OptionsFile::load(o, file());
        QCOMPARE(o, Options::defaults());
        QVERIFY(problems.isEmpty());
        QVERIFY(!QFile::exists(file()));
    }

    void partialFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("calendarPos");
        QTest::addColumn<bool>("showToDoList");
        QTest::newRow("only CalendarPos") << QByteArray("[general]\nCalendarPos=3\n") << 3 << true;
        QTest::newRow("lower-case false") << QByteArray("[general]\nShowToDoList=false\n") << 1 << false;
        QTest::newRow("other section name") << QByteArray("[generic]\nCalendarPos=3\nShowToDoList=False\n") << 1
                                            << true;
        QTest::newRow("boolean as a number") << QByteArray("[General]\nshowtodolist=0\n") << 1 << false;
    }
    void partialFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, calendarPos);
        QFETCH(bool, showToDoList);
        writeFile(file(), text);
        Options o;
        OptionsFile::load(o, file());
        Options expected = Options::defaults();
        expected.calendarCorner = calendarPos;
        expected.showToDoList = showToDoList;
        QCOMPARE(o, expected);
        QCOMPARE(readFile(file()), text);
    }

    // A file saved as UTF-16 with its mark is read, and saved back as UTF-16; one that is not text
    // gives the defaults with one line naming it, and stays as it is.
    void otherEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text");
        const QString ini = QStringLiteral("[general]\r\nCalendarPos=3\r\nOffsetX=-25\r\n");
        const auto utf16 = [&ini](QStringConverter::Encoding e) {
            QStringEncoder encode(e, QStringEncoder::Flag::WriteBom);
            return QByteArray(encode(ini));
        };
        QTest::newRow("UTF-16 LE") << QByteArray(utf16(QStringConverter::Utf16LE)) << true;
        QTest::newRow("UTF-16 BE") << QByteArray(utf16(QStringConverter::Utf16BE)) << true;
        QTest::newRow("UTF-16 without its mark") << QByteArray(utf16(QStringConverter::Utf16LE)).mid(2) << false;
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0[general]\nCalendarPos=3\n", 27) << false;
    }
    void otherEncodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, text);
        writeFile(file(), bytes);
        Options o;
        const QList<Failure> problems = OptionsFile::load(o, file());
        QCOMPARE(o.calendarCorner, text ? 3 : 1);
        QCOMPARE(o.offsetX, text ? -25 : -10);
        QCOMPARE(problems.size(), text ? 0 : 1);
        if (!text) {
            QVERIFY2(problems.first().message().contains(file()), qPrintable(problems.first().message()));
            QCOMPARE(readFile(file()), bytes);
            return;
        }
        o.offsetY = 77;
        MARVANE_VERIFY_WRITE(OptionsFile::save(o, file()));
        const QByteArray saved = readFile(file());
        QCOMPARE(saved.left(2), bytes.left(2));
        QStringDecoder decode(QStringDecoder::encodingForData(saved).value_or(QStringConverter::Utf8));
        const QString decoded = decode(saved);
        QVERIFY2(decoded.contains(u"OffsetY=77\r\n"), qPrintable(decoded));
        Options back;
        OptionsFile::load(back, file());
        QCOMPARE(back, o);
    }

    void unconvertibleKeysTakeTheirDefault_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray("OffsetX=") << false;
        QTest::newRow("word") << QByteArray("OffsetX=left") << false;
        QTest::newRow("above 32 bits") << QByteArray("OffsetX=2147483648") << false;
        QTest::newRow("below 32 bits") << QByteArray("OffsetX=-2147483649") << false;
        QTest::newRow("huge") << QByteArray("OffsetX=") + QByteArray(400, '9') << false;
        QTest::newRow("hexadecimal") << QByteArray("OffsetX=0x10") << false;
        QTest::newRow("plus sign") << QByteArray("OffsetX=+5") << false;
        QTest::newRow("boolean word") << QByteArray("AutoRun=yes") << false;
        QTest::newRow("boolean binary junk") << QByteArray("AutoRun=\x01\xff") << false;
        QTest::newRow("lowest 32-bit") << QByteArray("OffsetX=-2147483648") << true;
        QTest::newRow("boolean decimal") << QByteArray("AutoRun=1.5") << true;
    }
    void unconvertibleKeysTakeTheirDefault()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        writeFile(file(), "[general]\nCalendarPos=2\n" + line + "\nOffsetY=33\n");
        Options o;
        const QList<Failure> problems = OptionsFile::load(o, file());
        // The keys around the bad one still load.
        QCOMPARE(o.calendarCorner, 2);
        QCOMPARE(o.offsetY, 33);
        if (valid) {
            QVERIFY(problems.isEmpty());
            QVERIFY(o.offsetX == std::numeric_limits<std::int32_t>::min() || o.startAtLogon);
            return;
        }
        QCOMPARE(problems.size(), 1);
        const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
        QVERIFY2(problems.first().message().contains(file()) && problems.first().message().contains(key),
                 qPrintable(problems.first().message()));
        QCOMPARE(o.offsetX, -10);
        QCOMPARE(o.startAtLogon, true);
    }

    // The keys after the nine: their ranges, and written after them only when not at the default.
    void keysAfterTheNine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("loaded");
        QTest::newRow("scale follows the display") << QByteArray("CalendarScale=0") << 0;
        QTest::newRow("smallest scale") << QByteArray("CalendarScale=50") << 50;
        QTest::newRow("largest scale") << QByteArray("CalendarScale=400") << 400;
        QTest::newRow("scale below") << QByteArray("CalendarScale=49") << -1;
        QTest::newRow("scale above") << QByteArray("CalendarScale=401") << -1;
        QTest::newRow("scale fraction") << QByteArray("CalendarScale=1.5") << -1;
        QTest::newRow("week as the locale") << QByteArray("WeekStart=2") << 2;
        QTest::newRow("week beyond") << QByteArray("WeekStart=3") << -1;
        QTest::newRow("date as the locale") << QByteArray("DateFormat=1") << 1;
        QTest::newRow("date negative") << QByteArray("DateFormat=-1") << -1;
    }
    void keysAfterTheNine()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, loaded);
        writeFile(file(), "[general]\n" + line + "\n");
        Options o;
        const QList<Failure> problems = OptionsFile::load(o, file());
        QCOMPARE(problems.size(), loaded < 0 ? 1 : 0);
        const int value = line.startsWith("Calendar") ? o.calendarScale : line.startsWith("Week") ? o.weekStart
                                                                                                 : o.dateFormat;
        QCOMPARE(value, std::max(loaded, 0));
        o = Options::defaults();
        o.backgroundStyle = 2;
        o.calendarScale = 150;
        o.weekStart = 1;
        o.dateFormat = 1;
        QFile::remove(file());
        MARVANE_VERIFY_WRITE(OptionsFile::save(o, file()));
        QVERIFY(readFile(file()).endsWith("BackgroundStyle=2\nCalendarScale=150\nWeekStart=1\nDateFormat=1\n"));
        o = Options::defaults();
        MARVANE_VERIFY_WRITE(OptionsFile::save(o, file()));
        QCOMPARE(readFile(file()), kDefaultsText);
    }

    void saveWritesNineKeysInOrder()
    {
        MARVANE_VERIFY_WRITE(OptionsFile::save(Options::defaults(), file()));
        QCOMPARE(readFile(file()), kDefaultsText);
        Options o;
        OptionsFile::load(o, file());
        QCOMPARE(o, Options::defaults());
    }

    void saveTouchesNothingElse()
    {
        writeFile(file(), "; mine\r\n[other]\r\nx=1\r\n[GENERAL]\r\nextra=keep\r\noffsetx=5\r\n");
        Options o = Options::defaults();
        o.offsetX = -99;
        o.startAtLogon = false;
        MARVANE_VERIFY_WRITE(OptionsFile::save(o, file()));
        QCOMPARE(readFile(file()),
                 QByteArray("; mine\r\n[other]\r\nx=1\r\n[GENERAL]\r\nextra=keep\r\noffsetx=-99\r\n"
                            "DesktopColor=-2147483647\r\nCalendarColor=16777215\r\nCalendarPos=1\r\n"
                            "OffsetY=10\r\nShowToDoList=True\r\nAutoRun=False\r\nToDoBackColor=16777215\r\n"
                            "ToDoTextColor=255\r\n"));
    }

    // A save killed at any moment leaves every key old or every key new.
    void killedSaveKeepsOneWholeRecord()
    {
        Options before = Options::defaults();
        Options after = before;
        after.calendarColor = 0x123456;
        after.calendarCorner = 3;
        after.offsetX = 40;
        after.offsetY = -7;
        after.showToDoList = false;
        after.startAtLogon = false;
        after.toDoTextColor = 0x00FF00;
        MARVANE_VERIFY_WRITE(OptionsFile::save(before, file()));
        const QString wrong = test::killRounds(
            300, 8000, [&](int i) { (void)OptionsFile::save(i % 2 ? before : after, file()); },
            [&]() -> QString {
                Options now;
                OptionsFile::load(now, file());
                return now == before || now == after ? QString() : QStringLiteral("a mix of old and new settings");
            });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        MARVANE_VERIFY_WRITE(OptionsFile::save(after, file()));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("options.ini")});
    }

    // Unset, the week's start and the date's form follow a language other than US English or C;
    // a choice that differs from that is written, so Sunday stays Sunday for a German user.
    void unsetDatesFollowTheLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("weekStart");
        QTest::addColumn<int>("dateFormat");
        QTest::newRow("C") << QLocale::c() << 0 << 0;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << 0 << 0;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << 2 << 1;
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << 2 << 1;
    }
    void unsetDatesFollowTheLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, weekStart);
        QFETCH(int, dateFormat);
        const QLocale before;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        writeFile(file(), "[general]\nDesktopColor=0\n");
        Options read;
        OptionsFile::load(read, file());
        QCOMPARE(read.weekStart, weekStart);
        QCOMPARE(read.dateFormat, dateFormat);
        MARVANE_VERIFY_WRITE(OptionsFile::save(read, file()));
        QVERIFY(!readFile(file()).contains("WeekStart") && !readFile(file()).contains("DateFormat"));
        read.weekStart = 0;
        MARVANE_VERIFY_WRITE(OptionsFile::save(read, file()));
        QCOMPARE(readFile(file()).contains("WeekStart=0"), weekStart != 0);
        Options again;
        OptionsFile::load(again, file());
        QCOMPARE(again.weekStart, 0);
    }

    // A picture name with a line break is refused whole, never stored as another name.
    void nameWithALineBreakIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("LF") << QStringLiteral("/pictures/a\nb.png");
        QTest::newRow("CR") << QStringLiteral("/pictures/a\rb.png");
    }
    void nameWithALineBreakIsRefused()
    {
        QFETCH(QString, name);
        MARVANE_VERIFY_WRITE(OptionsFile::save(Options::defaults(), file()));
        Options options = Options::defaults();
        options.backgroundPicture = name;
        const Result<> r = OptionsFile::save(options, file());
        QVERIFY(!r && r.error().subject() == file() && r.error().reason().contains(QStringLiteral("line break")));
        Options now;
        OptionsFile::load(now, file());
        QCOMPARE(now, Options::defaults());
    }

    void saveFailureIsReported()
    {
        const QString bad = OptionsFile::path(m_dir.filePath(QStringLiteral("gone")));
        const Result<> r = OptionsFile::save(Options::defaults(), bad);
        QVERIFY(!r.has_value());
        QCOMPARE(r.error().subject(), bad);
    }
};

MARVANE_TEST_MAIN(TestOptionsFile)
#include "tst_optionsfile.moc"
