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

    // The whole file; nullopt with `error` set when it exists but cannot be read.
    static std::optional<std::string> readAll(const std::string &path, std::string *error = nullptr);
    // The same into `out`, reusing its memory; false when it exists but cannot be read.
    static bool readInto(const std::string &path, std::string &out, std::string *error);
    // Of the file, only the text from the header of the first section named `section` to the end,
    // or nothing when there is none; read in pieces, so that a large file is searched while its
    // bytes are still in the processor's cache. False when it exists but cannot be read.
    static bool readSectionInto(const std::string &path, std::string_view section, std::string &out,
                                std::string *error);
};

} // namespace marvane
