#include "app/Help.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QFileInfo>


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
        printError(QStringLiteral("help.htm is neither in %1 nor in %2").arg(currentDirectory, applicationDirectory));
        return;
    }
    if (!opener(QUrl::fromLocalFile(path)))
        printError(QStringLiteral("no program could open %1").arg(path));
}

} // namespace marvane::Help
