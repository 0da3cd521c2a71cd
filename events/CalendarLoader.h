#pragma once

#include "events/CalendarReading.h"
#include "platform/Result.h"

#include <QLibrary>

#include <optional>

namespace marvane {

// The calendar modules, looked for beside the program and where an installation puts them, each
// loaded the first time a run asks for it and held to the end of the run.
class CalendarLoader
{
public:
    CalendarLoader() = default;
    CalendarLoader(const CalendarLoader &) = delete;
    CalendarLoader &operator=(const CalendarLoader &) = delete;

    // What a module offers, or why it cannot be loaded.
    Result<const CalendarReading *> reading();
    Result<const CalendarFetching *> fetching();

private:
    struct Module
    {
        QLibrary library;
        std::optional<Result<QFunctionPointer>> entry;
    };
    // What the module in `file` offers through `entry`, loaded once; `lack` says what the run
    // cannot do without it.
    template<typename Offer>
    static Result<const Offer *> offer(Module &module, const QString &file, const char *entry, const QString &lack);

    Module m_reader;
    Module m_fetcher;
};

} // namespace marvane
