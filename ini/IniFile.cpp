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

Result<> failure(const std::string &file, const std::string &why)
{
    return Failure(QString::fromLocal8Bit(file.c_str()), QString::fromLocal8Bit(why.c_str()));
}

std::string tooLargeReason(const std::string &path)
{
    return "cannot read " + path + ": larger than 64 MB";
}

// The file opened for reading, or -1 with `error` set (left empty for a missing file); `size` is
// its length when it was opened.
Fd openForReading(const std::string &path, std::string *error, std::size_t *size = nullptr)
{
    // Without blocking: a FIFO in the file's place must not hang the program.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (error)
            *error = errno == ENOENT ? std::string() : reason("cannot open " + path, errno);
        return fd;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        if (error)
            *error = reason("cannot read " + path, errno);
        return Fd(-1);
    }
    // A device, FIFO or socket has no end to read to.
    if (!S_ISREG(st.st_mode)) {
        if (error)
            *error = "cannot read " + path + ": not a regular file";
        return Fd(-1);
    }
    if (static_cast<std::uint64_t>(st.st_size) > IniFile::kMaxBytes) {
        if (error)
            *error = tooLargeReason(path);
        return Fd(-1);
    }
    if (size)
        *size = static_cast<std::size_t>(st.st_size);
    return fd;
}

// One read(2), again after a signal; -1 with `error` set on failure.
ssize_t readSome(int fd, char *into, std::size_t n, const std::string &path, std::string *error)
{
    for (;;) {
        const ssize_t got = ::read(fd, into, n);
        if (got >= 0 || errno != EINTR) {
            if (got < 0 && error)
                *error = reason("cannot read " + path, errno);
            return got;
        }
    }
}

// Reads the whole file into storage that `room(n)` hands out: at least n bytes, keeping what was
// read so far. A missing file reads as empty and is no error; `size` is what was read.
template <typename Room>
bool load(const std::string &path, Room &&room, std::size_t &size, std::string *error)
{
    size = 0;
    std::size_t length = 0;
    const Fd fd = openForReading(path, error, &length);
    if (fd.get() < 0)
        return false;
    std::size_t capacity = length + 1;
    char *data = room(capacity);
    for (;;) {
        if (size == capacity) {
            // The file grew while we read it.
            if (capacity > IniFile::kMaxBytes) {
                if (error)
                    *error = tooLargeReason(path);
                return false;
            }
            capacity *= 2;
            data = room(capacity);
        }
        const ssize_t n = readSome(fd.get(), data + size, capacity - size, path, error);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    return true;
}

// A buffer for one read, not zero-filled first: reads happen at every refresh.
struct Buffer
{
    std::unique_ptr<char[]> data;
    std::size_t capacity = 0;

    char *room(std::size_t n)
    {
        if (n > capacity) {
            std::unique_ptr<char[]> grown(new char[n]);
            if (data)
                std::memcpy(grown.get(), data.get(), capacity);
            data = std::move(grown);
            capacity = n;
        }
        return data.get();
    }
};

} // namespace

std::optional<std::string> IniFile::readAll(const std::string &path, std::string *error)
{
    Buffer buffer;
    std::size_t size = 0;
    if (!load(path, [&buffer](std::size_t n) { return buffer.room(n); }, size, error))
        return std::nullopt;
    return std::string(buffer.data.get(), size);
}

bool IniFile::readInto(const std::string &path, std::string &out, std::string *error)
{
    // `out` keeps its old bytes until the read: resizing it to the same length again then writes
    // nothing, where clearing it first would zero the whole buffer at every read.
    std::size_t size = 0;
    const bool ok = load(
        path,
        [&out](std::size_t n) {
            out.resize(n);
            return out.data();
        },
        size, error);
    out.resize(ok ? size : 0);
    return ok;
}

bool IniFile::readSectionInto(const std::string &path, std::string_view section, std::string &out,
                              std::string *error)
{
    // Pieces small enough to stay in the processor's cache while they are searched; the text
    // before the section is not kept.
    constexpr std::size_t kPiece = 256u << 10;
    std::size_t held = 0;
    std::size_t total = 0;
    bool fileStart = true;
    bool found = false;
    const Fd fd = openForReading(path, error);
    if (fd.get() < 0) {
        out.clear();
        return false;
    }
    // Room for a piece and the partial line before it from the start: growing the string by those
    // few bytes later would move the whole piece to new memory.
    out.reserve(2 * kPiece);
    for (;;) {
        // Room for one more piece; zeroing it costs little beside reading it.
        if (out.size() < held + kPiece)
            out.resize(held + kPiece);
        const ssize_t n = readSome(fd.get(), out.data() + held, kPiece, path, error);
        if (n < 0) {
            out.clear();
            return false;
        }
        held += static_cast<std::size_t>(n);
        total += static_cast<std::size_t>(n);
        if (total > kMaxBytes) {
            if (error)
                *error = tooLargeReason(path);
            out.clear();
            return false;
        }
        if (!found) {
            // Only whole lines are searched until the file has ended; the last, partial one waits.
            // What was held before this piece is one partial line: only the new bytes can end one.
            std::size_t whole = held;
            if (n > 0) {
                whole = 0;
                for (std::size_t i = held; i > held - static_cast<std::size_t>(n); --i)
                    if (out[i - 1] == '\n' || out[i - 1] == '\r') {
                        whole = i;
                        break;
                    }
            }
            const auto header = IniText::headerLine(std::string_view(out.data(), whole), section, fileStart);
            const std::size_t drop = header ? *header : whole;
            std::memmove(out.data(), out.data() + drop, held - drop);
            held -= drop;
            found = header.has_value();
            fileStart = fileStart && drop == 0;
        }
        if (n == 0)
            break;
    }
    out.resize(found ? held : 0);
    return true;
}

std::optional<std::string> IniFile::read(const std::string &path, std::string_view section, std::string_view key)
{
    Buffer buffer;
    std::size_t size = 0;
    if (!load(path, [&buffer](std::size_t n) { return buffer.room(n); }, size, nullptr))
        return std::nullopt;
    return IniText::lookup(std::string_view(buffer.data.get(), size), section, key);
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

    std::string readError;
    const std::optional<std::string> old = readAll(target, &readError);
    if (!old && !readError.empty())
        return failure(target, readError);
    const std::string updated = IniText::edit(old.value_or(std::string()), section, key, value);
    if (old && updated == *old)
        return {};
    if (!old && updated.empty())
        return {}; // deleting from a file that does not exist

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
    if (!writeAll(out.get(), updated))
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

} // namespace marvane
