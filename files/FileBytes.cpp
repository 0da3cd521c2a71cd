#include "files/FileBytes.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string withReason(const std::string &what, int err)
{
    return what + ": " + std::strerror(err);
}

Failure fileFailure(const std::string &file, const std::string &why)
{
    return Failure(QString::fromLocal8Bit(file.c_str()), QString::fromLocal8Bit(why.c_str()));
}

void FileBytes::assign(std::string_view text)
{
    data.reset(new char[text.size()]);
    std::memcpy(data.get(), text.data(), text.size());
    size = text.size();
}

Result<FileBytes> readFileBytes(const std::string &path, std::uint64_t maxBytes)
{
    // Without blocking: a FIFO in the file's place must not hang the program.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return FileBytes();
        return fileFailure(path, withReason("cannot open " + path, errno));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return fileFailure(path, withReason("cannot read " + path, errno));
    // A device, FIFO or socket has no end to read to.
    if (!S_ISREG(st.st_mode))
        return fileFailure(path, "cannot read " + path + ": not a regular file");
    FileBytes bytes;
    bytes.exists = true;
    bytes.device = st.st_dev;
    bytes.inode = st.st_ino;
    std::size_t capacity = static_cast<std::size_t>(std::min<std::uint64_t>(st.st_size, maxBytes)) + 1;
    bytes.data.reset(new char[capacity]);
    for (;;) {
        // Checked as it is read: the file may grow meanwhile.
        if (bytes.size > maxBytes)
            return fileFailure(path, "cannot read " + path + ": larger than " + std::to_string(maxBytes >> 20) + " MB");
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
            return fileFailure(path, withReason("cannot read " + path, errno));
        if (n == 0)
            return bytes;
        bytes.size += static_cast<std::size_t>(n);
    }
}


} // namespace marvane
