#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace marvane::test {

// ExecStart split as systemd splits it: words, double quotes with C escapes, then %% and $$.
inline QStringList splitExecStart(const QString &line)
{
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'\\' && i + 1 < line.size()) {
            word += line[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    for (QString &w : words)
        w.replace(QStringLiteral("%%"), QStringLiteral("%"));
    // Variables are expanded in the arguments only, not in the program's own path.
    for (qsizetype i = 1; i < words.size(); ++i)
        words[i].replace(QStringLiteral("$$"), QStringLiteral("$"));
    return words;
}

// The ExecStart value of a service file.
// The first value of `key` in a unit file.
inline QString valueOf(const QString &unit, const QByteArray &key)
{
    QFile f(unit);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(QByteArray(key + '=')))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return {};
}

inline QString execStartOf(const QString &service)
{
    return valueOf(service, "ExecStart");
}

} // namespace marvane::test
