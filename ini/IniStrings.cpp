#include "ini/IniStrings.h"

#include "ini/IniFile.h"
#include "ini/IniText.h"

#include <QFile>
#include <QStringDecoder>


namespace marvane::ini {

namespace {

constexpr qsizetype kMaxRead = 2047;

QString removeNulsAndTrimSpaces(QString s)
{
    s.remove(QChar(u'\0'));
    return trimSpaces(s);
}

// At most 2047 characters, never half of a surrogate pair.
QString firstCharacters(const QString &s)
{
    if (s.size() <= kMaxRead)
        return s;
    qsizetype cut = kMaxRead;
    if (s.at(cut - 1).isHighSurrogate())
        --cut;
    return s.left(cut);
}

std::string encodeName(const QString &s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString decodeValue(const std::string &bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    return windows1252.decode(view);
}

Result<> writeStrings(const QList<Entry> &entries, const QString &file)
{
    std::vector<IniEdit> edits;
    for (const Entry &entry : entries) {
        const QString cleaned = removeNulsAndTrimSpaces(entry.value);
        IniEdit &edit = edits.emplace_back(IniEdit{encodeName(entry.section), std::nullopt, std::nullopt});
        if (!entry.key.isEmpty())
            edit.key = encodeName(entry.key);
        if (!entry.key.isEmpty() && !cleaned.isEmpty())
            edit.value = encodeName(cleaned);
    }
    const Result<> written = IniFile::write(file, edits);
    // Named by the path the caller gave, not the link target the engine wrote through.
    if (!written)
        return fail(file, written.error().reason());
    return {};
}

Result<FileContents> readFile(const QString &file)
{
    Result<FileContents> text = IniFile::readAll(file);
    // Named by the path the caller gave.
    if (!text)
        return fail(file, text.error().reason());
    return text;
}

QStringList lookupStrings(std::string_view text, const QString &section, const QStringList &keys)
{
    QStringList values;
    values.reserve(keys.size());
    const auto body = IniText::sectionBody(text, encodeName(section));
    for (const QString &key : keys) {
        const auto found = body ? IniText::keyValue(*body, encodeName(key)) : std::nullopt;
        values << removeNulsAndTrimSpaces(firstCharacters(found ? decodeValue(*found) : QString()));
    }
    return values;
}

QList<QStringList> lookupSections(std::string_view text, const QStringList &sections, const QStringList &keys)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(sections.size()));
    for (const QString &section : sections)
        names.push_back(encodeName(section));
    QList<QStringList> all;
    for (const std::optional<std::string_view> &body : IniText::sectionBodies(text, names)) {
        QStringList values;
        for (const QString &key : keys) {
            const auto found = body ? IniText::keyValue(*body, encodeName(key)) : std::nullopt;
            values << removeNulsAndTrimSpaces(firstCharacters(found ? decodeValue(*found) : QString()));
        }
        all << values;
    }
    return all;
}

QString lookupString(std::string_view text, const QString &section, const QString &key, const QString &defaultValue)
{
    const auto found = IniText::lookup(text, encodeName(section), encodeName(key));
    return removeNulsAndTrimSpaces(firstCharacters(found ? decodeValue(*found) : defaultValue));
}

} // namespace marvane::ini
