#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace marvane::test {

// Writes an executable shell script `name` into `binDir` that appends its arguments, one per
// line, and a "--" line to `log`, prints `stdoutText` and exits with `exitCode`.
inline bool writeStandIn(const QString &binDir, const QString &name, const QString &log, int exitCode = 0,
                         const QString &stdoutText = QString())
{
    QDir().mkpath(binDir);
    QFile f(binDir + QLatin1Char('/') + name);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QString script = QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1'; done\n"
                                    "echo -- >> '%1'\n")
                         .arg(log);
    if (!stdoutText.isEmpty())
        script += QStringLiteral("printf '%s' '%1'\n").arg(stdoutText);
    if (exitCode != 0)
        script += QStringLiteral("echo 'stand-in failure' >&2\n");
    script += QStringLiteral("exit %1\n").arg(exitCode);
    f.write(script.toUtf8());
    f.close();
    return f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// The calls a stand-in recorded: one argument list per call.
inline QList<QStringList> standInCalls(const QString &log)
{
    QFile f(log);
    QList<QStringList> calls;
    if (!f.open(QIODevice::ReadOnly))
        return calls;
    QStringList current;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line == QStringLiteral("--")) {
            calls << current;
            current.clear();
        } else if (!line.isEmpty() || !current.isEmpty()) {
            current << line;
        }
    }
    return calls;
}

} // namespace marvane::test
