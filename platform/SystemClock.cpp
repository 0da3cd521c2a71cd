#include "platform/SystemClock.h"

namespace marvane {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

} // namespace marvane
