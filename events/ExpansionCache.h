#pragma once

#include "events/CalendarEvent.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace marvane {

// What a large calendar file expanded to for a run of days, kept in the cache folder, so that
// the runs that follow on the same day (a save's repaint, the next log-on) do not read it again:
// used while the file, the days and the user's zone are the same.
class ExpansionCache
{
public:
    // Files smaller than this are read again each time: that costs less than the cache.
    static constexpr qint64 kSmallest = 256 * 1024;

    ExpansionCache(QString cacheDirectory, QString file, QDate first, QDate last);

    std::optional<QList<CalendarEvent>> load() const;
    void store(const QList<CalendarEvent> &events) const;

private:
    QString m_path;
    QByteArray m_key; // the file's size, times and name, the days and the zone
};

} // namespace marvane
