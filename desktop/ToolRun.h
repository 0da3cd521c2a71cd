#pragma once

#include <QString>
#include <QStringList>

namespace marvane {

// Runs a desktop's own tool (never through a shell) and waits for it, at most 15 s. Empty on
// success, else what went wrong; `output` gets what it printed.
QString runTool(const QString &program, const QStringList &arguments, QString *output = nullptr);

} // namespace marvane
