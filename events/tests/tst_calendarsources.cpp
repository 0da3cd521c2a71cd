#include "events/CalendarFetch.h"
#include "events/CalendarSources.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace marvane;
using namespace std::chrono_literals;

namespace {

QByteArray icsEvent(const QByteArray &summary, const QByteArray &start)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:" + summary + "\r\nSUMMARY:" + summary +
           "\r\nDTSTART:" + start + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A web server of the test's own on 127.0.0.1: it answers every request with `answer`, or not at all.
class Server : public QTcpServer
{
public:
    QByteArray answer;
    int requests = 0;

    Server()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                if (!s->readAll().contains("\r\n\r\n"))
                    return;
                ++requests;
                if (!answer.isEmpty())
                    s->write(answer);
                s->flush();
            });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/cal.ics").arg(serverPort()); }
    void answerWith(int status, const QByteArray &body)
    {
        answer = "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " + QByteArray::number(body.size()) +
                 "\r\nConnection: close\r\n\r\n" + body;
    }
};

} // namespace

class TestCalendarSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A file, a folder of one-event files (as vdirsyncer keeps them), a missing folder and a file of
    // 100 MB: the events of the first two in order, and a problem naming each of the others.
    void filesAndFolders()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("synced")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("synced/a.ics")), icsEvent("Dentist", "20261211T090000Z")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("synced/b.ICS")), icsEvent("Gym", "20261210T070000Z")));
        // A sync's file in the making, and what is no calendar, are not read.
        QVERIFY(writeFile(dir.filePath(QStringLiteral("synced/.c.ics")), icsEvent("Half", "20261210T070000Z")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("synced/notes.txt")), icsEvent("Notes", "20261210T070000Z")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("home.ics")), icsEvent("Party", "20261211T200000Z")));
        // And one of 100 MB, refused before it is read.
        QFile huge(dir.filePath(QStringLiteral("huge.ics")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100 * 1024 * 1024));
        huge.close();
        const QString setting = dir.filePath(QStringLiteral("home.ics")) + u';' + dir.filePath(QStringLiteral("synced")) +
                                QStringLiteral(" ; ") + dir.filePath(QStringLiteral("gone")) + u';' + huge.fileName();
        const CalendarSources::Read read = CalendarSources::read(setting, dir.path(), QDate(2026, 12, 1), QDate(2026, 12, 31));
        QStringList summaries;
        for (const CalendarEvent &e : read.events)
            summaries << e.summary;
        QCOMPARE(summaries, (QStringList{QStringLiteral("Gym"), QStringLiteral("Dentist"), QStringLiteral("Party")}));
        QCOMPARE(read.problems.size(), 2);
        QVERIFY(read.problems.first().message().contains(QStringLiteral("gone: no such file or folder")));
        QVERIFY2(read.problems.last().message().contains(QStringLiteral("huge.ics")), qPrintable(read.problems.last().message()));
    }

    // An address: fetched into the cache and read from there; not fetched again while the copy is
    // fresh; when the server fails, the copy stays in use and the problem says since when.
    void addressesAndTheirCopies_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("problem");
        QTest::newRow("404") << 404 << QByteArray("no") << QStringLiteral("the server answered 404; the copy of ");
        QTest::newRow("garbage") << 200 << QByteArray("<html>hi</html>") << QStringLiteral("is not a calendar; the copy of ");
        QTest::newRow("silent") << 0 << QByteArray() << QStringLiteral("did not answer within 5 seconds; the copy of ");
    }
    void addressesAndTheirCopies()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, problem);
        QTemporaryDir cache;
        Server server;
        QVERIFY(server.isListening());
        server.answerWith(200, icsEvent("Standup", "20261211T080000Z"));
        QVERIFY(fetchCalendars(server.address(), cache.path(), 1h).isEmpty());
        QVERIFY(fetchCalendars(server.address(), cache.path(), 1h).isEmpty());
        QCOMPARE(server.requests, 1);
        server.answer.clear();
        if (status)
            server.answerWith(status, body);
        const QList<Failure> problems = fetchCalendars(server.address(), cache.path(), 0s);
        QCOMPARE(server.requests, 2);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().message().contains(problem), qPrintable(problems.first().message()));
        const CalendarSources::Read read = CalendarSources::read(server.address(), cache.path(), QDate(2026, 12, 11), QDate(2026, 12, 11));
        QCOMPARE(read.events.size(), 1);
        QCOMPARE(read.events.first().summary, QStringLiteral("Standup"));
        QVERIFY(read.problems.isEmpty());
    }

    // A large file's or folder's expansion is kept for the next run, and never outlives a change
    // to its files or a damage to itself.
    void largeSourcesAreReadOnceWhileTheyStay_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("a file") << false;
        QTest::newRow("a folder: one file changes") << true;
    }
    void largeSourcesAreReadOnceWhileTheyStay()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("calendar")));
        const QString source = folder ? dir.filePath(QStringLiteral("calendar")) : dir.filePath(QStringLiteral("big.ics"));
        QByteArray past;
        for (int i = 0; i < 4000; ++i)
            past += "BEGIN:VEVENT\r\nUID:p" + QByteArray::number(i) + "\r\nSUMMARY:Long ago\r\nDTSTART:20000101T100000Z\r\nEND:VEVENT\r\n";
        const auto write = [&](const QByteArray &summary) {
            const QByteArray event = "BEGIN:VEVENT\r\nUID:n\r\nSUMMARY:" + summary + "\r\nDTSTART:20261211T090000Z\r\nEND:VEVENT\r\n";
            const auto calendar = [](const QByteArray &body) -> QByteArray { return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n"; };
            if (!folder)
                return writeFile(source, calendar(past + event));
            return writeFile(source + QStringLiteral("/past.ics"), calendar(past)) &&
                   writeFile(source + QStringLiteral("/dentist.ics"), calendar(event));
        };
        const auto summaries = [&] {
            QStringList s;
            for (const CalendarEvent &e : CalendarSources::read(source, dir.path(), QDate(2026, 12, 1), QDate(2026, 12, 31)).events)
                s << e.summary;
            return s;
        };
        QVERIFY(write("Dentist"));
        QCOMPARE(summaries(), QStringList{QStringLiteral("Dentist")});
        QCOMPARE(summaries(), QStringList{QStringLiteral("Dentist")});
        const QFileInfoList kept = QDir(dir.path()).entryInfoList({QStringLiteral("expanded-*")}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY(write("Dentist moved"));
        QCOMPARE(summaries(), QStringList{QStringLiteral("Dentist moved")});
        // A kept expansion cut short, as a full disk leaves it, is read again from the files.
        QVERIFY(QFile::resize(kept.first().filePath(), QFileInfo(kept.first().filePath()).size() - 3));
        QCOMPARE(summaries(), QStringList{QStringLiteral("Dentist moved")});
        // A file gone from the folder takes its events with it.
        if (folder) {
            QVERIFY(QFile::remove(source + QStringLiteral("/dentist.ics")));
            QCOMPARE(summaries(), QStringList());
        }
    }
};

MARVANE_TEST_MAIN(TestCalendarSources)
#include "tst_calendarsources.moc"
