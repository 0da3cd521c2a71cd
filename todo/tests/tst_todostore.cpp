#include "tests/support/IniReads.h"
#include "tests/support/FixedClock.h"
#include "tests/support/KillRounds.h"
#include "tests/support/TestMain.h"
#include "todo/ToDoStore.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>

using namespace marvane;

namespace {
const QByteArray kExample = "[2020-5-17]\nTODO1=Pay the electricity bill\nTODO4=Dentist at 3 pm\n"
                            "[2020-12-1]\nTODO2=Order calendar refills\n";
} // namespace

class TestToDoStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2020, 5, 17)};
    QString path() const { return ToDoStore::fileIn(m_dir.path()); }
    ToDoStore store() const { return ToDoStore(path(), m_clock); }
    void writeFile(const QByteArray &data) const
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private Q_SLOTS:
    void cleanup()
    {
        QFile::remove(path());
        m_clock.setToday(QDate(2020, 5, 17));
    }

    void dateKeys_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("17 May 2020") << QDate(2020, 5, 17) << QStringLiteral("2020-5-17");
        QTest::newRow("1 Dec 2020") << QDate(2020, 12, 1) << QStringLiteral("2020-12-1");
        QTest::newRow("9 Mar 2000") << QDate(2000, 3, 9) << QStringLiteral("2000-3-9");
    }
    void dateKeys()
    {
        QFETCH(QDate, date);
        QFETCH(QString, key);
        QCOMPARE(ToDoStore::dateKey(date), key);
    }

    void exampleReadsBackItemByItem()
    {
        writeFile(kExample);
        const QStringList today = {QStringLiteral("Pay the electricity bill"),
                                   QString(),
                                   QString(),
                                   QStringLiteral("Dentist at 3 pm"),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString()};
        const ToDoStore::Items all = store().todayItems();
        for (std::int16_t n = 1; n <= 12; ++n) {
            QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), n), today.at(n - 1));
            QCOMPARE(all[static_cast<std::size_t>(n - 1)], today.at(n - 1)); // one read, the same answers
        }
        QCOMPARE(test::storedItem(store(), QStringLiteral("2020-12-1"), 2),
                 QStringLiteral("Order calendar refills"));
        QCOMPARE(test::storedItem(store(), QStringLiteral("2020-12-1"), 1), QString());
        // The clock is read at every call.
        m_clock.setToday(QDate(2020, 12, 1));
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 2), QStringLiteral("Order calendar refills"));
    }

    void leadingZerosAreNeverConsulted()
    {
        writeFile("[2020-03-07]\nTODO1=zero-padded date\n[2020-3-7]\nTODO01=zero-padded key\n");
        m_clock.setToday(QDate(2020, 3, 7));
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 1), QString());
    }

    void outOfRangeItemNumbers()
    {
        writeFile("[2020-5-17]\nTODO13=by hand\n");
        QCOMPARE(store().todayItems(), ToDoStore::Items());
    }

    void writesTrimAndDelete_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("spaces around")
            << QStringLiteral("   buy milk  ") << QByteArray("[2020-5-17]\nTODO3=buy milk\n");
        QTest::newRow("spaces only") << QStringLiteral("    ") << QByteArray("[2020-5-17]\n");
        QTest::newRow("empty") << QString() << QByteArray("[2020-5-17]\n");
        QTest::newRow("tabs kept") << QStringLiteral("\tindented")
                                   << QByteArray("[2020-5-17]\nTODO3=\"\tindented\"\n");
    }
    void writesTrimAndDelete()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, file);
        MARVANE_VERIFY_WRITE(test::storeItem(store(), QStringLiteral("2020-5-17"), 3, QStringLiteral("earlier")));
        MARVANE_VERIFY_WRITE(test::storeItem(store(), QStringLiteral("2020-5-17"), 3, text));
        QCOMPARE(contents(), file);
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 3),
                 QString(text).remove(QRegularExpression(QStringLiteral("^ +| +$"))));
    }

    void longItemsAreKeptWhole()
    {
        const QString item = QString(300, u'x') + QStringLiteral(" end");
        MARVANE_VERIFY_WRITE(test::storeItem(store(), QStringLiteral("2020-5-17"), 1, item));
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 1), item);
    }

    void twelveEmptyItemsWriteNothing()
    {
        ToDoStore::Items blank;
        blank.fill(QStringLiteral("  "));
        MARVANE_VERIFY_WRITE(store().setItems(QStringLiteral("2020-6-1"), blank));
        QVERIFY(!QFile::exists(path()));
        writeFile(kExample);
        MARVANE_VERIFY_WRITE(store().setItems(QStringLiteral("2020-6-1"), ToDoStore::Items()));
        QCOMPARE(contents(), kExample);
    }

    // A save killed at any moment leaves the date's twelve items wholly old or wholly new, the
    // other dates as they were, and no temporary file once the next save has run.
    void killedSaveKeepsOneWholeList()
    {
        writeFile(kExample);
        ToDoStore::Items before, after;
        for (int n = 0; n < ToDoStore::kItems; ++n) {
            before[static_cast<std::size_t>(n)] = QStringLiteral("old item %1").arg(n + 1);
            after[static_cast<std::size_t>(n)] = n % 3 ? QStringLiteral("new item %1").arg(n + 1) : QString();
        }
        MARVANE_VERIFY_WRITE(store().setItems(QStringLiteral("2020-5-17"), before));
        const auto today = [this] {
            ToDoStore::Items items;
            for (int n = 1; n <= ToDoStore::kItems; ++n)
                items[static_cast<std::size_t>(n - 1)] = test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), static_cast<std::int16_t>(n));
            return items;
        };
        const QString wrong = test::killRounds(
            300, 8000, [&](int i) { (void)store().setItems(QStringLiteral("2020-5-17"), i % 2 ? before : after); },
            [&]() -> QString {
                if (test::storedItem(store(), QStringLiteral("2020-12-1"), 2) != QStringLiteral("Order calendar refills"))
                    return QStringLiteral("another date changed");
                const ToDoStore::Items now = today();
                return now == before || now == after ? QString() : QStringLiteral("a mix of old and new items");
            });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        MARVANE_VERIFY_WRITE(store().setItems(QStringLiteral("2020-5-17"), after));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("todolist.ini")});
    }

    void readingCreatesNothingAndSeesHandEdits()
    {
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 1), QString());
        QVERIFY(!QFile::exists(path()));
        writeFile("[2020-5-17]\nTODO1=first\n");
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 1), QStringLiteral("first"));
        writeFile("[2020-5-17]\nTODO1=edited by hand\n");
        QCOMPARE(test::storedItem(store(), ToDoStore::dateKey(m_clock.today()), 1), QStringLiteral("edited by hand"));
    }

    void impossibleDatesAreJustKeys()
    {
        MARVANE_VERIFY_WRITE(test::storeItem(store(), QStringLiteral("2020-2-31"), 1, QStringLiteral("never shown today")));
        QCOMPARE(test::storedItem(store(), QStringLiteral("2020-2-31"), 1), QStringLiteral("never shown today"));
    }

    // The days of a month with at least one item, from one read: blank items and other months count not.
    void daysWithItemsOfAMonth()
    {
        writeFile("[2026-12-3]\nTODO5=dentist\n[2026-12-4]\nTODO1=\n[2026-12-31]\nTODO12=party\n[2026-11-3]\nTODO1=x\n");
        QCOMPARE(store().glance(0, QDate(2026, 12, 1)).marked, (1u << 3) | (1u << 31));
        QCOMPARE(store().glance(0, QDate(2026, 10, 1)).marked, 0u);
        // The days ahead of the 2nd: the 3rd has an item, the 4th only a blank one.
        m_clock.setToday(QDate(2026, 12, 2));
        const QList<ToDoStore::DayItems> ahead = store().glance(2).ahead;
        QCOMPARE(ahead.size(), 1);
        QCOMPARE(ahead.first().date, QDate(2026, 12, 3));
        QCOMPARE(ahead.first().items[4], QStringLiteral("dentist"));
    }

    // UTF-16 without its mark reads as no items: said, and never written into.
    void utf16WithoutItsMarkIsRefused()
    {
        const QString text = QStringLiteral("[2020-5-17]\r\nTODO1=call\r\n");
        const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        writeFile(utf16);
        const Result<> r = test::storeItem(store(), QStringLiteral("2020-5-17"), 2, QStringLiteral("x"));
        QVERIFY2(!r && r.error().reason().contains(QStringLiteral("not a text file")), qPrintable(test::messageOf(r)));
        QCOMPARE(contents(), utf16);
    }

    void failedWriteIsReported()
    {
        const ToDoStore broken(ToDoStore::fileIn(m_dir.filePath(QStringLiteral("gone"))), m_clock);
        const Result<> r = test::storeItem(broken, QStringLiteral("2020-5-17"), 1, QStringLiteral("x"));
        QVERIFY(!r.has_value());
        QCOMPARE(r.error().subject(), broken.file());
        QVERIFY(!r.error().reason().isEmpty());
    }
};

MARVANE_TEST_MAIN(TestToDoStore)
#include "tst_todostore.moc"
