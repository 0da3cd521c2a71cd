#include "app/ItemCommands.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace marvane;

// The to-do commands on a file of their own, on a fixed day: Thursday, 31 December 2026.
class TestItemCommands : public QObject
{
    Q_OBJECT

    const QDate m_today{2026, 12, 31};

    static QStringList words(const QString &line) { return line.split(u' ', Qt::SkipEmptyParts); }

private Q_SLOTS:
    // Each command in turn on one file, as a script would run them: what it says, and the file after.
    void commandsChangeTheFile()
    {
        QTemporaryDir dir;
        const FixedClock clock{m_today};
        const ToDoStore store(dir.filePath(QStringLiteral("todolist.ini")), clock);
        const auto run = [&](const QStringList &arguments) {
            const Result<ItemCommandAnswer> answer = ItemCommands::run(arguments, store, m_today);
            return answer ? answer->text : QStringLiteral("refused: ") + answer.error().reason();
        };
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("Buy"), QStringLiteral("milk")}),
                 QStringLiteral("Added item 1 to 2026-12-31: Buy milk\n"));
        QCOMPARE(run(words(QStringLiteral("add --date tomorrow -- --not an option"))),
                 QStringLiteral("Added item 1 to 2027-01-01: --not an option\n"));
        QCOMPARE(run(words(QStringLiteral("add --date +1 Second"))), QStringLiteral("Added item 2 to 2027-01-01: Second\n"));
        QCOMPARE(run(words(QStringLiteral("list --days 3"))),
                 QStringLiteral("2026-12-31 Thu\n  1. Buy milk\n2027-01-01 Fri\n  1. --not an option\n  2. Second\n"));
        QCOMPARE(run(words(QStringLiteral("remove --date 2027-01-01 1"))),
                 QStringLiteral("Removed item 1 of 2027-01-01: --not an option\n"));
        QCOMPARE(run(words(QStringLiteral("add --date 2027-01-01 Back in the first free place"))),
                 QStringLiteral("Added item 1 to 2027-01-01: Back in the first free place\n"));
        QCOMPARE(run(words(QStringLiteral("list --date 2027-01-02 --days 2"))),
                 QStringLiteral("No items from 2027-01-02 to 2027-01-03.\n"));
        QCOMPARE(store.items(QStringLiteral("2027-1-1"))[1], QStringLiteral("Second"));
    }

    // A refusal says why in one line and leaves the file as it was.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing to add") << words(QStringLiteral("add")) << QStringLiteral("say what to add");
        QTest::newRow("too long") << QStringList{QStringLiteral("add"), QString(51, u'x')} << QStringLiteral("51 characters");
        QTest::newRow("line break") << QStringList{QStringLiteral("add"), QStringLiteral("a\nb")} << QStringLiteral("one line");
        QTest::newRow("full") << words(QStringLiteral("add --date 2026-12-24 more")) << QStringLiteral("all 12 items of 2026-12-24");
        QTest::newRow("no such date") << words(QStringLiteral("list --date 2026-02-30")) << QStringLiteral("is not a date");
        QTest::newRow("date without value") << words(QStringLiteral("add --date")) << QStringLiteral("needs a value");
        QTest::newRow("unknown option") << words(QStringLiteral("list --all")) << QStringLiteral("unknown option --all");
        QTest::newRow("too many days") << words(QStringLiteral("list --days 400")) << QStringLiteral("from 1 to 366");
        QTest::newRow("no item number") << words(QStringLiteral("remove")) << QStringLiteral("say which item");
        QTest::newRow("item 13") << words(QStringLiteral("remove 13")) << QStringLiteral("from 1 to 12");
        QTest::newRow("empty item") << words(QStringLiteral("remove --date 2026-12-25 2")) << QStringLiteral("item 2 of 2026-12-25 is empty");
        QTest::newRow("binary file") << words(QStringLiteral("add x")) << QStringLiteral("is not a text file");
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("todolist.ini"));
        QByteArray stored = "[2026-12-24]\n";
        for (int n = 1; n <= 12; ++n)
            stored += "TODO" + QByteArray::number(n) + "=item\n";
        stored += "[2026-12-25]\nTODO1=one\n";
        if (QString::fromLatin1(QTest::currentDataTag()) == QStringLiteral("binary file"))
            stored += QByteArray("\0", 1);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(stored) == stored.size());
        out.close();
        const FixedClock clock{m_today};
        const Result<ItemCommandAnswer> answer = ItemCommands::run(arguments, ToDoStore(file, clock), m_today);
        QVERIFY(!answer);
        QVERIFY2(answer.error().reason().contains(reason), qPrintable(answer.error().reason()));
        QVERIFY(!answer.error().message().contains(u'\n'));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), stored);
    }
};

MARVANE_TEST_MAIN(TestItemCommands)
#include "tst_itemcommands.moc"
