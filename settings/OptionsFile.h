#pragma once

#include "Options.h"
#include "WriteResult.h"

#include <QString>
#include <QStringList>

namespace marvane::Module1 {

// options.ini in the given folder.
QString optionsFile(const QString &applicationDirectory);

// Fills every field from the file; a missing file, section or key gives that field's default. A key
// whose text does not convert also gets its default, and one line naming the file, the key and the
// text goes to standard error (and into `problems`). Never writes.
void LoadOptions(Options &options, const QString &file, QStringList *problems = nullptr);

// Writes the nine keys in their order; touches nothing else in the file. Reports the first failure.
WriteResult SaveOptions(const Options &options, const QString &file);

// The text forms of the file.
bool parseInt32(const QString &text, std::int32_t *value);
bool parseBool(const QString &text, bool *value);

} // namespace marvane::Module1
