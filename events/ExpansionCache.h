#pragma once

#include "events/CalendarEvent.h"
#include "files/FolderListing.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace marvane {

// What a large calendar file, or a folder of calendar files, expanded to for a run of days, kept
// in the cache folder, so that the runs that follow (a save's repaint, the next log-on) do not
// read it again: used while the files, the days and the user's zone are the same.
class ExpansionCache
{
public:
    // Sources smaller than this are read again each time: that costs less than the cache.
    static constexpr qint64 kSmallest = 256 * 1024;

    // `files` are the source itself, or the calendar files in the source folder.
    ExpansionCache(const QString &cacheDirectory, const QString &source, const QList<FileStamp> &files, QDate first,
                   QDate last);

    std::optional<QList<CalendarEvent>> load() const;
    void store(const QList<CalendarEvent> &events) const;

private:
    QString m_path;
    QByteArray m_key; // a digest of the files' names, sizes and times, the days and the zone
};

} // namespace marvane
