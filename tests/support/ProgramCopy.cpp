#include "tests/support/ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace marvane::test {

ProgramCopy::ProgramCopy(const QString &folderName)
{
    const QString folder = m_dir.filePath(folderName);
    // The program alone, as a user copies it.
    if (QDir().mkpath(folder) && QFile::copy(QStringLiteral(PENDREL_PATH), folder + QStringLiteral("/pendrel")))
        m_folder = folder;
}

bool ProgramCopy::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QProcessEnvironment ProgramCopy::environment(const QString &display, const QProcessEnvironment &extra) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(extra);
    return env;
}

ProgramCopy::Run ProgramCopy::run(const QStringList &arguments, const QString &display, int timeoutMs,
                                  const QProcessEnvironment &extra) const
{
    QProcess process;
    process.setProcessEnvironment(environment(display, extra));
    process.start(file(QStringLiteral("pendrel")), arguments);
    Run r;
    r.finished = process.waitForFinished(timeoutMs);
    if (!r.finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.errors = QString::fromLocal8Bit(process.readAllStandardError());
    r.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return r;
}

void ProgramCopy::start(QProcess &process, const QStringList &arguments, const QString &display) const
{
    process.setProcessEnvironment(environment(display, {}));
    process.start(file(QStringLiteral("pendrel")), arguments);
}

} // namespace marvane::test
