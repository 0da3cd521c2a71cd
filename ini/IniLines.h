#pragma once

// The line-level pieces both halves of IniText read with: line breaks, blanks, names, keys.
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

namespace marvane::inilines {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line
{
    std::size_t begin; // first byte of the line
    std::size_t end;   // one past its last byte, before the line break
    std::size_t next;  // one past the line break
};

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

inline bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// Walks lines one at a time; LF, CRLF and a lone CR all end a line.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text)
    {
        if (m_text.substr(0, kBom.size()) == kBom)
            m_pos = kBom.size();
    }
    LineReader(std::string_view text, std::size_t from) : m_text(text), m_pos(from) {}

    bool next(Line &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const char *base = m_text.data();
        const std::size_t size = m_text.size();
        const void *lf = std::memchr(base + m_pos, '\n', size - m_pos);
        std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char *>(lf) - base) : size;
        // A CR before the LF ends the line there: either CRLF or a lone CR.
        if (const void *cr = std::memchr(base + m_pos, '\r', end - m_pos)) {
            const auto crPos = static_cast<std::size_t>(static_cast<const char *>(cr) - base);
            line = {m_pos, crPos, (crPos + 1 < size && base[crPos + 1] == '\n') ? crPos + 2 : crPos + 1};
        } else {
            line = {m_pos, end, lf ? end + 1 : end};
        }
        m_pos = line.next;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A section header's name, or nullopt when the line is not a header.
inline std::optional<std::string_view> headerName(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    return trim(trimmed.substr(1, close - 1));
}

struct KeyLine
{
    std::string_view name;
    std::string_view value;
};

inline std::optional<KeyLine> keyLine(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trim(trimmed.substr(0, eq)), trim(trimmed.substr(eq + 1))};
}

inline std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// How a value must be written to read back unchanged.
} // namespace marvane::inilines
