#include "desktop/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

WriteError writeFileAtomically(const QString &path, const std::function<WriteError(QIODevice &)> &writer, bool sync)
{
    const QFileInfo info(path);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const auto fail = [&path](const QString &reason) {
        return WriteError(path, QStringLiteral("cannot write %1: %2").arg(path, reason));
    };
    if (!temp.open())
        return fail(temp.errorString());
    if (const WriteError e = writer(temp))
        return fail(e.reason());
    if (!temp.flush())
        return fail(temp.errorString());
    // Readable like any file the user makes, not only by its owner as a temporary file is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.handle(), 0666 & ~mask);
    if (sync && ::fdatasync(temp.handle()) != 0)
        return fail(systemReason());
    if (::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return WriteError(path, QStringLiteral("cannot replace %1: %2").arg(path, systemReason()));
    temp.setAutoRemove(false);
    return {};
}

} // namespace marvane
