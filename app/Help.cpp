#include "app/Help.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QFileInfo>
#include <QMessageBox>

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

void reportOpenFailure(QWidget *owner, const QString &what, const QString &reason)
{
    const QString message = QStringLiteral("Could not open %1: %2.").arg(what, reason);
    printError(message);
    QMessageBox::warning(owner, QStringLiteral("Marvane"), message);
}

void open(QWidget *owner, const QString &currentDirectory, const QString &applicationDirectory,
          const UrlOpener &opener)
{
    const QString path = page(currentDirectory, applicationDirectory);
    if (path.isEmpty()) {
        reportOpenFailure(owner, QStringLiteral("the help page help.htm"),
                          QStringLiteral("it is neither in %1 nor in %2").arg(currentDirectory, applicationDirectory));
        return;
    }
    if (!opener(QUrl::fromLocalFile(path)))
        reportOpenFailure(owner, path, QStringLiteral("no program for web pages is installed, or it did not start"));
}

} // namespace marvane::Help
