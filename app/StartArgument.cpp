#include "app/StartArgument.h"

#include <limits>

namespace marvane {

std::int16_t parseStartArgument(const QString &commandLine)
{
    const QString text = commandLine.trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong value = text.size() > 12 ? 0 : text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(value);
}

} // namespace marvane
