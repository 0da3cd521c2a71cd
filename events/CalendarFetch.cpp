#include "events/CalendarFetch.h"

#include "events/CalendarSources.h"
#include "files/AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <list>
#include <memory>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

constexpr int kTimeoutMs = 5000;

// What a finished fetch brought: the calendar's bytes, or why there are none.
Result<QByteArray> answerOf(QNetworkReply &reply, const QByteArray &body, bool tooLarge)
{
    if (tooLarge)
        return fail({}, u"its answer is larger than 16 MB"_s);
    if (reply.error() == QNetworkReply::OperationCanceledError)
        return fail({}, u"it did not answer within 5 seconds"_s);
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply.error() != QNetworkReply::NoError && status == 0)
        return fail({}, reply.errorString());
    if (status != 200)
        return fail({}, u"the server answered %1"_s.arg(status));
    if (!body.trimmed().startsWith("BEGIN:VCALENDAR") && !body.startsWith("\xEF\xBB\xBF" "BEGIN:VCALENDAR"))
        return fail({}, u"the server's answer is not a calendar"_s);
    return body;
}

struct Fetch
{
    QString address;
    QNetworkReply *reply;
    QByteArray body;
    bool tooLarge = false;
};

// Reads a reply as it comes, and stops it at the size limit.
void collect(Fetch &fetch)
{
    QObject::connect(fetch.reply, &QNetworkReply::readyRead, fetch.reply, [&fetch] {
        fetch.body += fetch.reply->readAll();
        if (fetch.body.size() > CalendarSources::kMostBytes) {
            fetch.tooLarge = true;
            fetch.body.clear();
            fetch.reply->abort();
        }
    });
}

Failure staleProblem(const QString &address, const QString &copy, const QString &reason)
{
    const QFileInfo kept(copy);
    if (!kept.exists())
        return Failure(address, u"%1: %2"_s.arg(address, reason));
    return Failure(address, u"%1: %2; the copy of %3 is shown"_s.arg(
                                address, reason, kept.lastModified().toString(Qt::ISODate)));
}

} // namespace

QList<Failure> fetchCalendars(const QString &setting, const QString &cacheDirectory, std::chrono::seconds maxAge)
{
    QNetworkAccessManager network;
    std::list<Fetch> fetches;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &address : CalendarSources::split(setting)) {
        if (!CalendarSources::isAddress(address))
            continue;
        const QFileInfo copy(CalendarSources::cacheFile(cacheDirectory, address));
        if (maxAge.count() > 0 && copy.exists() && copy.lastModified().secsTo(now) < maxAge.count())
            continue;
        QNetworkRequest request{QUrl(address)};
        request.setTransferTimeout(kTimeoutMs);
        fetches.push_back({address, network.get(request), {}});
        collect(fetches.back());
    }
    if (fetches.empty())
        return {};
    QEventLoop loop;
    int left = static_cast<int>(fetches.size());
    for (Fetch &f : fetches)
        QObject::connect(f.reply, &QNetworkReply::finished, &loop, [&left, &loop] {
            if (--left == 0)
                loop.quit();
        });
    // All of them within the time, however slowly a server trickles its answer.
    QTimer::singleShot(kTimeoutMs, &loop, [&fetches] {
        for (Fetch &f : fetches)
            if (f.reply->isRunning())
                f.reply->abort();
    });
    loop.exec();
    QList<Failure> problems;
    QDir().mkpath(cacheDirectory);
    for (Fetch &f : fetches) {
        if (f.reply->isOpen())
            f.body += f.reply->readAll();
        const QString copy = CalendarSources::cacheFile(cacheDirectory, f.address);
        const Result<QByteArray> answer = answerOf(*f.reply, f.body, f.tooLarge);
        f.reply->deleteLater();
        if (!answer) {
            problems << staleProblem(f.address, copy, answer.error().reason());
            continue;
        }
        const auto write = [&answer](QIODevice &out) { return writeAll(out, *answer); };
        if (const Result<> saved = writeFileAtomically(copy, write, false, true); !saved)
            problems << saved.error();
    }
    return problems;
}

} // namespace marvane
