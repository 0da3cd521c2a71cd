// libFuzzer target for the INI parser and editor: any bytes must parse, and every edit must read
// back as asked without disturbing another section.
#include "ini/IniText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    // The first line names section, key and value (split at '|'); the rest is the file.
    const std::size_t eol = input.find('\n');
    const std::string_view head = input.substr(0, eol);
    const std::string_view text = eol == std::string_view::npos ? std::string_view() : input.substr(eol + 1);
    const std::size_t a = head.find('|');
    const std::size_t b = a == std::string_view::npos ? a : head.find('|', a + 1);
    const std::string_view section = head.substr(0, a);
    const std::string_view key = a == std::string_view::npos ? "k" : head.substr(a + 1, b - a - 1);
    const std::string_view value = b == std::string_view::npos ? "v" : head.substr(b + 1);

    (void)marvane::IniText::lookup(text, section, key);
    if (marvane::IniText::nameProblem(section, &key))
        return 0;
    if (value.find_first_of("\r\n") != std::string_view::npos || value.empty())
        return 0;

    const auto sentinelBefore = marvane::IniText::lookup(text, "fuzz-sentinel", "s");
    const std::string set = marvane::IniText::edit(text, section, &key, &value);
    if (marvane::IniText::lookup(set, section, key) != std::string(value))
        std::abort();
    const bool sameSection = section.size() == 13 && (section[0] == 'f' || section[0] == 'F');
    if (!sameSection && marvane::IniText::lookup(set, "fuzz-sentinel", "s") != sentinelBefore)
        std::abort();
    // A key that was not there before is gone again after it is set and deleted.
    const std::string removed = marvane::IniText::edit(set, section, &key, nullptr);
    if (!marvane::IniText::lookup(text, section, key).has_value() &&
        marvane::IniText::lookup(removed, section, key).has_value())
        std::abort();
    const std::string dropped = marvane::IniText::edit(set, section, nullptr, nullptr);
    (void)marvane::IniText::lookup(dropped, section, key);
    return 0;
}
