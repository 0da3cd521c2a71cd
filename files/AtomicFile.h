#pragma once

#include "platform/Result.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <memory>

namespace marvane {

using FileWriter = std::function<Result<>(QIODevice &)>;

// A file written in full under a temporary name in its target's folder, not yet in its place: a
// reader sees the old file until commit(), and the new one after it, never half of one. Several
// files can be written first and put in place after, so that a full disk refuses them all.
// `sync` also flushes it to disk; an unsynced file may be empty after a power cut, so only files
// that are made anew at every run go unsynced. Dropped uncommitted, the temporary file goes.
class StagedFile
{
public:
    static Result<std::unique_ptr<StagedFile>> write(const QString &path, const FileWriter &writer, bool sync);
    // `bytes`, synced, unless the file holds them already: then nothing is written and null comes back.
    static Result<std::unique_ptr<StagedFile>> writeIfChanged(const QString &path, const QByteArray &bytes);
    Result<> commit();

private:
    StagedFile(const QString &path, bool sync);

    QString m_path;
    bool m_sync;
    QTemporaryFile m_temp;
};

// Writes and commits one StagedFile. A failure of the writer, of any write or of the rename
// leaves the old file.
Result<> writeFileAtomically(const QString &path, const FileWriter &writer, bool sync);

// Writes all of `bytes`, for a writer of writeFileAtomically.
Result<> writeAll(QIODevice &device, QByteArrayView bytes);

// The temporary files of StagedFile that a killed writer left beside `path`. Only to be called
// where no other writer of that file can be at work: under a FolderLock.
void removeStaleTemporaries(const QString &path);

// An flock on a folder, held while this object lives: serialises this program's writers of the
// files in it across processes, and leaves no lock file behind.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd;
};

} // namespace marvane
