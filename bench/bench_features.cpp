// What the newer features cost a silent run at 1920x1080 over an eleven-year todolist.ini of
// 4,000 dates: the card look with marked days and seven days listed beside the classic picture,
// alternating (goals: at most 15 % more CPU, at most 5 MB more peak memory); a calendar of 5,000
// events, half of them repeating weekly for years, in one file and in a folder of one file each,
// beside none (goals: at most 20 ms more CPU and 15 MB more peak memory), with its expansion kept
// from the run before, and for information after one file changed and with nothing kept; and
// `pendrel add` on that file without a display (goal: at most 100 ms of CPU).
#include "bench/ProcessRun.h"
#include "bench/TodoFixture.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using marvane::bench::median;
using marvane::bench::Run;
using marvane::bench::runOnce;

// A copy of the program and its calendar modules in a folder of their own, with these settings and
// the eleven years of items.
bool prepare(const QTemporaryDir &dir, const QByteArray &options)
{
    QFile settings(dir.filePath(QStringLiteral("options.ini")));
    const QDir built = QFileInfo(QStringLiteral(PENDREL_PATH)).dir();
    const auto copy = [&](const QString &file) { return QFile::copy(built.filePath(file), dir.filePath(file)); };
    return copy(QStringLiteral("pendrel")) && copy(QStringLiteral("pendrel-calendars.so")) &&
           copy(QStringLiteral("pendrel-fetch.so")) &&
           settings.open(QIODevice::WriteOnly) && settings.write(options) == options.size() &&
           marvane::bench::writeElevenYears(dir.filePath(QStringLiteral("todolist.ini")),
                                            QDate::currentDate().addDays(30));
}

// Event i of 5,000: the even ones weekly since 2024 at times in New York, the odd ones once in the
// year around today.
QByteArray event(int i, QDate today)
{
    const bool weekly = i % 2 == 0;
    const QDate day = weekly ? QDate(2024, 1, 1).addDays(i % 7) : today.addDays(i % 365 - 180);
    return "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nSUMMARY:Event " + QByteArray::number(i) +
           "\r\nDTSTART:" + day.toString(u"yyyyMMdd").toLatin1() + "T" + QByteArray::number(10 + i % 10) +
           "0000Z\r\nDURATION:PT1H\r\n" + (weekly ? "RRULE:FREQ=WEEKLY\r\n" : "") + "END:VEVENT\r\n";
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// The 5,000 events in one file, or one file each as vdirsyncer keeps them.
bool writeCalendar(const QString &path, bool oneFileEach)
{
    const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n", tail = "END:VCALENDAR\r\n";
    QByteArray text = head;
    for (int i = 0; i < 5000; ++i) {
        if (oneFileEach && !writeText(QStringLiteral("%1/e%2.ics").arg(path).arg(i), head + event(i, QDate::currentDate()) + tail))
            return false;
        text += event(i, QDate::currentDate());
    }
    return oneFileEach ? true : writeText(path, text + tail);
}

std::string exe(const QTemporaryDir &dir)
{
    return QFile::encodeName(dir.filePath(QStringLiteral("pendrel"))).toStdString();
}

struct Baseline
{
    double cpuMs;
    double peakMb;
};

// A sync that rewrote one file: its time moves.
bool touch(const QString &path, int seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(seconds), QFileDevice::FileModificationTime);
}

// A calendar's silent runs beside the classic picture's: with its expansion kept from the run
// before, and for information without, and after `changing` changed.
bool benchEvents(const char *what, const QTemporaryDir &dir, const QString &changing, int runs,
                 const QByteArray &display, const QString &phases, Baseline plain)
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/marvane");
    std::vector<double> keptCpu, coldCpu, changedCpu;
    double peak = 0;
    bool allOk = runOnce({exe(dir), "9"}, display, phases).status == 0;
    for (int i = 0; i < runs; ++i) {
        const Run kept = runOnce({exe(dir), "9"}, display, phases);
        allOk = allOk && touch(changing, i + 1);
        const Run changed = runOnce({exe(dir), "9"}, display, phases);
        QDir(cache).removeRecursively();
        const Run cold = runOnce({exe(dir), "9"}, display, phases);
        keptCpu.push_back(kept.cpuMs);
        changedCpu.push_back(changed.cpuMs);
        coldCpu.push_back(cold.cpuMs);
        peak = std::max({peak, kept.peakMb, changed.peakMb, cold.peakMb});
        allOk = allOk && kept.status == 0 && changed.status == 0 && cold.status == 0;
    }
    const double extraCpu = median(keptCpu) - plain.cpuMs;
    const bool ok = allOk && extraCpu <= 20.0 && peak - plain.peakMb <= 15.0;
    std::printf("silent run 1920x1080 with %s, medians of %d: %.0f ms CPU, peak %.1f MB; %+.0f ms CPU (goal <= +20), "
                "%+.1f MB (goal <= +15.0): %s; after one file changed: %+.0f ms CPU; with nothing kept (the first run of "
                "a month): %+.0f ms CPU%s\n",
                what, runs, median(keptCpu), peak, extraCpu, peak - plain.peakMb, ok ? "met" : "MISSED",
                median(changedCpu) - plain.cpuMs, median(coldCpu) - plain.cpuMs, allOk ? "" : " [a run exited non-zero]");
    return ok;
}

