#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// The one option behind the log-on entry and the midnight timer: both run the program with the
// argument 9, or neither does.
class LogonRun
{
public:
    // Brings the entry and the timer's units into line with `enabled`, all or none: a path that
    // either cannot start refuses both, and the entry's new text is written before anything is
    // changed. Turning on, the units come first and the entry last; turning off, the entry first.
    // A run killed part way leaves files that are each whole, which the next update completes;
    // temporary files such a run left are removed.
    static Result<> update(bool enabled, const QString &executable);
};

} // namespace marvane
