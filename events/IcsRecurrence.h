#pragma once

#include "events/IcsTime.h"
#include "platform/Result.h"

#include <QDate>
#include <QList>

namespace marvane {

// The starts of a recurring event's occurrences from `from` to `last` by its RRULE, without
// walking the years or seconds before `from` where the rule allows; a rule that would need too
// many steps is refused.
Result<QList<Moment>> ruleStarts(icaltimetype start, const icalrecurrencetype &rule, QDate from, QDate last,
                                 const LocalClock &clock);

} // namespace marvane
