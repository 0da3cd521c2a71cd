#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>

namespace marvane {

// Runs a desktop's own tool (never through a shell) and waits for it, at most 15 s: what it
// printed, or why it did not succeed (the failure names the tool).
Result<QString> runTool(const QString &program, const QStringList &arguments);

} // namespace marvane
