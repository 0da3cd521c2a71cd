#pragma once

#include "platform/Result.h"

#include <QList>
#include <QString>

#include <chrono>

namespace marvane {

// Brings the copies of the calendar addresses in the Calendars setting up to date in the cache
// folder: each address whose copy is older than `maxAge` (every one at zero) is fetched at once,
// all of them within 5 seconds, none larger than 16 MB, redirects and TLS as Qt does them. A copy
// is replaced only by an answer that is a calendar; where the fetch fails the copy stays, and the
// problem says since when it is stale.
QList<Failure> fetchCalendars(const QString &setting, const QString &cacheDirectory, std::chrono::seconds maxAge);

} // namespace marvane
