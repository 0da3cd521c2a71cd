#include "files/FileRead.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>
#include <unistd.h>

namespace marvane {

QString withReason(const QString &what, int err)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(err));
}

namespace {

// The file opened without blocking (a FIFO in its place must not hang the program) and checked to
// be a regular file, described in `st`; -1 when there is no such file.
Result<int> openRegular(const QString &path, bool followLinks, struct stat &st)
{
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0 && errno == ENOENT)
        return -1;
    if (fd < 0)
        return fail(path, withReason(QStringLiteral("cannot open ") + path, errno));
    const int err = ::fstat(fd, &st) != 0 ? errno : 0;
    // A device, FIFO or socket has no end to read to.
    if (err == 0 && S_ISREG(st.st_mode))
        return fd;
    ::close(fd);
    return fail(path, QStringLiteral("cannot read %1: %2")
                          .arg(path, err ? QString::fromLocal8Bit(std::strerror(err)) : QStringLiteral("not a regular file")));
}

} // namespace

Result<FileContents> readFile(const QString &path, qint64 maxBytes, bool followLinks)
{
    struct stat st {};
    const Result<int> opened = openRegular(path, followLinks, st);
    if (!opened)
        return std::unexpected(opened.error());
    if (*opened < 0)
        return FileContents();
    const int fd = *opened;
    const auto failed = [&](const QString &reason) {
        ::close(fd);
        return fail(path, QStringLiteral("cannot read %1: %2").arg(path, reason));
    };
    FileContents contents{{}, true, st.st_dev, st.st_ino, qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    contents.bytes.resize(std::min<qint64>(st.st_size, maxBytes) + 1);
    qint64 size = 0;
    for (;;) {
        // Checked as it is read: the file may grow meanwhile.
        if (size > maxBytes)
            return failed(QStringLiteral("larger than %1 MB").arg(maxBytes >> 20));
        if (size == contents.bytes.size())
            contents.bytes.resize(size * 2);
        const ssize_t n = ::read(fd, contents.bytes.data() + size, static_cast<std::size_t>(contents.bytes.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(QString::fromLocal8Bit(std::strerror(errno)));
        if (n == 0)
            break;
        size += n;
    }
    ::close(fd);
    contents.bytes.truncate(size);
    return contents;
}

Result<std::unique_ptr<QFile>> openFile(const QString &path, qint64 maxBytes)
{
    struct stat st {};
    const Result<int> opened = openRegular(path, true, st);
    if (!opened)
        return std::unexpected(opened.error());
    if (*opened < 0)
        return std::unique_ptr<QFile>();
    const int fd = *opened;
    const auto failed = [&](const QString &reason) {
        ::close(fd);
        return fail(path, QStringLiteral("cannot read %1: %2").arg(path, reason));
    };
    if (st.st_size > maxBytes)
        return failed(QStringLiteral("larger than %1 MB").arg(maxBytes >> 20));
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return failed(file->errorString());
    return file;
}

Result<FileContents> readRestedFile(const QString &path, qint64 maxBytes)
{
    constexpr qint64 kRestNs = 50'000'000;
    Result<FileContents> read = readFile(path, maxBytes);
    // What a writer in mid-write leaves: nothing yet, or a last line not yet ended.
    const auto looksCut = [](const FileContents &f) { return f.bytes.isEmpty() || !f.bytes.endsWith('\n'); };
    for (int waited = 0; waited < 20 && read && read->exists && looksCut(*read); ++waited) {
        timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        if (qint64(now.tv_sec) * 1000000000 + now.tv_nsec - read->modifiedNs > kRestNs)
            break;
        ::usleep(25'000);
        read = readFile(path, maxBytes);
    }
    return read;
}

} // namespace marvane
