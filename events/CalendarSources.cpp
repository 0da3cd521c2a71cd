#include "events/CalendarSources.h"

#include "events/ExpansionCache.h"
#include "events/IcsCalendar.h"
#include "files/FileRead.h"
#include "files/FolderListing.h"

#include <QFileInfo>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// More files than a synced folder of one calendar holds; a folder beyond it is refused.
constexpr int kMostFiles = 20000;

struct Days
{
    QString cache;
    QDate first;
    QDate last;
    LocalClock clock;
};

// Moved, not copied: a large calendar's days are tens of thousands.
void moveInto(QList<CalendarEvent> &to, QList<CalendarEvent> &&from)
{
    if (to.isEmpty())
        to = std::move(from);
    else
        to.append(std::move(from));
}

Result<QList<CalendarEvent>> readIcs(const QString &file, const Days &days)
{
    const Result<FileContents> bytes = readFile(file, CalendarSources::kMostBytes);
    if (!bytes)
        return std::unexpected(bytes.error());
    const Result<QList<CalendarEvent>> events = IcsCalendar::occurrences(bytes->bytes, days.first, days.last, days.clock);
    if (!events)
        return fail(file, u"%1: %2"_s.arg(file, events.error().reason()));
    return events;
}

// The events of `files`; where the source is large, those of the files that have not changed
// since the last run are taken from what they expanded to then.
Result<QList<CalendarEvent>> readKept(const QString &source, const QList<FileStamp> &files, qint64 bytes, const Days &days)
{
    const std::optional<ExpansionCache> cache =
        bytes >= ExpansionCache::kSmallest
            ? std::optional<ExpansionCache>(std::in_place, days.cache, source, days.first, days.last)
            : std::nullopt;
    const ExpansionCache::Kept kept = cache ? cache->load() : ExpansionCache::Kept();
    if (cache && kept.files == files)
        return kept.events;
    ExpansionCache::Kept now;
    // Both lists come in the listing's order, so the kept one is walked alongside; a file the walk
    // misses is only read again.
    qsizetype k = 0, keptAt = 0;
    for (const FileStamp &file : files) {
        const qsizetype before = now.events.size();
        for (; k < kept.files.size() && kept.files[k].path < file.path; ++k)
            keptAt += kept.counts[k];
        if (k < kept.files.size() && kept.files[k] == file) {
            now.events += kept.events.sliced(keptAt, kept.counts[k]);
        } else {
            Result<QList<CalendarEvent>> read = readIcs(file.path, days);
            if (!read)
                return std::unexpected(read.error());
            moveInto(now.events, std::move(*read));
        }
        now.files << file;
        now.counts << now.events.size() - before;
    }
    if (cache)
        cache->store(now);
    return std::move(now.events);
}

Result<QList<CalendarEvent>> readFolder(const QString &folder, const Days &days)
{
    const Result<QList<FileStamp>> files = listFiles(folder, u".ics"_s, kMostFiles);
    if (!files)
        return std::unexpected(files.error());
    if (files->size() > kMostFiles)
        return fail(folder, u"%1: it holds more than %2 calendar files"_s.arg(folder).arg(kMostFiles));
    qint64 bytes = 0;
    for (const FileStamp &file : *files)
        bytes += file.size;
    if (bytes > CalendarSources::kMostBytes)
        return fail(folder, u"%1: its calendar files hold more than 16 MB"_s.arg(folder));
    return readKept(folder, *files, bytes, days);
}

// One file, kept when it is large.
Result<QList<CalendarEvent>> readSingle(const QString &file, const Days &days)
{
    const std::optional<FileStamp> stamp = stampOf(file);
    return stamp ? readKept(file, {*stamp}, stamp->size, days) : readIcs(file, days);
}

} // namespace

CalendarSources::Read CalendarSources::read(const QString &setting, const QString &cacheDirectory, QDate first,
                                            QDate last)
{
    Read all;
    const Days days{cacheDirectory, first, last, LocalClock(first, last)};
    for (const QString &source : split(setting)) {
        Result<QList<CalendarEvent>> events;
        if (isAddress(source)) {
            const QFileInfo copy(cacheFile(cacheDirectory, source));
            events = copy.exists() ? readSingle(copy.filePath(), days)
                                   : fail(source, u"%1: not fetched yet (Refresh in the window fetches it)"_s.arg(source));
            if (!events && copy.exists())
                events = fail(source, u"%1: %2"_s.arg(source, events.error().reason().section(u": "_s, 1)));
        } else if (QFileInfo(source).isDir()) {
            events = readFolder(source, days);
        } else if (QFileInfo::exists(source)) {
            events = readSingle(source, days);
        } else {
            events = fail(source, u"%1: no such file or folder"_s.arg(source));
        }
        if (events)
            moveInto(all.events, std::move(*events));
        else
            all.problems << events.error();
    }
    sortEvents(all.events);
    return all;
}

} // namespace marvane
