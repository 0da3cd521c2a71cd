#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace marvane {

QString AppPaths::executablePath()
{
    // /proc/self/exe through Qt; the real path, so a symlinked launcher still finds its files.
    const QString path = QCoreApplication::applicationFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString AppPaths::applicationDirectory()
{
    return QFileInfo(executablePath()).absolutePath();
}

QString AppPaths::join(const QString &directory, const QString &fileName)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + fileName;
    return directory + QLatin1Char('/') + fileName;
}

} // namespace marvane
