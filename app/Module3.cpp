#include "Module3.h"

#include "AutostartEntry.h"

namespace marvane::Module3 {

WriteResult SetAutoRun(bool autoRun, const QString &executable)
{
    const QString error = AutostartEntry::write(autoRun, executable);
    if (error.isEmpty())
        return {};
    return WriteResult::failure(AutostartEntry::path(), error);
}

} // namespace marvane::Module3
