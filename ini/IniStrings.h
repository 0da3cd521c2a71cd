#pragma once

#include "files/FileRead.h"
#include "platform/Result.h"

#include <QList>
#include <QString>

#include <string>
#include <string_view>

namespace marvane::ini {

// One value to store: NULs and outer spaces are removed from it first; an empty value deletes the
// key; an empty key deletes the whole section.
struct Entry
{
    QString section;
    QString key;
    QString value;
};

// Stores the entries in one replacement of the file: all of them, or none.
Result<> writeStrings(const QList<Entry> &entries, const QString &file);

// A whole file read once, for several lookups that must see the same text; a missing file reads
// as empty.
Result<FileContents> readFile(const QString &file);

// lookupString's answers for several keys of one section, from one search of text read before.
QStringList lookupStrings(std::string_view text, const QString &section, const QStringList &keys);

// lookupStrings for many sections from one pass over the text, in the order of `sections`.
QList<QStringList> lookupSections(std::string_view text, const QStringList &sections, const QStringList &keys);

// One value of text read before, or the default; either comes back with NULs and outer spaces
// removed and at most 2047 characters long.
QString lookupString(std::string_view text, const QString &section, const QString &key, const QString &defaultValue);

// Without its leading and trailing spaces (only spaces: tabs stay, as they are stored).
QString trimSpaces(const QString &text);

// Bytes from a file as text: UTF-8 when valid, else Windows-1252.
QString decodeValue(const std::string &bytes);

} // namespace marvane::ini
