#include "ini/IniText.h"
#include "tests/support/TestMain.h"

#include <QObject>

using namespace marvane;

namespace {
std::string s(const QByteArray &b)
{
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
QByteArray b(const std::string &s)
{
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

class TestIniText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected"); // null: not found
        const QByteArray missing;
        QTest::newRow("plain") << QByteArray("[a]\nk=v\n") << QByteArray("a") << QByteArray("k") << QByteArray("v");
        QTest::newRow("CRLF") << QByteArray("[a]\r\nk=v\r\n") << QByteArray("a") << QByteArray("k") << QByteArray("v");
        QTest::newRow("lone CR") << QByteArray("[a]\rx=1\rk=v\r") << QByteArray("a") << QByteArray("k") << QByteArray("v");
        QTest::newRow("no final newline") << QByteArray("[a]\nk=v") << QByteArray("a") << QByteArray("k") << QByteArray("v");
        QTest::newRow("blanks and tabs trimmed") << QByteArray(" \t[ a ] \n\t k \t=  v w \t\n") << QByteArray("a")
                                                 << QByteArray("k") << QByteArray("v w");
        QTest::newRow("date among dates, blank after [") << QByteArray("[2026-12-70]\nk=x\n[\t2026-12-7 ]\nk=v\n")
                                                        << QByteArray("2026-12-7") << QByteArray("k") << QByteArray("v");
        QTest::newRow("names ignore case") << QByteArray("[General]\nOffsetX=5\n") << QByteArray("gENERAL")
                                           << QByteArray("offsetx") << QByteArray("5");
        QTest::newRow("first section only") << QByteArray("[a]\nx=1\n[b]\n[A]\nk=v\n") << QByteArray("a")
                                            << QByteArray("k") << missing;
        QTest::newRow("first key wins") << QByteArray("[a]\nk=1\nK=2\n") << QByteArray("a") << QByteArray("k")
                                        << QByteArray("1");
        QTest::newRow("double quotes") << QByteArray("[a]\nk=\" v \"\n") << QByteArray("a") << QByteArray("k")
                                       << QByteArray(" v ");
        QTest::newRow("single quotes") << QByteArray("[a]\nk='v'\n") << QByteArray("a") << QByteArray("k")
                                       << QByteArray("v");
        QTest::newRow("unmatched quotes stay") << QByteArray("[a]\nk=\"v'\n") << QByteArray("a") << QByteArray("k")
                                               << QByteArray("\"v'");
        QTest::newRow("lone quote stays") << QByteArray("[a]\nk=\"\n") << QByteArray("a") << QByteArray("k")
                                          << QByteArray("\"");
        QTest::newRow("hash is not a comment") << QByteArray("[a]\n#k=v\n") << QByteArray("a") << QByteArray("#k")
                                               << QByteArray("v");
        QTest::newRow("semicolon line is not a key") << QByteArray("[a]\n;k=v\n") << QByteArray("a")
                                                     << QByteArray(";k") << missing;
        QTest::newRow("nothing after a value is a comment") << QByteArray("[a]\nk=v ; note\n") << QByteArray("a")
                                                            << QByteArray("k") << QByteArray("v ; note");
        QTest::newRow("junk after header") << QByteArray("[a] junk\nk=v\n") << QByteArray("a") << QByteArray("k")
                                           << QByteArray("v");
        QTest::newRow("name to the last bracket") << QByteArray("[a]b]\nk=v\n") << QByteArray("a]b")
                                                  << QByteArray("k") << QByteArray("v");
        QTest::newRow("key before any section") << QByteArray("k=v\n[a]\n") << QByteArray("a") << QByteArray("k")
                                                << missing;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[a]\nk=v\n") << QByteArray("a")
                                         << QByteArray("k") << QByteArray("v");
        QTest::newRow("line without equals") << QByteArray("[a]\nk\nk=v\n") << QByteArray("a") << QByteArray("k")
                                             << QByteArray("v");
        QTest::newRow("equals in value") << QByteArray("[a]\nk=b=c\n") << QByteArray("a") << QByteArray("k")
                                         << QByteArray("b=c");
        QTest::newRow("empty value") << QByteArray("[a]\nk=\n") << QByteArray("a") << QByteArray("k") << QByteArray("");
        QTest::newRow("leading zeros are another section")
            << QByteArray("[2020-05-17]\nTODO1=x\n") << QByteArray("2020-5-17") << QByteArray("TODO1") << missing;
        static constexpr char junk[] = "\x00\xff[\x01]\n=\n[a\n]\nk=v";
        QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << QByteArray("a")
                                     << QByteArray("k") << missing;
    }
    void readRules()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        const auto found = IniText::lookup(s(text), s(section), s(key));
        QCOMPARE(found.has_value(), !expected.isNull());
        if (found)
            QCOMPARE(b(*found), expected);
        // Asked among other sections in one pass, the same answer.
        const std::string whole = text.toStdString();
        const auto bodies = IniText::sectionBodies(whole, {"b", section.toStdString(), "zz"});
        const auto amongOthers = bodies[1] ? IniText::keyValue(*bodies[1], s(key)) : std::nullopt;
        QCOMPARE(amongOthers, found);
    }

