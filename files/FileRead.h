#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <string_view>

namespace marvane {

// A file's bytes and which file they came from. A file that does not exist reads as none.
struct FileContents
{
    QByteArray bytes;
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 modifiedNs = 0; // since the epoch

    std::string_view view() const { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }
    // The same file (or still none), holding the same bytes.
    bool operator==(const FileContents &) const = default;
};

// The whole file, without blocking (a FIFO in its place must not hang the program); anything but
// a regular file, and anything larger than `maxBytes`, is refused; so is a symbolic link unless
// `followLinks`.
Result<FileContents> readFile(const QString &path, qint64 maxBytes, bool followLinks = true);

// The file opened to be read, refused as readFile refuses it, without reading it: a large file is
// read through this one open as it is needed, never held whole. A file that does not exist opens
// as none.
Result<std::unique_ptr<QFile>> openFile(const QString &path, qint64 maxBytes);

// As readFile, for a file about to be rewritten from what is read. An editor that writes the file
// in place (truncates it, then writes) leaves it empty or half written for a moment just after it
// changed: a file changed in the last 50 ms that is empty or ends in mid-line is read again once it
// has rested, for up to half a second.
Result<FileContents> readRestedFile(const QString &path, qint64 maxBytes);

// "what: the system's reason for err".
QString withReason(const QString &what, int err);

} // namespace marvane
