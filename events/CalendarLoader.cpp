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

Result<QFunctionPointer> CalendarLoader::load(Module &module, const QString &file, const char *entry, const QString &lack)
{
    if (!module.entry) {
        const QString place = placeOf(file);
        module.library.setFileName(place);
        // Where the file is there but will not load (a library it needs is missing), Qt says why.
        const QFunctionPointer function = QFileInfo::exists(place) ? module.library.resolve(entry) : nullptr;
        const QString why = QFileInfo::exists(place) ? module.library.errorString() : QStringLiteral("no such file");
        if (function)
            module.entry = function;
        else
            module.entry = fail(place, QStringLiteral("%1 without %2: %3").arg(lack, place, why));
    }
    return *module.entry;
}

Result<const CalendarReading *> CalendarLoader::reading()
{
    const Result<QFunctionPointer> entry = load(m_reader, QStringLiteral("pendrel-calendars.so"), kCalendarReadingEntry,
                                                   QStringLiteral("calendars cannot be read"));
    if (!entry)
        return std::unexpected(entry.error());
    return reinterpret_cast<const CalendarReading *(*)()>(*entry)();
}

Result<const CalendarFetching *> CalendarLoader::fetching()
{
    const Result<QFunctionPointer> entry = load(m_fetcher, QStringLiteral("pendrel-fetch.so"), kCalendarFetchingEntry,
                                                   QStringLiteral("calendar addresses cannot be fetched"));
    if (!entry)
        return std::unexpected(entry.error());
    return reinterpret_cast<const CalendarFetching *(*)()>(*entry)();
}

} // namespace marvane
