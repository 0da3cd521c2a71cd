#include "ini/IniText.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace marvane {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line
{
    std::size_t begin; // first byte of the line
    std::size_t end;   // one past its last byte, before the line break
    std::size_t next;  // one past the line break
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
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
std::optional<std::string_view> headerName(std::string_view trimmed)
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

std::optional<KeyLine> keyLine(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trim(trimmed.substr(0, eq)), trim(trimmed.substr(eq + 1))};
}

std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// How a value must be written to read back unchanged.
std::string encodeValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size() + 2);
    for (char c : value)
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    const bool quoted =
        out.size() >= 2 && (out.front() == '"' || out.front() == '\'') && out.back() == out.front();
    const bool blankEdge = !out.empty() && (isBlank(out.front()) || isBlank(out.back()));
    if (quoted || blankEdge)
        return '"' + out + '"';
    return out;
}

std::string_view lineBreakOf(std::string_view text)
{
    const std::size_t pos = text.find_first_of("\r\n");
    if (pos == std::string_view::npos || text[pos] == '\n')
        return "\n";
    return (pos + 1 < text.size() && text[pos + 1] == '\n') ? std::string_view("\r\n") : std::string_view("\r");
}

struct SectionSpan
{
    bool found = false;
    std::size_t headerBegin = 0;
    std::size_t bodyBegin = 0;   // after the header's line break
    std::size_t bodyEnd = 0;     // start of the next header, or the end of the text
    std::size_t afterLastKey = 0; // after the line break of the last key line (or of the header)
    bool headerHasBreak = true;
    std::optional<Line> keyLine; // first line holding the key asked for
    std::string_view keySpelling;
};

SectionSpan findSection(std::string_view text, std::string_view section, std::string_view key)
{
    SectionSpan span;
    LineReader reader(text);
    Line line{};
    bool inside = false;
    while (reader.next(line)) {
        const std::string_view trimmed = trim(text.substr(line.begin, line.end - line.begin));
        if (const auto name = headerName(trimmed)) {
            if (inside) {
                span.bodyEnd = line.begin;
                return span;
            }
            if (sameName(*name, section)) {
                inside = true;
                span.found = true;
                span.headerBegin = line.begin;
                span.bodyBegin = span.afterLastKey = line.next;
                span.headerHasBreak = line.next != line.end;
            }
            continue;
        }
        if (!inside)
            continue;
        if (const auto k = keyLine(trimmed)) {
            span.afterLastKey = line.next;
            if (!span.keyLine && !key.empty() && sameName(k->name, key)) {
                span.keyLine = line;
                span.keySpelling = k->name;
            }
        }
    }
    span.bodyEnd = text.size();
    return span;
}

} // namespace

std::optional<std::size_t> IniText::headerLine(std::string_view text, std::string_view section, bool fileStart)
{
    const char *base = text.data();
    const std::size_t size = text.size();
    const std::size_t first = fileStart && text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    std::size_t pos = first;
    // Outside the section only headers matter, and a header is a line whose first non-blank is
    // '[': jump from one '[' to the next instead of splitting every line.
    for (;;) {
        const void *hit = pos < size ? std::memchr(base + pos, '[', size - pos) : nullptr;
        if (!hit)
            return std::nullopt;
        const auto bracket = static_cast<std::size_t>(static_cast<const char *>(hit) - base);
        pos = bracket + 1;
        std::size_t back = bracket;
        while (back > first && isBlank(base[back - 1]))
            --back;
        if (back > first && base[back - 1] != '\n' && base[back - 1] != '\r')
            continue;
        // Most headers name another date: reject them on their first bytes.
        std::size_t at = pos;
        while (at < size && isBlank(base[at]))
            ++at;
        if (!section.empty() && !sameName(text.substr(at, std::min(section.size(), size - at)), section))
            continue;
        LineReader reader(text, back);
        Line line{};
        reader.next(line);
        const auto name = headerName(trim(text.substr(line.begin, line.end - line.begin)));
        if (name && sameName(*name, section))
            return back;
    }
}

