#pragma once

#include <QDate>
#include <QFile>
#include <QString>

namespace marvane::bench {

// Writes an eleven-year todolist.ini: 4,000 dates ending on `last`, twelve items each.
inline bool writeElevenYears(const QString &path, QDate last)
{
    QByteArray text;
    text.reserve(2700000);
    for (QDate date = last.addDays(-3999); date <= last; date = date.addDays(1)) {
        text += '[' + QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()).toLatin1() + "]\n";
        for (int n = 1; n <= 12; ++n)
            text += "TODO" + QByteArray::number(n) + "=Item " + QByteArray::number(n) +
                    " of the day: call the plumber, buy milk\n";
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

} // namespace marvane::bench
