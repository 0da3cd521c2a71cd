#pragma once

#include "files/FileBytes.h"
#include "platform/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
// A write applies all its edits in one atomic replacement of the file (temporary file, fsync,
// exchange, directory fsync), keeps its mode and follows a symlink to its target. Writers are
// serialised by an flock on the file itself (on its folder while there is no file), taken again
// when the path names another file once it is held. A file changed by someone else between its
// reading and its replacement is read again and the edits redone on it. A failed write leaves the
// old file as it was.
class IniFile
{
public:
    // No real settings file comes near this; anything larger is refused rather than read.
    static constexpr std::uint64_t kMaxBytes = 64u << 20;

    static std::optional<std::string> read(const std::string &path, std::string_view section, std::string_view key);

    // Every edit or none: a name that cannot be stored refuses them all.
    static Result<> write(const std::string &path, const std::vector<IniEdit> &edits);

    // The whole file as UTF-8, empty when there is none; a failure when it exists but cannot be read.
    static Result<FileBytes> readAll(const std::string &path);
};

} // namespace marvane
