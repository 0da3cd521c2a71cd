#pragma once

#include "files/FileRead.h"
#include "platform/Result.h"

#include <optional>
#include <string>
#include <vector>

namespace marvane {

// One change to an INI file: `key` set to `value`, the key deleted (no value), or the whole section
// deleted (no key).
struct IniEdit
{
    std::string section;
    std::optional<std::string> key;
    std::optional<std::string> value;
};

// Reads and writes an INI file on disk. Nothing is cached: every read sees the file as it is now.
// A write applies all its edits in one atomic replacement of the file (StagedFile, synced, with its
// folder), keeps its mode and follows a symlink to its target. Writers are serialised by an flock
// on the file itself (FileLock::onFile). A file changed by someone else between its reading and
// its replacement is read again and the edits redone on it. A failed write leaves the old file as
// it was.
class IniFile
{
public:
    // No real settings file comes near this; anything larger is refused rather than read.
    static constexpr qint64 kMaxBytes = 64 << 20;

    // Every edit or none: a name that cannot be stored refuses them all.
    static Result<> write(const QString &path, const std::vector<IniEdit> &edits);

    // The whole file as UTF-8, empty when there is none; a failure when it exists but cannot be read.
    static Result<FileContents> readAll(const QString &path);
};

} // namespace marvane
