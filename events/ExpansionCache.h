#pragma once

#include "events/CalendarEvent.h"
#include "files/FolderListing.h"

#include <QDate>
#include <QList>
#include <QString>

namespace marvane {

// What the files of a large calendar source (one file, or a folder of them) expanded to for a run
// of days, file by file, kept in the cache folder: the runs that follow (a save's repaint, the
// next log-on, the one after a sync changed a few files) read again only the files that changed.
// Used while the days and the user's zone are the same.
class ExpansionCache
{
public:
    // Sources smaller than this are read again each time: that costs less than the cache.
    static constexpr qint64 kSmallest = 256 * 1024;

    // What files expanded to, file after file, and the files as they stood.
    struct Kept
    {
        QList<FileStamp> files;
        QList<qsizetype> counts; // of each file's events, in `events` in the order of `files`
        QList<CalendarEvent> events;
    };

    ExpansionCache(const QString &cacheDirectory, const QString &source, QDate first, QDate last);

    // Nothing when nothing was kept for these days and zone, or it cannot be read back.
    Kept load() const;
    void store(const Kept &kept) const;

private:
    QString m_path;
    QByteArray m_key; // the source, the days and the zone
};

} // namespace marvane
