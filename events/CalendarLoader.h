#pragma once

#include "events/CalendarReading.h"
#include "platform/Result.h"

#include <QLibrary>

#include <optional>

namespace marvane {

// The calendar module, looked for beside the program and where an installation puts it, loaded
// the first time a run asks for it and held to the end of the run.
class CalendarLoader
{
public:
    CalendarLoader() = default;
    CalendarLoader(const CalendarLoader &) = delete;
    CalendarLoader &operator=(const CalendarLoader &) = delete;

    // The module's reading, or why it cannot be loaded.
    Result<const CalendarReading *> reading();

private:
    QLibrary m_library;
    std::optional<Result<const CalendarReading *>> m_reading;
};

} // namespace marvane
