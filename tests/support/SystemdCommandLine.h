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
inline QString execStartOf(const QString &service)
{
    QFile f(service);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("ExecStart="))
            return QString::fromUtf8(line.mid(10));
    return {};
}

} // namespace marvane::test
