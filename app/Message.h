#pragma once

#include <QCoreApplication>
#include <QString>

namespace marvane {

// A text for a person: as written, for standard error (where people search for it), and in the
// user's language, for a window.
struct Message
{
    QString english;
    QString shown;

    // `text` marked where it is written with QT_TRANSLATE_NOOP(context, text).
    static Message of(const char *context, const char *text)
    {
        return {QString::fromUtf8(text), QCoreApplication::translate(context, text)};
    }
    // A text that is the same in every language: a path, a system's own reason.
    static Message plain(const QString &text) { return {text, text}; }

    Message arg(const QString &a) const { return {english.arg(a), shown.arg(a)}; }
    Message arg(const Message &a) const { return {english.arg(a.english), shown.arg(a.shown)}; }
    // Both at once, so that a %2 in the first stays as it is.
    Message arg(const Message &a, const Message &b) const
    {
        return {english.arg(a.english, b.english), shown.arg(a.shown, b.shown)};
    }
};

} // namespace marvane
