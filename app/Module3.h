#pragma once

#include "WriteResult.h"

#include <QString>

namespace marvane::Module3 {

// Brings the log-on entry "Marvane" into line with `autoRun`: on, it starts `executable` with the
// argument 9; off, it stays in place hidden and with no command.
WriteResult SetAutoRun(bool autoRun, const QString &executable);

} // namespace marvane::Module3
