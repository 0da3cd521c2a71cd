#include "ini/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace marvane {

namespace {

QStringConverter::Encoding qtEncoding(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

} // namespace

TextEncoding encodingOf(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return TextEncoding::Utf16Le;
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return TextEncoding::Utf16Be;
    return TextEncoding::Bytes;
}

std::string toUtf8(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Bytes)
        return std::string(bytes);
    QStringDecoder decode(qtEncoding(encoding), QStringDecoder::Flag::Stateless);
    const QString text = decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).sliced(2));
    return "\xEF\xBB\xBF" + text.toStdString();
}

std::string fromUtf8(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Bytes)
        return std::string(utf8);
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    QStringEncoder encode(qtEncoding(encoding), QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return (encoding == TextEncoding::Utf16Le ? "\xFF\xFE" : "\xFE\xFF") + bytes.toStdString();
}

} // namespace marvane
