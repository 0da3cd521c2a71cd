#pragma once

#include "platform/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvane {

// Reads and writes one value of an INI file on disk. Nothing is cached: every read sees the file
// as it is now. Every write replaces the file atomically (temporary file, fsync, rename, directory
// fsync), keeps its mode, follows a symlink to its target and is serialised between processes by
// an flock on a lock file beside it. A failed write leaves the old file as it was.
class IniFile
{
public:
    // No real settings file comes near this; anything larger is refused rather than read.
    static constexpr std::uint64_t kMaxBytes = 64u << 20;

    static std::optional<std::string> read(const std::string &path, std::string_view section, std::string_view key);

    // key null deletes the section; value null deletes the key.
    static Result<> write(const std::string &path, std::string_view section, const std::string_view *key,
                        const std::string_view *value);

    // The whole file, empty when there is none; a failure when it exists but cannot be read.
    static Result<std::string> readAll(const std::string &path);
};

} // namespace marvane
