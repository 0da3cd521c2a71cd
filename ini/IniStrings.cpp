#include "ini/IniStrings.h"

#include "ini/IniFile.h"
#include "ini/IniText.h"

#include <QFile>
#include <QStringDecoder>

#include <array>

namespace marvane::ini {

namespace {

constexpr qsizetype kMaxRead = 2047;

// Windows-1252 0x80..0x9F; the rest of the high half is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
    text.clear();
    text.reserve(view.size());
    for (const char c : view) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t{b}));
    }
    return text;
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
    const Result<> written = IniFile::write(QFile::encodeName(file).toStdString(), edits);
    // Named by the path the caller gave, not the link target the engine wrote through.
    if (!written)
        return Failure(file, written.error().reason());
    return {};
}

Result<> writeString(const QString &section, const QString &key, const QString &value, const QString &file)
{
    return writeStrings({Entry{section, key, value}}, file);
}

Result<FileBytes> readFile(const QString &file)
{
    Result<FileBytes> text = IniFile::readAll(QFile::encodeName(file).toStdString());
    // Named by the path the caller gave.
    if (!text)
        return Failure(file, text.error().reason());
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

QString lookupString(std::string_view text, const QString &section, const QString &key, const QString &defaultValue)
{
    const auto found = IniText::lookup(text, encodeName(section), encodeName(key));
    return removeNulsAndTrimSpaces(firstCharacters(found ? decodeValue(*found) : defaultValue));
}

QString readString(const QString &section, const QString &key, const QString &defaultValue, const QString &file)
{
    const auto found =
        IniFile::read(QFile::encodeName(file).toStdString(), encodeName(section), encodeName(key));
    return removeNulsAndTrimSpaces(firstCharacters(found ? decodeValue(*found) : defaultValue));
}

} // namespace marvane::ini
