#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

namespace marvane {

// Writes a file under a temporary name in the same folder, then renames it over the target, so
// a reader sees the old file or the new one, never half of one. `sync` also flushes it to disk
// before the rename. The writer returns empty on success, else why not; so does this.
QString writeFileAtomically(const QString &path, const std::function<QString(QIODevice &)> &writer, bool sync);

} // namespace marvane
