#include "ini/IniFile.h"

#include "files/FileBytes.h"
#include "ini/IniText.h"
#include "ini/TextEncoding.h"

#include <QString>

#include <cerrno>
#include <dirent.h>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

std::string directoryOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symlink is written through to its target, so the link itself survives.
std::string resolveLinks(const std::string &path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0)
            return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : directoryOf(current) + "/" + target;
    }
    return current;
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string temporaryName(const std::string &dir, const std::string &base)
{
    static std::mt19937_64 rng{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(rng()));
    return dir + "/." + base + "." + suffix + ".tmp";
}

// A writer killed between creating its temporary file and renaming it leaves the file behind.
// Under the lock no other writer of this file is at work, so every such file is stale.
void removeStaleTemporaries(const std::string &dir, const std::string &base)
{
    DIR *folder = ::opendir(dir.c_str());
    if (!folder)
        return;
    const std::string prefix = "." + base + ".";
    while (const dirent *entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + 16 + 4 || name.substr(0, prefix.size()) != prefix ||
            name.substr(name.size() - 4) != ".tmp")
            continue;
        const std::string_view hex = name.substr(prefix.size(), 16);
        if (hex.find_first_not_of("0123456789abcdef") == std::string_view::npos)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// Refused when read-only by its permissions, also for root, who could write it anyway: the user
// made it so. `target` is the file the failure names.
Result<> checkWritable(const std::string &path, const std::string &target)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    const int err = ::access(path.c_str(), W_OK) != 0 ? errno : (st.st_mode & 0222) == 0 ? EACCES : 0;
    if (err)
        return fileFailure(target, withReason("cannot write " + target, err));
    return {};
}

// Writes `text` to a new temporary file beside the target, synced, with the old file's mode.
Result<std::string> writeTemporary(const std::string &target, const std::string &dir, const std::string &base,
                                   const std::string &text)
{
    mode_t mode = 0666;
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed)
        mode = st.st_mode & 07777;
    const std::string temp = temporaryName(dir, base);
    FileDescriptor out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : mode));
    if (out.get() < 0)
        return fileFailure(target, withReason("cannot write " + target, errno));
    const auto fail = [&](const std::string &what) {
        const int saved = errno;
        ::unlink(temp.c_str());
        return fileFailure(target, withReason(what, saved));
    };
    if (!writeAll(out.get(), text))
        return fail("cannot write " + target);
    if (existed && ::fchmod(out.get(), mode) != 0)
        return fail("cannot keep the mode of " + target);
    if (::fsync(out.get()) != 0 || ::close(out.release()) != 0)
        return fail("cannot write " + target);
    return temp;
}

// Whether `path` still names the file that was read, holding the same bytes (or still none).
bool stillAsRead(const std::string &path, const FileBytes &read)
{
    const Result<FileBytes> now = readFileBytes(path, IniFile::kMaxBytes);
    return now && now->exists == read.exists && now->device == read.device && now->inode == read.inode &&
           now->view() == read.view();
}

// Puts the temporary file in the target's place, unless the target is no longer the file that was
// read: false then, and the temporary file is the caller's to remove. The old file is exchanged
// with the new one rather than renamed over, so that a file someone renamed into place at that
// very moment is seen, and put back.
Result<bool> putInPlace(const std::string &temp, const std::string &target, const FileBytes &read)
{
    if (!stillAsRead(target, read))
        return false;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), read.exists ? RENAME_EXCHANGE : RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST || errno == ENOENT)
            return false; // made or removed meanwhile
        // A file system without the exchange: a plain rename, after the check above.
        if ((errno != EINVAL && errno != ENOSYS) || ::rename(temp.c_str(), target.c_str()) != 0)
            return fileFailure(target, withReason("cannot replace " + target, errno));
        return true;
    }
    if (!read.exists) {
        ::unlink(temp.c_str());
        return true;
    }
    // Another file renamed in just now is put back at once, before anyone reads ours in its place;
    // only then are the bytes compared, for an edit made in place.
    struct stat displaced {};
    const bool same = ::lstat(temp.c_str(), &displaced) == 0 && displaced.st_dev == read.device &&
                      displaced.st_ino == read.inode;
    if (same && stillAsRead(temp, read)) {
        ::unlink(temp.c_str());
        return true;
    }
    ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE);
    return false;
}

