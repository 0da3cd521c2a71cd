#include "files/FolderListing.h"

#include "files/FileRead.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace marvane {

namespace {

FileStamp stamp(const QString &path, const struct stat &st)
{
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {path, qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
}

} // namespace

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return stamp(path, st);
}

Result<QList<FileStamp>> listFiles(const QString &folder, const QString &suffix, int most)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return fail(folder, withReason(QStringLiteral("cannot open ") + folder, errno));
    // Names as the system gives them, sorted before they are decoded.
    const QByteArray ending = QFile::encodeName(suffix);
    QList<std::pair<QByteArray, FileStamp>> found;
    while (found.size() <= most) {
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        const QByteArrayView name(entry->d_name);
        struct stat st {};
        if (name.size() <= ending.size() || name.startsWith('.') || name.last(ending.size()).compare(ending, Qt::CaseInsensitive) != 0 ||
            ::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        found.append({name.toByteArray(), stamp({}, st)});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    QList<FileStamp> files;
    files.reserve(found.size());
    for (auto &[name, file] : found) {
        file.path = base + QFile::decodeName(name);
        files.append(std::move(file));
    }
    return files;
}

} // namespace marvane