std::optional<std::string_view> IniText::sectionBody(std::string_view text, std::string_view section)
{
    const std::optional<std::size_t> header = headerLine(text, section);
    if (!header)
        return std::nullopt;
    LineReader reader(text, *header);
    Line line{};
    reader.next(line);
    // The first section of that name, up to the next header.
    const std::size_t start = line.next;
    std::size_t end = start;
    while (reader.next(line)) {
        if (headerName(trim(text.substr(line.begin, line.end - line.begin))))
            break;
        end = line.next;
    }
    return text.substr(start, end - start);
}

std::optional<std::string> IniText::keyValue(std::string_view body, std::string_view key)
{
    LineReader reader(body, 0);
    Line line{};
    // Its first key of that name wins.
    while (reader.next(line)) {
        const std::string_view trimmed = trim(body.substr(line.begin, line.end - line.begin));
        if (const auto k = keyLine(trimmed); k && sameName(k->name, key))
            return std::string(unquote(k->value));
    }
    return std::nullopt;
}

std::optional<std::string> IniText::lookup(std::string_view text, std::string_view section, std::string_view key)
{
    const auto body = sectionBody(text, section);
    return body ? keyValue(*body, key) : std::nullopt;
}

std::string IniText::edit(std::string_view text, std::string_view section, const std::string_view *key,
                              const std::string_view *value)
{
    const SectionSpan span = findSection(text, section, key ? *key : std::string_view());
    const std::string_view br = lineBreakOf(text);
    std::string out;

    if (!key) {
        if (!span.found)
            return std::string(text);
        out.reserve(text.size());
        out.append(text.substr(0, span.headerBegin));
        out.append(text.substr(span.bodyEnd));
        return out;
    }
    if (!value) {
        if (!span.keyLine)
            return std::string(text);
        out.append(text.substr(0, span.keyLine->begin));
        out.append(text.substr(span.keyLine->next));
        return out;
    }

    const std::string encoded = encodeValue(*value);
    if (span.keyLine) {
        // Rewrite the line only, with the key spelled as it is in the file.
        out.reserve(text.size() + encoded.size());
        out.append(text.substr(0, span.keyLine->begin));
        out.append(span.keySpelling);
        out.push_back('=');
        out.append(encoded);
        out.append(text.substr(span.keyLine->end));
        return out;
    }
    const std::string newLine = std::string(*key) + '=' + encoded;
    if (span.found) {
        out.reserve(text.size() + newLine.size() + 2);
        out.append(text.substr(0, span.afterLastKey));
        // The header or last key may be the file's last line, without a break.
        if (span.afterLastKey == text.size() && !text.empty() && text.back() != '\n' && text.back() != '\r')
            out.append(br);
        out.append(newLine);
        out.append(br);
        out.append(text.substr(span.afterLastKey));
        return out;
    }
    out.reserve(text.size() + section.size() + newLine.size() + 8);
    out.append(text);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r' && out != kBom)
        out.append(br);
    out.push_back('[');
    out.append(section);
    out.push_back(']');
    out.append(br);
    out.append(newLine);
    out.append(br);
    return out;
}

const char *IniText::nameProblem(std::string_view section, const std::string_view *key)
{
    if (section.find_first_of("\r\n]") != std::string_view::npos || section.find('\0') != std::string_view::npos)
        return "a section name cannot hold a line break, NUL or ']'";
    if (trim(section) != section)
        return "a section name cannot begin or end with a blank";
    if (!key)
        return nullptr;
    if (key->find_first_of("\r\n=") != std::string_view::npos || key->find('\0') != std::string_view::npos)
        return "a key name cannot hold a line break, NUL or '='";
    if (trim(*key) != *key || key->empty())
        return "a key name cannot be empty or begin or end with a blank";
    if (key->front() == ';' || key->front() == '[')
        return "a key name cannot begin with ';' or '['";
    return nullptr;
}

} // namespace marvane
