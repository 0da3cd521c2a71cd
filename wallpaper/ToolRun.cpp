#include "wallpaper/ToolRun.h"

#include <QProcess>
#include <QStandardPaths>

namespace marvane {

using namespace Qt::StringLiterals;

Result<QString> runTool(const QString &program, const QStringList &arguments)
{
    constexpr int kTimeoutMs = 15000;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return fail(program, u"%1 is not installed"_s.arg(program));
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForStarted(kTimeoutMs))
        return fail(program, u"%1 did not start"_s.arg(program));
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return fail(program, u"%1 did not finish"_s.arg(program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(program, u"%1 failed (exit %2): %3"_s.arg(program)
                                    .arg(process.exitCode())
                                    .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace marvane
