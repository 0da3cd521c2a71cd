#include "ini/IniStrings.h"
#include "tests/support/IniReads.h"
#include "tests/support/TestMain.h"

#include <QCoreApplication>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>

using namespace marvane;

class TestIniStrings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(QStringLiteral("t.ini")); }
    QByteArray contents() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private Q_SLOTS:
    void cleanup() { QFile::remove(file()); }

    void valuesAreCleanedOnTheWayIn_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored"); // null: the key is absent
        QTest::addColumn<QString>("readBack");
        const QChar nul(u'\0');
        QTest::newRow("outer spaces") << QStringLiteral("  abc  ") << QByteArray("abc") << QStringLiteral("abc");
        QTest::newRow("NULs anywhere") << (QStringLiteral("a") + nul + QStringLiteral("b") + nul) << QByteArray("ab")
                                       << QStringLiteral("ab");
        QTest::newRow("tabs stay") << QStringLiteral("\tx") << QByteArray("\"\tx\"") << QStringLiteral("\tx");
        QTest::newRow("empty deletes") << QString() << QByteArray() << QStringLiteral("dflt");
        QTest::newRow("spaces only delete") << QStringLiteral("   ") << QByteArray() << QStringLiteral("dflt");
        QTest::newRow("spaces and NULs delete") << (QStringLiteral(" ") + nul + QStringLiteral(" ")) << QByteArray()
                                                << QStringLiteral("dflt");
    }
    void valuesAreCleanedOnTheWayIn()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("old"), file()));
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("s"), QStringLiteral("k"), value, file()));
        QCOMPARE(contents(), stored.isNull() ? QByteArray("[s]\n") : QByteArray("[s]\nk=") + stored + '\n');
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("dflt"), file()), readBack);
    }

    void emptyKeyDeletesTheSection()
    {
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("1"), file()));
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("b"), QStringLiteral("k"), QStringLiteral("2"), file()));
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("a"), QString(), QStringLiteral("whatever"), file()));
        QCOMPARE(contents(), QByteArray("[b]\nk=2\n"));
    }

    void readsAreCleanedAndCut()
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[s]\nlong=" + QByteArray(3000, 'x') + "\nnul=" + QByteArray("a\0b", 3) +
                "\nlatin=caf\xe9 \x80\nemoji=" + QByteArray(2046, 'y') + "\xF0\x9F\x98\x80\n");
        f.close();
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("long"), QString(), file()), QString(2047, u'x'));
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("nul"), QString(), file()), QStringLiteral("ab"));
        // Not UTF-8: read as Windows-1252.
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("latin"), QString(), file()),
                 QStringLiteral("café €"));
        // A character is never split at the limit.
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("emoji"), QString(), file()), QString(2046, u'y'));
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("none"), QString(), file()), QString());
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("none"), QStringLiteral("  d  "), file()),
                 QStringLiteral("d"));
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("none"), QStringLiteral("   "), file()), QString());
    }

    void unicodeRoundTrips()
    {
        const QString text = QStringLiteral("Zürich ✓ 日本 😀");
        MARVANE_VERIFY_WRITE(test::writeString(QStringLiteral("s"), QStringLiteral("k"), text, file()));
        QCOMPARE(test::readString(QStringLiteral("s"), QStringLiteral("k"), QString(), file()), text);
        QVERIFY(contents().contains(text.toUtf8()));
    }

    void failureNamesFileAndReason()
    {
        const QString bad = m_dir.filePath(QStringLiteral("missing/t.ini"));
        const Result<> r = test::writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), bad);
        QVERIFY(!r.has_value());
        QCOMPARE(r.error().subject(), bad);
        QVERIFY2(r.error().reason().contains(bad) && r.error().reason().contains(QStringLiteral("No such file")), qPrintable(r.error().reason()));
    }
};

MARVANE_TEST_MAIN(TestIniStrings)
#include "tst_inistrings.moc"