// The lock all writers of the file take: an flock on the file itself, or on its folder while there
// is none. Taken again when, once held, the path names another file than the one locked.
Result<int> lockWriters(const std::string &target, const std::string &dir)
{
    for (;;) {
        FileDescriptor fd(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        const bool absent = fd.get() < 0 && errno == ENOENT;
        if (absent)
            fd = FileDescriptor(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.get() < 0)
            return fileFailure(target, withReason("cannot lock " + target, errno));
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return fileFailure(target, withReason("cannot lock " + target, errno));
        }
        struct stat held {}, now {};
        const bool present = ::stat(target.c_str(), &now) == 0;
        if (absent ? !present
                   : present && ::fstat(fd.get(), &held) == 0 && held.st_dev == now.st_dev && held.st_ino == now.st_ino)
            return fd.release();
    }
}

} // namespace

Result<FileBytes> IniFile::readAll(const std::string &path)
{
    Result<FileBytes> bytes = readFileBytes(path, IniFile::kMaxBytes);
    // Most files are read as they are; only a UTF-16 one is converted.
    if (bytes) {
        if (const TextEncoding encoding = encodingOf(bytes->view()); encoding != TextEncoding::Bytes)
            bytes->assign(toUtf8(bytes->view(), encoding));
    }
    return bytes;
}

std::optional<std::string> IniFile::read(const std::string &path, std::string_view section, std::string_view key)
{
    const Result<FileBytes> text = readAll(path);
    return text ? IniText::lookup(text->view(), section, key) : std::nullopt;
}

Result<> IniFile::write(const std::string &path, const std::vector<IniEdit> &edits)
{
    for (const IniEdit &edit : edits) {
        const std::string_view key = edit.key ? std::string_view(*edit.key) : std::string_view();
        if (const Result<> named = IniText::checkName(edit.section, edit.key ? &key : nullptr); !named)
            return Failure(QString::fromLocal8Bit(path.c_str()), named.error().reason());
    }
    const std::string target = resolveLinks(path);
    const std::string dir = directoryOf(target);
    const std::string base = baseNameOf(target);

    for (const std::string &place : {dir, target}) {
        if (const Result<> writable = checkWritable(place, target); !writable)
            return writable;
    }

    // Read-modify-write is one step for every process that takes this lock.
    const Result<int> locked = lockWriters(target, dir);
    if (!locked)
        return locked.error();
    const FileDescriptor lock(*locked);
    removeStaleTemporaries(dir, base);
    // Earlier versions locked through a file of their own beside it.
    ::unlink((dir + "/." + base + ".lock").c_str());

    // Someone else's change between the reading and the replacement is read and edited anew.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const Result<FileBytes> old = readFileBytes(target, IniFile::kMaxBytes);
        if (!old)
            return Failure(QString::fromLocal8Bit(target.c_str()), old.error().reason());
        const TextEncoding encoding = encodingOf(old->view());
        const std::string text = toUtf8(old->view(), encoding);
        std::string updated = text;
        for (const IniEdit &edit : edits) {
            const std::string_view key = edit.key ? std::string_view(*edit.key) : std::string_view();
            const std::string_view value = edit.value ? std::string_view(*edit.value) : std::string_view();
            updated = IniText::edit(updated, edit.section, edit.key ? &key : nullptr, edit.value ? &value : nullptr);
        }
        // Nothing changed, or nothing deleted from a file that does not exist.
        if (updated == text)
            return {};
        const Result<std::string> temp = writeTemporary(target, dir, base, fromUtf8(updated, encoding));
        if (!temp)
            return temp.error();
        const Result<bool> put = putInPlace(*temp, target, *old);
        if (!put || !*put)
            ::unlink(temp->c_str());
        if (!put)
            return put.error();
        if (*put) {
            const FileDescriptor dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (dirFd.get() >= 0)
                ::fsync(dirFd.get());
            return {};
        }
    }
    return fileFailure(target, "cannot write " + target + ": another program kept changing it");
}

} // namespace marvane
