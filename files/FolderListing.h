#pragma once

#include "platform/Result.h"

#include <QList>
#include <QString>

#include <optional>

namespace marvane {

// A file as it stands: enough to tell that it changed since.
struct FileStamp
{
    QString path;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    qint64 changedNs = 0;  // the inode's change, which a rewrite keeping the time also moves

    bool operator==(const FileStamp &) const = default;
};

// The stamp of one file, following links; nothing for a file that cannot be asked.
std::optional<FileStamp> stampOf(const QString &path);

// The regular files in `folder` (links followed) whose names end in `suffix` in any case, in the
// order of their names; stops after `most + 1`, so that a caller tells a folder of too many.
// One question to the system a file, as a folder of thousands is listed at each run.
Result<QList<FileStamp>> listFiles(const QString &folder, const QString &suffix, int most);

} // namespace marvane
