#include "files/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString temporaryTemplate(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX");
}

// The old file's mode, else one readable like any file the user makes (a temporary file is the
// owner's alone).
mode_t modeFor(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool holdsStill(const QString &path, const FileContents &read)
{
    const Result<FileContents> now = readFile(path, read.bytes.size());
    return now && *now == read;
}

} // namespace

StagedFile::StagedFile(const QString &path, bool sync) : m_path(path), m_sync(sync), m_temp(temporaryTemplate(path))
{
}

Result<std::unique_ptr<StagedFile>> StagedFile::write(const QString &path, const FileWriter &writer, bool sync,
                                                     bool userOnly)
{
    std::unique_ptr<StagedFile> staged(new StagedFile(path, sync));
    QTemporaryFile &temp = staged->m_temp;
    const auto failed = [&path](const QString &reason) {
        return fail(path, QStringLiteral("cannot write %1: %2").arg(path, reason));
    };
    if (!temp.open())
        return failed(temp.errorString());
    if (const Result<> e = writer(temp); !e.has_value())
        return failed(e.error().reason());
    // The system's own reason: Qt says "Unknown error" for a full disk.
    errno = 0;
    if (!temp.flush())
        return failed(errno ? systemReason() : temp.errorString());
    if (::fchmod(temp.handle(), userOnly ? 0600 : modeFor(path)) != 0)
        return fail(path, QStringLiteral("cannot keep the mode of %1: %2").arg(path, systemReason()));
    if (sync && ::fdatasync(temp.handle()) != 0)
        return failed(systemReason());
    return staged;
}

Result<std::unique_ptr<StagedFile>> StagedFile::writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile old(path);
    if (QFileInfo(path).isFile() && old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return std::unique_ptr<StagedFile>();
    return write(path, [&bytes](QIODevice &out) { return writeAll(out, bytes); }, true);
}

Result<> StagedFile::commit()
{
    const QByteArray from = QFile::encodeName(m_temp.fileName());
    const QByteArray to = QFile::encodeName(m_path);
    // Unsynced files are swapped with the old one, which then goes under the temporary name.
    // A rename over it would make ext4 allocate and start writing the new file at once (its guard
    // for programs that skip the sync), which stalls a large file's save for tens of milliseconds.
    // Only a plain file is swapped (a folder in the way must fail as a rename would); where the
    // swap is not offered (no old file, a file system without it) the rename is used.
    struct stat old{};
    if (!m_sync && ::lstat(to.constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return {}; // the temporary file, now the old one, is removed with `m_temp`
    if (::rename(from.constData(), to.constData()) != 0)
        return fail(m_path, QStringLiteral("cannot replace %1: %2").arg(m_path, systemReason()));
    m_temp.setAutoRemove(false);
    return {};
}

Result<bool> StagedFile::commitOver(const FileContents &read)
{
    const QByteArray from = QFile::encodeName(m_temp.fileName());
    const QByteArray to = QFile::encodeName(m_path);
    if (!holdsStill(m_path, read))
        return false;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                    read.exists ? RENAME_EXCHANGE : RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST || errno == ENOENT)
            return false; // made or removed meanwhile
        // A file system without the exchange: a plain rename, after the check above.
        if ((errno != EINVAL && errno != ENOSYS) || ::rename(from.constData(), to.constData()) != 0)
            return fail(m_path, QStringLiteral("cannot replace %1: %2").arg(m_path, systemReason()));
        m_temp.setAutoRemove(false);
        return true;
    }
    // Another file renamed in just now is put back at once, before anyone reads ours in its place;
    // only then are the bytes compared, for an edit made in place. The old file goes with `m_temp`.
    struct stat displaced {};
    if (read.exists && !(::lstat(from.constData(), &displaced) == 0 && displaced.st_dev == read.device &&
                         displaced.st_ino == read.inode && holdsStill(m_temp.fileName(), read))) {
        ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE);
        return false;
    }
    m_temp.setAutoRemove(read.exists);
    if (m_sync) {
        const int dir = ::open(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return true;
}

Result<> writeFileAtomically(const QString &path, const FileWriter &writer, bool sync, bool userOnly)
{
    const Result<std::unique_ptr<StagedFile>> staged = StagedFile::write(path, writer, sync, userOnly);
    if (!staged)
        return std::unexpected(staged.error());
    return (*staged)->commit();
}

Result<> writeAll(QIODevice &device, QByteArrayView bytes)
{
    // A short write is tried again for the rest: that attempt fails with the system's reason.
    while (!bytes.isEmpty()) {
        const qint64 n = device.write(bytes.data(), bytes.size());
        if (n <= 0)
            return fail({}, device.errorString());
        bytes = bytes.sliced(n);
    }
    return {};
}

void removeStaleTemporaries(const QString &path)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString stem = QStringLiteral(".") + info.fileName() + QStringLiteral(".");
    // QTemporaryFile's six letters and digits after the name.
    static const QRegularExpression suffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    for (const QString &name : dir.entryList({stem + QStringLiteral("*")}, QDir::Files | QDir::Hidden))
        if (suffix.match(name.mid(stem.size())).hasMatch())
            QFile::remove(dir.filePath(name));
}

FileLock::FileLock(const QString &folder)
    : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

Result<std::unique_ptr<FileLock>> FileLock::onFile(const QString &file)
{
    const QByteArray target = QFile::encodeName(file);
    const QByteArray dir = QFile::encodeName(QFileInfo(file).absolutePath());
    const auto failed = [&file] { return fail(file, QStringLiteral("cannot lock %1: %2").arg(file, systemReason())); };
    for (;;) {
        int fd = ::open(target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        const bool absent = fd < 0 && errno == ENOENT;
        if (absent)
            fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return failed();
        std::unique_ptr<FileLock> lock(new FileLock(fd));
        while (::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR)
                return failed();
        }
        struct stat held {}, now {};
        const bool present = ::stat(target.constData(), &now) == 0;
        if (absent ? !present
                   : present && ::fstat(fd, &held) == 0 && held.st_dev == now.st_dev && held.st_ino == now.st_ino)
            return lock;
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace marvane
