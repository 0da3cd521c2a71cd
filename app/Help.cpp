#include "Help.h"

#include "AppPaths.h"

#include <QFileInfo>

#include <cstdio>

namespace marvane::Help {

QString page(const QString &currentDirectory, const QString &applicationDirectory)
{
    // Started from a launcher or at log-on the current directory is elsewhere, so the program's
    // own copy is the fallback.
    for (const QString &dir : {currentDirectory, applicationDirectory}) {
        const QString path = AppPaths::join(dir, QStringLiteral("help.htm"));
        if (!dir.isEmpty() && QFileInfo(path).isFile())
            return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

void open(const QString &currentDirectory, const QString &applicationDirectory, const UrlOpener &opener)
{
    const QString path = page(currentDirectory, applicationDirectory);
    if (path.isEmpty()) {
        std::fprintf(stderr, "pendrel: help.htm is neither in %s nor in %s\n", qPrintable(currentDirectory),
                     qPrintable(applicationDirectory));
        return;
    }
    if (!opener(QUrl::fromLocalFile(path)))
        std::fprintf(stderr, "pendrel: no program could open %s\n", qPrintable(path));
}

} // namespace marvane::Help