bool benchAdd(const QTemporaryDir &classic, int runs, const QString &phases)
{
    std::vector<double> addCpu;
    bool added = true;
    for (int i = 0; i < runs; ++i) {
        const Run add = runOnce({exe(classic), "add", "--date", "+900", "Bench item"}, QByteArray(), phases);
        addCpu.push_back(add.cpuMs);
        added = added && add.status == 0;
        // The next run finds a free place again.
        runOnce({exe(classic), "remove", "--date", "+900", "1"}, QByteArray(), phases);
    }
    const bool addOk = added && median(addCpu) <= 100.0;
    std::printf("pendrel add on 4,000 dates, median of %d: %.0f ms CPU (goal <= 100): %s%s\n", runs, median(addCpu),
                addOk ? "met" : "MISSED", added ? "" : " [a run exited non-zero]");
    return addOk;
}

} // namespace

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    QTemporaryDir classic, cards, oneFile, folder;
    const QString calendar = oneFile.filePath(QStringLiteral("bench.ics"));
    const QString calendars = folder.filePath(QStringLiteral("calendar"));
    if (!prepare(classic, "[general]\n") || !prepare(cards, "[general]\nLook=1\nMarkDays=1\nAgendaDays=7\n") ||
        !writeCalendar(calendar, false) || !QDir().mkpath(calendars) || !writeCalendar(calendars, true) ||
        !prepare(oneFile, "[general]\nMarkDays=1\nCalendars=" + QFile::encodeName(calendar) + "\n") ||
        !prepare(folder, "[general]\nMarkDays=1\nCalendars=" + QFile::encodeName(calendars) + "\n"))
        return 2;
    const int runs = qEnvironmentVariableIntValue("MARVANE_BENCH_QUICK") == 1 ? 5 : 9;
    marvane::test::XvfbServer xvfb(QSize(1920, 1080), 24);
    const QByteArray display = xvfb.display().toLocal8Bit();
    const QString phases = classic.filePath(QStringLiteral("phases.log"));
    std::vector<double> plainCpu, cardCpu;
    double plainPeak = 0, cardPeak = 0;
    bool allOk = true;
    for (int i = 0; i < runs; ++i) {
        const Run plain = runOnce({exe(classic), "9"}, display, phases);
        const Run card = runOnce({exe(cards), "9"}, display, phases);
        plainCpu.push_back(plain.cpuMs);
        cardCpu.push_back(card.cpuMs);
        plainPeak = std::max(plainPeak, plain.peakMb);
        cardPeak = std::max(cardPeak, card.peakMb);
        allOk = allOk && plain.status == 0 && card.status == 0;
    }
    const double ratio = median(cardCpu) / median(plainCpu);
    const bool looksOk = allOk && ratio <= 1.15 && cardPeak - plainPeak <= 5.0;
    std::printf("silent run 1920x1080, 4,000 dates, medians of %d: classic %.0f ms CPU, peak %.1f MB; cards with marks "
                "and 7 days %.0f ms CPU, peak %.1f MB; CPU %.2f (goal <= 1.15), memory %+.1f MB (goal <= +5.0): %s%s\n",
                runs, median(plainCpu), plainPeak, median(cardCpu), cardPeak, ratio, cardPeak - plainPeak,
                looksOk ? "met" : "MISSED", allOk ? "" : " [a run exited non-zero]");
    const Baseline plain{median(plainCpu), plainPeak};
    const bool fileOk = benchEvents("5,000 events (half weekly) in one file", oneFile, calendar, runs, display, phases, plain);
    const bool folderOk = benchEvents("the same in a folder of 5,000 files", folder, calendars + QStringLiteral("/e1.ics"),
                                      runs, display, phases, plain);
    const bool addOk = benchAdd(classic, runs, phases);
    return looksOk && fileOk && folderOk && addOk ? 0 : 1;
}
