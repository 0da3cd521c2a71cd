#pragma once

#include "platform/Result.h"

#include <QIODevice>
#include <QString>

#include <functional>

namespace marvane {

// Writes a file under a temporary name in the same folder, then puts it in the target's place, so
// a reader sees the old file or the new one, never half of one. `sync` also flushes it to disk
// first; an unsynced file may be empty after a power cut, so only files that are made anew at
// every run go unsynced. A failure of the writer, of any write or of the rename leaves the old file.
Result<> writeFileAtomically(const QString &path, const std::function<Result<>(QIODevice &)> &writer, bool sync);

// Writes all of `bytes`, for a writer of writeFileAtomically.
Result<> writeAll(QIODevice &device, const QByteArray &bytes);

} // namespace marvane
