#include "ini/IniText.h"

#include "ini/IniLines.h"

#include <string>

namespace marvane {

using namespace inilines;

namespace {

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
