#pragma once

#include <QString>

namespace marvane {

// `text` between two `quote` characters, each of `escaped` (and the quote itself) behind a
// backslash: the quoting of GVariant text, sway's command language, JavaScript strings and the
// Exec key of a desktop entry all reduce to this.
QString backslashQuoted(const QString &text, QChar quote, QStringView escaped);

} // namespace marvane
