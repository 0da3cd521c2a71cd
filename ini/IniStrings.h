#pragma once

#include "WriteResult.h"

#include <QString>

namespace marvane::Module2 {

// Stores one value: NULs and outer spaces are removed from it first; an empty value deletes the
// key; an empty key deletes the whole section. An empty file name means the default file.
WriteResult WriteIniString(const QString &section, const QString &key, const QString &value,
                           const QString &file);

// Fetches one value, or the default; either comes back with NULs and outer spaces removed and at
// most 2047 characters long.
QString ReadIniString(const QString &section, const QString &key, const QString &defaultValue,
                      const QString &file);

// The executable's directory and base name with ".ini", worked out once.
QString DefaultIniFile();

// Bytes from a file as text: UTF-8 when valid, else Windows-1252.
QString decodeValue(const std::string &bytes);

} // namespace marvane::Module2
