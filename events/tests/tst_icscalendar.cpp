#include "events/IcsCalendar.h"
#include "tests/support/TestMain.h"

#include <QObject>
#include <QSet>
#include <QTest>

using namespace marvane;

namespace {

QByteArray calendar(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

// New York's zone as calendar programs write it, with both of its rules.
const QByteArray kNewYork = "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\n"
                            "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nDTSTART:19700308T020000\r\n"
                            "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
                            "BEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nDTSTART:19701101T020000\r\n"
                            "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

QStringList shown(const QList<CalendarEvent> &events)
{
    QStringList lines;
    for (const CalendarEvent &e : events)
        lines << e.date.toString(QStringLiteral("MM-dd")) + u' ' +
                     (e.start.isValid() ? e.start.toString(QStringLiteral("HH:mm")) : QStringLiteral("all day")) +
                     u' ' + e.summary;
    return lines;
}

} // namespace

// The user's zone for one test row.
class Zone
{
public:
    explicit Zone(const QByteArray &zone) : m_was(qgetenv("TZ")) { qputenv("TZ", zone); }
    ~Zone() { qputenv("TZ", m_was); }

private:
    QByteArray m_was;
};

// Calendars as calendar programs write them, read for 1 Oct to 30 Nov 2026 in UTC unless a test
// names the user's zone.
class TestIcsCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventsOnTheirDays_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected");
        // The moved one leaves its place to another event at the same time.
        QTest::newRow("weekly, one left out, one moved")
            << QByteArray("BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Choir\r\nDTSTART:20261104T180000Z\r\nDTEND:20261104T190000Z\r\n"
                          "RRULE:FREQ=WEEKLY;COUNT=4\r\nEXDATE:20261111T180000Z\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Band\r\nDTSTART:20261118T180000Z\r\nRRULE:FREQ=WEEKLY;COUNT=2\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Choir (moved)\r\nRECURRENCE-ID:20261118T180000Z\r\n"
                          "DTSTART:20261119T170000Z\r\nDTEND:20261119T180000Z\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("11-04 18:00 Choir"), QStringLiteral("11-18 18:00 Band"),
                           QStringLiteral("11-19 17:00 Choir (moved)"), QStringLiteral("11-25 18:00 Choir"),
                           QStringLiteral("11-25 18:00 Band")};
        QTest::newRow("New York's 9:00 across its change of clocks")
            << kNewYork + "BEGIN:VEVENT\r\nUID:ny\r\nSUMMARY:Call\r\nDTSTART;TZID=America/New_York:20261026T090000\r\n"
                          "DURATION:PT30M\r\nRRULE:FREQ=WEEKLY;UNTIL=20261103T000000Z\r\nEND:VEVENT\r\n"
            << QStringList{QStringLiteral("10-26 13:00 Call"), QStringLiteral("11-02 14:00 Call")};
        QTest::newRow("all day over three days, a cancelled one, a floating one")
            << QByteArray("BEGIN:VEVENT\r\nUID:t\r\nSUMMARY:Trip\r\nDTSTART;VALUE=DATE:20261130\r\nDTEND;VALUE=DATE:20261203\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Off\r\nSTATUS:CANCELLED\r\nDTSTART:20261105T100000Z\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:f\r\nSUMMARY:Lunch\r\nDTSTART:20261106T123000\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("11-06 12:30 Lunch"), QStringLiteral("11-30 all day Trip")};
        QTest::newRow("to-dos: one due, one done")
            << QByteArray("BEGIN:VTODO\r\nUID:a\r\nSUMMARY:Taxes\r\nDUE;VALUE=DATE:20261015\r\nEND:VTODO\r\n"
                          "BEGIN:VTODO\r\nUID:b\r\nSUMMARY:Done\r\nDUE;VALUE=DATE:20261016\r\nSTATUS:COMPLETED\r\nEND:VTODO\r\n")
            << QStringList{QStringLiteral("10-15 all day Taxes")};
        // Started decades before the days shown, as birthdays and standing meetings are.
        QTest::newRow("every three weeks since 2001, the second Tuesday since 1999, a birthday since 1980")
            << QByteArray("BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Review\r\nDTSTART:20010102T100000Z\r\n"
                          "RRULE:FREQ=WEEKLY;INTERVAL=3\r\nEXDATE:20261027T100000Z\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Club\r\nDTSTART:19990209T190000Z\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Ana\r\nDTSTART;VALUE=DATE:19801103\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("10-06 10:00 Review"), QStringLiteral("10-13 19:00 Club"), QStringLiteral("11-03 all day Ana"),
                           QStringLiteral("11-10 19:00 Club"), QStringLiteral("11-17 10:00 Review")};
        QTest::newRow("two moved occurrences that name each other's places")
            << QByteArray("BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Sync\r\nDTSTART:20261102T100000Z\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Sync A\r\nRECURRENCE-ID:20261109T100000Z\r\nDTSTART:20261116T100000Z\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Sync B\r\nRECURRENCE-ID:20261116T100000Z\r\nDTSTART:20261109T100000Z\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("11-02 10:00 Sync"), QStringLiteral("11-09 10:00 Sync B"), QStringLiteral("11-16 10:00 Sync A")};
        QTest::newRow("every second, never ending, since last year: seconds past the days shown are never walked")
            << QByteArray("BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Tick\r\nDTSTART:20261130T235959Z\r\nRRULE:FREQ=SECONDLY\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("11-30 23:59 Tick")};
        QTest::newRow("as a synced calendar writes it: alarms, attendees, folded lines, names in small letters")
            << QByteArray("BEGIN:VEVENT\r\nUID:g\r\nDTSTAMP:20261001T000000Z\r\nSUMMARY:Board\r\n  meeting\r\n"
                          "DESCRIPTION:Agenda:\\n1. Budget\r\n 2. Hiring\r\nATTENDEE;CN=Ana;ROLE=REQ-PARTICIPANT:mailto:a@\r\n example.org\r\n"
                          "dtstart:20261014T083000Z\r\nDURATION:PT1H\r\nrrule:FREQ=WEEKLY;COUNT=2\r\n"
                          "BEGIN:VALARM\r\nACTION:DISPLAY\r\nSUMMARY:Not this\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("10-14 08:30 Board meeting"), QStringLiteral("10-21 08:30 Board meeting")};
        QTest::newRow("a week, and nine days and 84 hours, from before the days shown")
            << QByteArray("BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Week\r\nDTSTART:20260928T100000Z\r\nDURATION:P1W\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Sprint\r\nDTSTART:20260919T100000Z\r\nDURATION:+P9DT84H\r\nEND:VEVENT\r\n")
            << QStringList{QStringLiteral("10-01 all day Week"), QStringLiteral("10-01 all day Sprint"), QStringLiteral("10-02 all day Week"),
                           QStringLiteral("10-03 all day Week"), QStringLiteral("10-04 all day Week"), QStringLiteral("10-05 all day Week")};
    }
    void eventsOnTheirDays()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, expected);
        // And the same among years of past events, which a large calendar's reading leaves out first.
        QByteArray past;
        for (int i = 0; i < 2000; ++i)
            past += "BEGIN:VEVENT\r\nUID:old" + QByteArray::number(i) + "\r\nDTSTART:20000101T100000Z\r\nEND:VEVENT\r\n";
        for (const QByteArray &text : {calendar(body), calendar(past + body)}) {
            const Result<QList<CalendarEvent>> read = IcsCalendar::occurrences(text, QDate(2026, 10, 1), QDate(2026, 11, 30));
            QVERIFY2(read, read ? "" : qPrintable(read.error().reason()));
            QCOMPARE(shown(*read), expected);
        }
    }

    // Each event of a large calendar is read once, in the zone of its own the file defines after them,
    // and the occurrence moved from its last event left to the one that moves it.
    void largeCalendarIsReadWhole()
    {
        QByteArray body;
        for (int i = 0; i < 1000; ++i)
            body += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nSUMMARY:E" + QByteArray::number(i) +
                    "\r\nDTSTART;TZID=Office Eastern:202610" + QByteArray::number(10 + i % 20) + "T120000\r\n" +
                    (i == 999 ? "RRULE:FREQ=DAILY;COUNT=2\r\n" : "") + "END:VEVENT\r\n";
        body += "BEGIN:VEVENT\r\nUID:e999\r\nSUMMARY:Moved\r\nRECURRENCE-ID;TZID=Office Eastern:20261029T120000\r\n"
                "DTSTART;TZID=Office Eastern:20261130T120000\r\nEND:VEVENT\r\n";
        const QByteArray zone = QByteArray(kNewYork).replace("America/New_York", "Office Eastern");
        const Result<QList<CalendarEvent>> read =
            IcsCalendar::occurrences(calendar(body + zone), QDate(2026, 10, 1), QDate(2026, 11, 30));
        QVERIFY2(read, read ? "" : qPrintable(read.error().reason()));
        QSet<QString> names;
        for (const CalendarEvent &e : *read)
            if (e.start == QTime(16, 0))
                names << e.summary;
        QCOMPARE(names.size(), 1000);
        QCOMPARE(read->size(), 1001);
        QCOMPARE(shown({read->constLast()}), QStringList{QStringLiteral("11-30 17:00 Moved")});
    }

    // Berlin's clocks go back an hour at 01:00 UTC on 25 October 2026: times after it are an hour
    // earlier on the user's clock, a zoned event's length is counted in real hours (the night's 24
    // end at midnight), and days in days (the fair's three, 72 hours in 2024, take 73 this year).
    void eventsOnTheUsersClockAcrossItsChange()
    {
        const Zone berlin("Europe/Berlin");
        const QByteArray body = kNewYork + "BEGIN:VEVENT\r\nUID:u\r\nSUMMARY:Stand-up\r\nDTSTART:20261021T100000Z\r\nRRULE:FREQ=WEEKLY;COUNT=2\r\nEND:VEVENT\r\n"
                              "BEGIN:VEVENT\r\nUID:ny\r\nSUMMARY:Call\r\nDTSTART;TZID=America/New_York:20261026T090000\r\n"
                              "DURATION:PT30M\r\nRRULE:FREQ=WEEKLY;UNTIL=20261103T000000Z\r\nEND:VEVENT\r\n"
                              "BEGIN:VEVENT\r\nUID:n\r\nSUMMARY:Night\r\nDTSTART:20261024T230000Z\r\nDURATION:PT24H\r\n"
                              "RRULE:FREQ=DAILY;COUNT=1\r\nEND:VEVENT\r\n"
                              "BEGIN:VEVENT\r\nUID:f\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20241024\r\nDTEND;VALUE=DATE:20241027\r\n"
                              "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n";
        const QStringList expected{QStringLiteral("10-21 12:00 Stand-up"), QStringLiteral("10-24 all day Fair"),
                                   QStringLiteral("10-25 all day Fair"),   QStringLiteral("10-25 01:00 Night"),
                                   QStringLiteral("10-26 all day Fair"),   QStringLiteral("10-26 14:00 Call"),
                                   QStringLiteral("10-28 11:00 Stand-up"), QStringLiteral("11-02 15:00 Call")};
        const Result<QList<CalendarEvent>> read = IcsCalendar::occurrences(calendar(body), QDate(2026, 10, 1), QDate(2026, 11, 30));
        QVERIFY(read);
        QCOMPARE(shown(*read), expected);
    }

    // Text that is no calendar, and calendars built to make a reader work without end, get a reason.
    void hostileCalendarsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n garbage") << QStringLiteral("not an iCalendar file");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("not an iCalendar file");
        QTest::newRow("every second since 2020")
            << calendar("BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Tick\r\nDTSTART:20200101T000000Z\r\nRRULE:FREQ=SECONDLY\r\nEND:VEVENT\r\n")
            << QStringLiteral("repeats too often");
        QByteArray many;
        for (int i = 0; i <= IcsCalendar::kMostEvents; ++i)
            many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART:20261101T100000Z\r\nEND:VEVENT\r\n";
        QTest::newRow("too many events") << calendar(many) << QStringLiteral("more than 50000 events");
        QByteArray daily;
        for (int i = 0; i < 4000; ++i)
            daily += "BEGIN:VEVENT\r\nUID:d" + QByteArray::number(i) + "\r\nDTSTART:20260101T100000Z\r\nRRULE:FREQ=DAILY\r\nEND:VEVENT\r\n";
        QTest::newRow("too many days of events") << calendar(daily) << QStringLiteral("more than 200000 days of events");
    }
    void hostileCalendarsAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const Result<QList<CalendarEvent>> read = IcsCalendar::occurrences(text, QDate(2026, 10, 1), QDate(2026, 11, 30));
        QVERIFY(!read);
        QVERIFY2(read.error().reason().contains(reason), qPrintable(read.error().reason()));
    }
};

MARVANE_TEST_MAIN(TestIcsCalendar)
#include "tst_icscalendar.moc"
