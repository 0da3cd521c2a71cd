#include "ini/IniText.h"

#include "ini/IniLines.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace marvane {

using namespace inilines;

namespace {

struct Header
{
    std::size_t line;      // where its line starts
    std::string_view name; // as written
};

// The next header line from `pos` on (which moves past it) whose name could be `section`, or any
// header when that is empty. `first` is where the text's lines start.
std::optional<Header> nextHeader(std::string_view text, std::size_t &pos, std::size_t first, std::string_view section)
{
    const char *base = text.data();
    const std::size_t size = text.size();
    // Outside a section only headers matter, and a header is a line whose first non-blank is
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
        if (const auto name = headerName(trim(text.substr(line.begin, line.end - line.begin))))
            return Header{back, *name};
    }
}

// The lines of the section whose header line starts at `header`, up to the next header.
std::string_view bodyAt(std::string_view text, std::size_t header)
{
    LineReader reader(text, header);
    Line line{};
    reader.next(line);
    const std::size_t start = line.next;
    std::size_t end = start;
    while (reader.next(line)) {
        if (headerName(trim(text.substr(line.begin, line.end - line.begin))))
            break;
        end = line.next;
    }
    return text.substr(start, end - start);
}

std::string lowered(std::string_view name)
{
    std::string s(name);
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

std::optional<std::size_t> IniText::headerLine(std::string_view text, std::string_view section, bool fileStart)
{
    const std::size_t first = fileStart && text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    std::size_t pos = first;
    while (const std::optional<Header> header = nextHeader(text, pos, first, section))
        if (sameName(header->name, section))
            return header->line;
    return std::nullopt;
}

std::optional<std::string_view> IniText::sectionBody(std::string_view text, std::string_view section)
{
    const std::optional<std::size_t> header = headerLine(text, section);
    return header ? std::optional<std::string_view>(bodyAt(text, *header)) : std::nullopt;
}

std::vector<std::optional<std::string_view>> IniText::sectionBodies(std::string_view text,
                                                                    const std::vector<std::string> &sections)
{
    std::unordered_map<std::string, std::vector<std::size_t>> wanted;
    for (std::size_t i = 0; i < sections.size(); ++i)
        wanted[lowered(sections[i])].push_back(i);
    std::vector<std::optional<std::string_view>> bodies(sections.size());
    const std::size_t first = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    std::size_t pos = first;
    std::size_t left = wanted.size();
    while (left > 0) {
        const std::optional<Header> header = nextHeader(text, pos, first, {});
        if (!header)
            break;
        // The first section of a name wins, as for one.
        const auto it = wanted.find(lowered(header->name));
        if (it == wanted.end() || bodies[it->second.front()])
            continue;
        const std::string_view body = bodyAt(text, header->line);
        for (const std::size_t i : it->second)
            bodies[i] = body;
        --left;
    }
    return bodies;
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

} // namespace marvane
