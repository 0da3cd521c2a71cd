#include "events/CalendarLoader.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace marvane {

namespace {

using Entry = const CalendarReading *(*)();

// Beside the program (a build or a user's installation), then where the package puts it.
QStringList modulePlaces()
{
    const QString own = QCoreApplication::applicationDirPath();
    return {own + QStringLiteral("/pendrel-calendars.so"),
            own + QStringLiteral("/" MARVANE_MODULE_FROM_BIN "/pendrel-calendars.so")};
}

} // namespace

Result<const CalendarReading *> CalendarLoader::reading()
{
    if (m_reading)
        return *m_reading;
    const QStringList places = modulePlaces();
    QString place = places.constLast();
    for (const QString &candidate : places)
        if (QFileInfo::exists(candidate)) {
            place = candidate;
            break;
        }
    m_library.setFileName(place);
    const auto entry = reinterpret_cast<Entry>(m_library.resolve(kCalendarReadingEntry));
    const CalendarReading *reading = entry ? entry() : nullptr;
    if (reading)
        m_reading = reading;
    else
        m_reading = fail(place, QStringLiteral("calendars cannot be read without %1: %2").arg(place, m_library.errorString()));
    return *m_reading;
}

} // namespace marvane
