#include "desktop/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

Result<> writeFileAtomically(const QString &path, const std::function<Result<>(QIODevice &)> &writer, bool sync)
{
    const QFileInfo info(path);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const auto fail = [&path](const QString &reason) {
        return Failure(path, QStringLiteral("cannot write %1: %2").arg(path, reason));
    };
    if (!temp.open())
        return fail(temp.errorString());
    if (const Result<> e = writer(temp); !e.has_value())
        return fail(e.error().reason());
    if (!temp.flush())
        return fail(temp.errorString());
    // Readable like any file the user makes, not only by its owner as a temporary file is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.handle(), 0666 & ~mask);
    if (sync && ::fdatasync(temp.handle()) != 0)
        return fail(systemReason());
    const QByteArray from = QFile::encodeName(temp.fileName());
    const QByteArray to = QFile::encodeName(path);
    // Unsynced files are swapped with the old one, which then goes under the temporary name.
    // A rename over it would make ext4 allocate and start writing the new file at once (its guard
    // for programs that skip the sync), which stalls a large file's save for tens of milliseconds.
    // Only a plain file is swapped (a folder in the way must fail as a rename would); where the
    // swap is not offered (no old file, a file system without it) the rename is used.
    struct stat old{};
    if (!sync && ::lstat(to.constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return {}; // the temporary file, now the old one, is removed with `temp`
    if (::rename(from.constData(), to.constData()) != 0)
        return Failure(path, QStringLiteral("cannot replace %1: %2").arg(path, systemReason()));
    temp.setAutoRemove(false);
    return {};
}

Result<> writeAll(QIODevice &device, const QByteArray &bytes)
{
    if (device.write(bytes) != bytes.size())
        return Failure({}, device.errorString());
    return {};
}

} // namespace marvane
