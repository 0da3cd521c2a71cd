#pragma once

#include "platform/Result.h"

#include <QString>

#include <string>

namespace marvane::ini {

// Stores one value: NULs and outer spaces are removed from it first; an empty value deletes the
// key; an empty key deletes the whole section.
Result<> writeString(const QString &section, const QString &key, const QString &value, const QString &file);

// Fetches one value, or the default; either comes back with NULs and outer spaces removed and at
// most 2047 characters long.
QString readString(const QString &section, const QString &key, const QString &defaultValue, const QString &file);

// A whole file read once, for several lookups that must see the same text.
struct FileText
{
    std::string bytes;
    QString error; // why the file could not be read; a missing file is no error and reads as empty
};
FileText readFile(const QString &file);
// The same into `text`, reusing its memory from an earlier read.
void readFile(const QString &file, FileText &text);
// Of the file only the text from the first section named `section` on, into `text`; the lookups
// below answer from it for that section as they would from the whole file.
void readSection(const QString &file, const QString &section, FileText &text);

// readString's answers for several keys of one section, from one search of text read before.
QStringList lookupStrings(const FileText &text, const QString &section, const QStringList &keys);

// readString's answer from text read before.
QString lookupString(const FileText &text, const QString &section, const QString &key, const QString &defaultValue);

// Without its leading and trailing spaces (only spaces: tabs stay, as they are stored).
QString trimSpaces(const QString &text);

// Bytes from a file as text: UTF-8 when valid, else Windows-1252.
QString decodeValue(const std::string &bytes);

} // namespace marvane::ini
