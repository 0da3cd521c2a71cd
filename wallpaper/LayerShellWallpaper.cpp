#include "wallpaper/LayerShellWallpaper.h"

#include "files/AtomicFile.h"
#include "platform/Quoting.h"
#include "wallpaper/RunningProgram.h"
#include "wallpaper/ToolRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// How long a fresh swaybg must live to count as showing the picture: without layer-shell, or
// with a picture it cannot read, it ends at once.
constexpr int kSettleMs = 400;

QString runtimeFile(const QString &name)
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(dir).filePath(name);
}

// hyprpaper answers "ok" to a command it carried out; anything else means it is not there.
bool setThroughHyprpaper(const QString &png)
{
    if (qEnvironmentVariableIsEmpty("HYPRLAND_INSTANCE_SIGNATURE"))
        return false;
    const auto ask = [](const QStringList &arguments) {
        return runTool(u"hyprctl"_s, QStringList{u"hyprpaper"_s} + arguments).value_or(QString()).trimmed() == u"ok"_s;
    };
    if (!ask({u"preload"_s, png}) || !ask({u"wallpaper"_s, u","_s + png}))
        return false;
    // Pictures of earlier runs need no memory any more; whether that was done does not matter.
    (void)ask({u"unload"_s, u"unused"_s});
    return true;
}

// The swaybg this program started last, if it still runs. The file is trusted only as far as it
// names that very process (its PID and start time): a PID is reused once its process ends.
RunningProgram previousSwaybg(const QString &pidFile)
{
    const Result<FileContents> text = readFile(pidFile, 64, false);
    if (!text || !text->exists)
        return {};
    const RunningProgram program = RunningProgram::withIdentity(text->bytes);
    return program.name == u"swaybg"_s ? program : RunningProgram();
}

QString lastLines(const QString &log)
{
    const Result<FileContents> read = readFile(log, 65536, false);
    const QString text = read ? QString::fromLocal8Bit(read->bytes).trimmed() : QString();
    return text.isEmpty() ? u"no reason given"_s : text.section(u'\n', -3);
}

Result<> startSwaybg(const QString &png)
{
    const QString swaybg = QStandardPaths::findExecutable(u"swaybg"_s);
    if (swaybg.isEmpty())
        return fail(u"swaybg"_s, u"swaybg is not installed"_s);
    const QString log = runtimeFile(u"marvane-swaybg.log"_s);
    // Made anew, never written through a link someone left in its place.
    QFile::remove(log);
    QProcess process;
    process.setProgram(swaybg);
    process.setArguments({u"-o"_s, u"*"_s, u"-i"_s, png, u"-m"_s, u"fill"_s});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(log);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return fail(u"swaybg"_s, u"swaybg did not start"_s);
    RunningProgram started;
    started.pid = pid;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kSettleMs) {
        QThread::msleep(25);
        if (!started.isRunning())
            return fail(u"swaybg"_s, u"swaybg ended at once: %1"_s.arg(lastLines(log)));
    }
    const QString pidFile = runtimeFile(u"marvane-swaybg.pid"_s);
    // The new one draws over the old one already, so the desktop never shows bare.
    previousSwaybg(pidFile).stop(2000);
    const QByteArray text = RunningProgram::withPid(pid).identity() + '\n';
    const Result<> kept = writeFileAtomically(
        pidFile, [&text](QIODevice &out) { return writeAll(out, text); }, false, true);
    if (!kept.has_value())
        return fail(pidFile, u"swaybg shows the picture, but the next run will not find it: %1"_s.arg(kept.error().message()));
    return {};
}

} // namespace

Result<> LayerShellWallpaper::show(const QString &file)
{
    if (m_sway) {
        const Result<QString> done =
            runTool(u"swaymsg"_s, {u"output"_s, u"*"_s, u"bg"_s, backslashQuoted(file, u'"', {}), u"fill"_s});
        if (!done)
            return std::unexpected(done.error());
        return {};
    }
    if (setThroughHyprpaper(file))
        return {};
    return startSwaybg(file);
}

std::optional<MonitorLayout> LayerShellWallpaper::monitorLayout() const
{
    if (!m_sway)
        return std::nullopt;
    const Result<QString> outputs = runTool(u"swaymsg"_s, {u"-r"_s, u"-t"_s, u"get_outputs"_s});
    if (!outputs)
        return std::nullopt;
    return MonitorLayout::fromSwayOutputs(outputs->toUtf8());
}

} // namespace marvane
