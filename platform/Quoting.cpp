#include "platform/Quoting.h"

namespace marvane {

QString backslashQuoted(const QString &text, QChar quote, QStringView escaped)
{
    QString out(quote);
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == quote || c == u'\\' || escaped.contains(c))
            out += u'\\';
        out += c;
    }
    return out + quote;
}

} // namespace marvane
