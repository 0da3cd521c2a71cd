#pragma once

#include "files/FileRead.h"
#include "platform/Result.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <memory>

namespace marvane {

using FileWriter = std::function<Result<>(QIODevice &)>;

// A file written in full under a temporary name in its target's folder (".name.XXXXXX"), with the
// old file's mode, not yet in its place: a reader sees the old file until it is committed, and the
// new one after, never half of one. Several files can be written first and put in place after, so
// that a full disk refuses them all. `sync` also flushes it to disk; an unsynced file may be empty
// after a power cut, so only files that are made anew at every run go unsynced. `userOnly` makes
// it readable by the user alone whatever the old file's mode (the wallpaper shows their items).
// Dropped uncommitted, the temporary file goes.
class StagedFile
{
public:
    static Result<std::unique_ptr<StagedFile>> write(const QString &path, const FileWriter &writer, bool sync,
                                                     bool userOnly = false);
    // `bytes`, synced, unless the file holds them already: then nothing is written and null comes back.
    static Result<std::unique_ptr<StagedFile>> writeIfChanged(const QString &path, const QByteArray &bytes);
    Result<> commit();
    // Puts the file in place only while the path still holds what `read` saw: false, and nothing
    // changed, when it does not. The old file is exchanged rather than renamed over, so that a file
    // someone renamed into place at that very moment is seen, and put back.
    Result<bool> commitOver(const FileContents &read);

private:
    StagedFile(const QString &path, bool sync);

    QString m_path;
    bool m_sync;
    QTemporaryFile m_temp;
};

// Writes and commits one StagedFile. A failure of the writer, of any write or of the rename
// leaves the old file.
Result<> writeFileAtomically(const QString &path, const FileWriter &writer, bool sync, bool userOnly = false);

// Writes all of `bytes`, for a writer of writeFileAtomically.
Result<> writeAll(QIODevice &device, QByteArrayView bytes);

// The temporary files of StagedFile that a killed writer left beside `path`. Only to be called
// where no other writer of that file can be at work: under a FileLock.
void removeStaleTemporaries(const QString &path);

// An flock, held while this object lives: it serialises writers across processes and leaves no
// lock file behind.
class FileLock
{
public:
    // On a folder, for this program's writers of the files in it. A folder that cannot be opened
    // cannot be written either; the save then says why.
    explicit FileLock(const QString &folder);
    // On the file itself, the lock other programs are told to take, or on its folder while there
    // is none; taken again when, once held, the path names another file than the one locked.
    static Result<std::unique_ptr<FileLock>> onFile(const QString &file);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    explicit FileLock(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace marvane
