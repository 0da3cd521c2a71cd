#include "ini/IniFile.h"

#include "ini/IniText.h"

#include <cerrno>
#include <dirent.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

std::string reason(const std::string &what, int err)
{
    return what + ": " + std::strerror(err);
}

// Closes a descriptor on every path out.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(Fd &&other) noexcept : m_fd(other.release()) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

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

// Read-only by its permissions, also for root, who could write it anyway: the user made it so.
bool readOnly(const std::string &path, int *err)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    if (::access(path.c_str(), W_OK) != 0) {
        *err = errno;
        return true;
    }
    if ((st.st_mode & 0222) == 0) {
        *err = EACCES;
        return true;
    }
    return false;
}

Failure failure(const std::string &file, const std::string &why)
{
    return Failure(QString::fromLocal8Bit(file.c_str()), QString::fromLocal8Bit(why.c_str()));
}

// A file's bytes, read straight into memory that is not cleared first: reads happen at every refresh.
struct FileBytes
{
    std::unique_ptr<char[]> data;
    std::size_t size = 0;

    std::string_view view() const { return {data.get(), size}; }
};

Result<FileBytes> readBytes(const std::string &path)
{
    // Without blocking: a FIFO in the file's place must not hang the program.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return FileBytes();
        return failure(path, reason("cannot open " + path, errno));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return failure(path, reason("cannot read " + path, errno));
    // A device, FIFO or socket has no end to read to.
    if (!S_ISREG(st.st_mode))
        return failure(path, "cannot read " + path + ": not a regular file");
    FileBytes bytes;
    std::size_t capacity = static_cast<std::size_t>(std::min<std::uint64_t>(st.st_size, IniFile::kMaxBytes)) + 1;
    bytes.data.reset(new char[capacity]);
    for (;;) {
        // Checked as it is read: the file may grow meanwhile.
        if (bytes.size > IniFile::kMaxBytes)
            return failure(path, "cannot read " + path + ": larger than 64 MB");
        if (bytes.size == capacity) {
            std::unique_ptr<char[]> grown(new char[capacity * 2]);
            std::memcpy(grown.get(), bytes.data.get(), capacity);
            bytes.data = std::move(grown);
            capacity *= 2;
        }
        const ssize_t n = ::read(fd.get(), bytes.data.get() + bytes.size, capacity - bytes.size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(path, reason("cannot read " + path, errno));
        if (n == 0)
            return bytes;
        bytes.size += static_cast<std::size_t>(n);
    }
}

// Puts `text` in the file's place: a temporary file in its folder, written, synced, with the old
// file's mode, renamed over it, then the folder synced. A failure leaves the old file.
Result<> replaceFile(const std::string &target, const std::string &dir, const std::string &base,
                     const std::string &text)
{
    mode_t mode = 0666;
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed)
        mode = st.st_mode & 07777;

    const std::string temp = temporaryName(dir, base);
    Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : mode));
    if (out.get() < 0)
        return failure(target, reason("cannot write " + target, errno));
    const auto fail = [&](const std::string &what) {
        const int saved = errno;
        ::unlink(temp.c_str());
        return failure(target, reason(what, saved));
    };
    if (!writeAll(out.get(), text))
        return fail("cannot write " + target);
    if (existed && ::fchmod(out.get(), mode) != 0)
        return fail("cannot keep the mode of " + target);
    if (::fsync(out.get()) != 0)
        return fail("cannot write " + target);
    if (::close(out.release()) != 0)
        return fail("cannot write " + target);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail("cannot replace " + target);
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0)
        ::fsync(dirFd.get());
    return {};
}

} // namespace

Result<std::string> IniFile::readAll(const std::string &path)
{
    const Result<FileBytes> bytes = readBytes(path);
    if (!bytes)
        return bytes.error();
    return std::string(bytes->view());
}

std::optional<std::string> IniFile::read(const std::string &path, std::string_view section, std::string_view key)
{
    const Result<FileBytes> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return IniText::lookup(bytes->view(), section, key);
}

Result<> IniFile::write(const std::string &path, std::string_view section, const std::string_view *key,
                                       const std::string_view *value)
{
    if (const std::string bad = IniText::invalidSection(section); !bad.empty())
        return Failure(QString::fromLocal8Bit(path.c_str()), QString::fromStdString(bad));
    if (key) {
        if (const std::string bad = IniText::invalidKey(*key); !bad.empty())
            return Failure(QString::fromLocal8Bit(path.c_str()), QString::fromStdString(bad));
    }
    const std::string target = resolveLinks(path);
    const std::string dir = directoryOf(target);
    const std::string base = baseNameOf(target);

    int err = 0;
    if (readOnly(dir, &err) || readOnly(target, &err))
        return failure(target, reason("cannot write " + target, err));

    // Read-modify-write is one step for every process that takes this lock.
    const std::string lockPath = dir + "/." + base + ".lock";
    Fd lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (lock.get() < 0)
        return failure(target, reason("cannot write " + target, errno));
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return failure(target, reason("cannot lock " + lockPath, errno));
    }

    removeStaleTemporaries(dir, base);

    const Result<std::string> old = readAll(target);
    if (!old)
        return Failure(QString::fromLocal8Bit(target.c_str()), old.error().reason());
    const std::string updated = IniText::edit(*old, section, key, value);
    // Nothing changed, or nothing deleted from a file that does not exist.
    if (updated == *old)
        return {};

    return replaceFile(target, dir, base, updated);
}

} // namespace marvane
