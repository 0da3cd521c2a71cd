#include "ini/IniFile.h"

#include "files/AtomicFile.h"
#include "ini/IniText.h"
#include "ini/TextEncoding.h"

#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace marvane {

namespace {

// A symlink is written through to its target, so the link itself survives.
QString resolveLinks(const QString &path)
{
    QString current = path;
    for (int hops = 0; hops < 40 && QFileInfo(current).isSymLink(); ++hops)
        current = QFileInfo(current).symLinkTarget();
    return current;
}

// Refused when read-only by its permissions, also for root, who could write it anyway: the user
// made it so. `target` is the file the failure names.
Result<> checkWritable(const QString &path, const QString &target)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const QByteArray name = QFile::encodeName(path);
    const int err = ::access(name.constData(), W_OK) != 0 ? errno
                    : !(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)) ? EACCES
                                                                                                          : 0;
    if (err)
        return fail(target, withReason(QStringLiteral("cannot write ") + target, err));
    return {};
}

std::string editedText(const std::string &text, const std::vector<IniEdit> &edits)
{
    std::string updated = text;
    for (const IniEdit &edit : edits) {
        const std::string_view key = edit.key ? std::string_view(*edit.key) : std::string_view();
        const std::string_view value = edit.value ? std::string_view(*edit.value) : std::string_view();
        updated = IniText::edit(updated, edit.section, edit.key ? &key : nullptr, edit.value ? &value : nullptr);
    }
    return updated;
}

} // namespace

Result<FileContents> IniFile::readAll(const QString &path)
{
    Result<FileContents> contents = readFile(path, kMaxBytes);
    // Most files are read as they are; only a UTF-16 one is converted.
    if (contents) {
        if (const TextEncoding encoding = encodingOf(contents->view()); encoding != TextEncoding::Bytes) {
            const std::string utf8 = toUtf8(contents->view(), encoding);
            contents->bytes = QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()));
        }
    }
    return contents;
}

Result<> IniFile::write(const QString &path, const std::vector<IniEdit> &edits)
{
    for (const IniEdit &edit : edits) {
        const std::string_view key = edit.key ? std::string_view(*edit.key) : std::string_view();
        if (const char *problem = IniText::nameProblem(edit.section, edit.key ? &key : nullptr))
            return fail(path, QString::fromLatin1(problem));
    }
    const QString target = resolveLinks(path);
    for (const QString &place : {QFileInfo(target).absolutePath(), target}) {
        if (const Result<> writable = checkWritable(place, target); !writable)
            return writable;
    }
    // Read-modify-write is one step for every process that takes this lock.
    const Result<std::unique_ptr<FileLock>> lock = FileLock::onFile(target);
    if (!lock)
        return std::unexpected(lock.error());
    removeStaleTemporaries(target);
    // Someone else's change between the reading and the replacement is read and edited anew.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const Result<FileContents> old = readRestedFile(target, kMaxBytes);
        if (!old)
            return fail(target, old.error().reason());
        const TextEncoding encoding = encodingOf(old->view());
        const std::string text = toUtf8(old->view(), encoding);
        const std::string updated = editedText(text, edits);
        // Nothing changed, or nothing deleted from a file that does not exist.
        if (updated == text)
            return {};
        const std::string bytes = fromUtf8(updated, encoding);
        const auto writer = [&bytes](QIODevice &out) {
            return writeAll(out, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        };
        const Result<std::unique_ptr<StagedFile>> staged = StagedFile::write(target, writer, true);
        if (!staged)
            return std::unexpected(staged.error());
        const Result<bool> put = (*staged)->commitOver(*old);
        if (!put)
            return std::unexpected(put.error());
        if (*put)
            return {};
    }
    return fail(target, QStringLiteral("cannot write %1: another program kept changing it").arg(target));
}

} // namespace marvane
