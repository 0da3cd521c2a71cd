#pragma once

#include "platform/Result.h"
#include "settings/Options.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace marvane {

// options.ini: the nine settings in the section [general], then the background picture's two
// and the calendar's size.
class OptionsFile
{
public:
    // options.ini in the given folder.
    static QString path(const QString &applicationDirectory);

    // Fills every field from the file; a missing file, section or key gives that field's default. A
    // key whose text does not convert also gets its default, and one line naming the file, the key
    // and the text goes to standard error; each is returned too. Never writes.
    static QList<Failure> load(Options &options, const QString &file);

    // Writes the nine keys in their order, all in one replacement of the file; touches nothing else
    // in it.
    static Result<> save(const Options &options, const QString &file);

    // BackgroundStyle's stored numbers run from 0 to this.
    static constexpr std::int32_t kLastBackgroundStyle = 4;

    // The text forms of the file.
    static std::optional<std::int32_t> parseInt32(const QString &text);
    static std::optional<bool> parseBool(const QString &text);
};

} // namespace marvane
