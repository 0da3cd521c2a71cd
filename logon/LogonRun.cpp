#include "logon/LogonRun.h"

#include "files/AtomicFile.h"
#include "logon/AutostartEntry.h"
#include "logon/RefreshTimer.h"
#include "platform/StandardError.h"

#include <QDir>
#include <QFileInfo>

namespace marvane {

using namespace Qt::StringLiterals;

Result<> LogonRun::update(bool enabled, const QString &executable)
{
    if (enabled) {
        if (const Result<> e = AutostartEntry::checkExecutable(executable); !e)
            return e;
        if (const Result<> e = RefreshTimer::checkExecutable(executable); !e)
            return e;
    }
    const QString entry = AutostartEntry::path();
    const QString folder = QFileInfo(entry).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(entry, u"cannot create the folder %1"_s.arg(folder));
    // Two windows of the program may update at once; this is the one writer.
    const FileLock lock(folder);
    for (const QString &path : {entry, RefreshTimer::servicePath(), RefreshTimer::timerPath(), RefreshTimer::pathUnitPath()})
        removeStaleTemporaries(path);

    const QByteArray text = AutostartEntry::contents(enabled, executable).toUtf8();
    const bool first = enabled && !QFileInfo::exists(entry);
    Result<std::unique_ptr<StagedFile>> written = StagedFile::writeIfChanged(entry, text);
    if (!written)
        return std::unexpected(written.error());
    const std::unique_ptr<StagedFile> staged = std::move(*written);
    if (enabled) {
        if (const Result<> e = RefreshTimer::update(true, executable); !e)
            return e;
    }
    if (staged) {
        if (const Result<> e = staged->commit(); !e)
            return e;
    }
    // The option is on from the start: said once, where a new user starting from a terminal reads it.
    if (first)
        printError(u"the wallpaper will be repainted at every log-on and after midnight; untick \"Refresh "
                   "desktop when computer starts.\" in Options to stop it"_s);
    return enabled ? Result<>() : RefreshTimer::update(false, executable);
}

} // namespace marvane
