#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

QString writeFileAtomically(const QString &path, const std::function<QString(QIODevice &)> &writer, bool sync)
{
    const QFileInfo info(path);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return QStringLiteral("cannot write %1: %2").arg(path, temp.errorString());
    if (const QString error = writer(temp); !error.isEmpty())
        return QStringLiteral("cannot write %1: %2").arg(path, error);
    if (!temp.flush())
        return QStringLiteral("cannot write %1: %2").arg(path, temp.errorString());
    // Readable like any file the user makes, not only by its owner as a temporary file is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.handle(), 0666 & ~mask);
    if (sync && ::fdatasync(temp.handle()) != 0)
        return QStringLiteral("cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("cannot replace %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    temp.setAutoRemove(false);
    return {};
}

} // namespace marvane