    void writeRules_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");   // null: delete the section
        QTest::addColumn<QByteArray>("value"); // null: delete the key
        QTest::addColumn<QByteArray>("after");
        const QByteArray none;
        QTest::newRow("new file") << QByteArray() << QByteArray("s") << QByteArray("k") << QByteArray("v")
                                  << QByteArray("[s]\nk=v\n");
        QTest::newRow("rewrite keeps spelling") << QByteArray("[S]\n  Key = old \n") << QByteArray("s")
                                                << QByteArray("KEY") << QByteArray("new")
                                                << QByteArray("[S]\nKey=new\n");
        QTest::newRow("new key after the last key")
            << QByteArray("; top\n[a]\nx=1\n\n; c\n[b]\ny=2\n") << QByteArray("a") << QByteArray("z")
            << QByteArray("3") << QByteArray("; top\n[a]\nx=1\nz=3\n\n; c\n[b]\ny=2\n");
        QTest::newRow("new key in an empty section") << QByteArray("[a]\n[b]\n") << QByteArray("a")
                                                     << QByteArray("k") << QByteArray("v")
                                                     << QByteArray("[a]\nk=v\n[b]\n");
        QTest::newRow("new section at the end") << QByteArray("[a]\nx=1\n\n") << QByteArray("b") << QByteArray("y")
                                                << QByteArray("2") << QByteArray("[a]\nx=1\n\n[b]\ny=2\n");
        QTest::newRow("no final newline, same section") << QByteArray("[a]\nx=1") << QByteArray("a")
                                                        << QByteArray("y") << QByteArray("2")
                                                        << QByteArray("[a]\nx=1\ny=2\n");
        QTest::newRow("no final newline, new section") << QByteArray("[a]\nx=1") << QByteArray("b")
                                                       << QByteArray("k") << QByteArray("v")
                                                       << QByteArray("[a]\nx=1\n[b]\nk=v\n");
        QTest::newRow("CRLF stays CRLF") << QByteArray("[a]\r\nx=1\r\n") << QByteArray("a") << QByteArray("y")
                                         << QByteArray("2") << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("CRLF new section") << QByteArray("[a]\r\nx=1\r\n") << QByteArray("b") << QByteArray("y")
                                          << QByteArray("2") << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
        QTest::newRow("delete a key") << QByteArray("[a]\r\nx=1\r\ny=2\r\n") << QByteArray("a") << QByteArray("x")
                                      << none << QByteArray("[a]\r\ny=2\r\n");
        QTest::newRow("delete the last key keeps the header") << QByteArray("[a]\nx=1\n[b]\n") << QByteArray("a")
                                                              << QByteArray("x") << none
                                                              << QByteArray("[a]\n[b]\n");
        QTest::newRow("delete a missing key") << QByteArray("[a]\nx=1\n") << QByteArray("a") << QByteArray("q")
                                              << none << QByteArray("[a]\nx=1\n");
        QTest::newRow("delete a section") << QByteArray("[a]\nx=1\n;c\n[b]\ny=2\n") << QByteArray("A") << none
                                          << none << QByteArray("[b]\ny=2\n");
        QTest::newRow("line breaks in a value") << QByteArray("[a]\n") << QByteArray("a") << QByteArray("k")
                                                << QByteArray("one\r\ntwo\nthree") << QByteArray("[a]\nk=one  two three\n");
        QTest::newRow("byte-order mark kept") << QByteArray("\xEF\xBB\xBF[a]\nx=1\n") << QByteArray("a")
                                              << QByteArray("x") << QByteArray("2")
                                              << QByteArray("\xEF\xBB\xBF[a]\nx=2\n");
        QTest::newRow("comments and junk untouched")
            << QByteArray("junk\n; note\n[a]\n#x\nk=1\n  trailing  \n") << QByteArray("a") << QByteArray("k")
            << QByteArray("2") << QByteArray("junk\n; note\n[a]\n#x\nk=2\n  trailing  \n");
    }
    void writeRules()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        const std::string k = s(key);
        const std::string v = s(value);
        const std::string_view kv(k), vv(v);
        QCOMPARE(b(IniText::edit(s(before), s(section), key.isNull() ? nullptr : &kv,
                                     value.isNull() ? nullptr : &vv)),
                 after);
    }

    // Whatever is stored reads back the same, quotes and blanks at the edges included.
    void valuesReadBack_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("quoted") << QByteArray("\"quoted\"");
        QTest::newRow("single-quoted") << QByteArray("'x'");
        QTest::newRow("tab first") << QByteArray("\tindented");
        QTest::newRow("tab last") << QByteArray("end\t");
        QTest::newRow("equals and semicolon") << QByteArray("a=b; c");
        QTest::newRow("brackets") << QByteArray("[not a section]");
        QTest::newRow("utf-8") << QByteArray("Z\xC3\xBCrich \xE2\x9C\x93");
    }
    void valuesReadBack()
    {
        QFETCH(QByteArray, value);
        const std::string k = "k", v = s(value);
        const std::string_view kv(k), vv(v);
        const std::string text = IniText::edit("[a]\nk=old\n", "a", &kv, &vv);
        QCOMPARE(b(IniText::lookup(text, "a", "k").value_or("<missing>")), value);
    }

    void namesThatCannotBeStored()
    {
        const auto named = [](std::string_view section, std::string_view key) {
            return IniText::nameProblem(section, &key) == nullptr;
        };
        QVERIFY(!named("a]b", "k"));
        QVERIFY(!named("a\nb", "k"));
        QVERIFY(!named("s", "a=b"));
        QVERIFY(!named("s", ";k"));
        QVERIFY(!named("s", ""));
        QVERIFY(named("2020-5-17", "TODO12"));
    }
};

MARVANE_TEST_MAIN(TestIniText)
#include "tst_initext.moc"
