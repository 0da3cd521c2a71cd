#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marvane {

// The INI dialect of the classic profile functions, on raw bytes: CR, LF and CRLF end lines;
// section and key names match without regard to ASCII case; the first section of a name and its
// first key of a name win; lines that are not keys are kept as they are.
class IniText
{
public:
    // The value of `key` in `section`, outer quotes removed; nullopt when either is missing.
    static std::optional<std::string> lookup(std::string_view text, std::string_view section, std::string_view key);
    // The lines of the first section of that name, for several keys from one search.
    static std::optional<std::string_view> sectionBody(std::string_view text, std::string_view section);
    // sectionBody for many sections from one pass over the text, in their order.
    static std::vector<std::optional<std::string_view>> sectionBodies(std::string_view text,
                                                                      const std::vector<std::string> &sections);
    // Where the header line of that first section starts. `fileStart` says that `text` begins where
    // the file does, so a byte-order mark there is skipped; any other text begins at a line start.
    static std::optional<std::size_t> headerLine(std::string_view text, std::string_view section,
                                                 bool fileStart = true);
    // The value of `key` among a section's lines.
    static std::optional<std::string> keyValue(std::string_view body, std::string_view key);

    // The text with `key` set to `value`, or the key deleted (value null), or the whole section
    // deleted (key null). Every byte the change does not concern stays as it was.
    static std::string edit(std::string_view text, std::string_view section, const std::string_view *key,
                            const std::string_view *value);

    // Why a section name, or a key name where one is given, cannot be stored and read back; null
    // when both can.
    static const char *nameProblem(std::string_view section, const std::string_view *key = nullptr);
};

} // namespace marvane
