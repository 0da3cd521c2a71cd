#pragma once

#include "platform/Result.h"

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace marvane {

// Closes a descriptor on every path out.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        FileDescriptor old(m_fd);
        m_fd = other.release();
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
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

// A file's bytes, read straight into memory that is not cleared first: reads happen at every
// refresh. A file that does not exist reads as none.
struct FileBytes
{
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;

    std::string_view view() const { return {data.get(), size}; }
    // Holds `text` instead.
    void assign(std::string_view text);
};

// Without blocking (a FIFO in the file's place must not hang the program); refuses anything but a
// regular file and anything larger than `maxBytes`.
Result<FileBytes> readFileBytes(const std::string &path, std::uint64_t maxBytes);

// "what: the system's reason for err".
std::string withReason(const std::string &what, int err);
// A failure about `file`, from text in the local encoding.
Failure fileFailure(const std::string &file, const std::string &why);

} // namespace marvane
