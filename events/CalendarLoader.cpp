#include "events/CalendarLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace marvane {

namespace {

// Beside the program (a build or a user's installation), then where the package puts it.
QString placeOf(const QString &file)
{
    const QString own = QCoreApplication::applicationDirPath();
    const QString beside = own + u'/' + file;
    return QFileInfo::exists(beside) ? beside : QDir::cleanPath(own + QStringLiteral("/" MARVANE_MODULE_FROM_BIN "/") + file);
}

} // namespace

template<typename Offer>
Result<const Offer *> CalendarLoader::offer(Module &module, const QString &file, const char *entry, const QString &lack)
{
    if (!module.entry) {
        const QString place = placeOf(file);
        module.library.setFileName(place);
        // Where the file is there but will not load (a library it needs is missing), Qt says why.
        const bool present = QFileInfo::exists(place);
        const QFunctionPointer function = present ? module.library.resolve(entry) : nullptr;
        if (function)
            module.entry = function;
        else
            module.entry = fail(place, QStringLiteral("%1 without %2: %3")
                                           .arg(lack, place, present ? module.library.errorString() : QStringLiteral("no such file")));
    }
    if (!*module.entry)
        return std::unexpected(module.entry->error());
    return reinterpret_cast<const Offer *(*)()>(**module.entry)();
}

Result<const CalendarReading *> CalendarLoader::reading()
{
    return offer<CalendarReading>(m_reader, QStringLiteral("pendrel-calendars.so"), kCalendarReadingEntry,
                                  QStringLiteral("calendars cannot be read"));
}

Result<const CalendarFetching *> CalendarLoader::fetching()
{
    return offer<CalendarFetching>(m_fetcher, QStringLiteral("pendrel-fetch.so"), kCalendarFetchingEntry,
                                   QStringLiteral("calendar addresses cannot be fetched"));
}

} // namespace marvane
