#include "wallpaper/RunningProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

QByteArray procFile(qint64 pid, const char *name)
{
    QFile f(u"/proc/%1/%2"_s.arg(pid).arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ownedByUs(qint64 pid)
{
    struct stat st {};
    return ::stat(QFile::encodeName(u"/proc/%1"_s.arg(pid)).constData(), &st) == 0 && st.st_uid == ::getuid();
}

// The fields of /proc/PID/stat after the program's name, which may hold spaces and brackets.
QList<QByteArray> statFields(qint64 pid)
{
    const QByteArray stat = procFile(pid, "stat");
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 ? stat.mid(close + 2).split(' ') : QList<QByteArray>();
}

// A process that ended but was not yet reaped counts as gone.
bool alive(qint64 pid)
{
    const QList<QByteArray> fields = statFields(pid);
    return !fields.isEmpty() && fields.first() != "Z";
}

RunningProgram read(qint64 pid)
{
    RunningProgram program;
    if (pid <= 0 || !ownedByUs(pid) || !alive(pid))
        return program;
    const QByteArray raw = procFile(pid, "cmdline");
    for (const QByteArray &argument : raw.split('\0'))
        program.arguments << QString::fromLocal8Bit(argument);
    if (raw.endsWith('\0'))
        program.arguments.removeLast();
    // The start time is field 22, the 20th after the name.
    const QList<QByteArray> fields = statFields(pid);
    program.startTime = fields.size() > 19 ? fields[19].toULongLong() : 0;
    program.name = QString::fromLocal8Bit(procFile(pid, "comm")).trimmed();
    program.pid = pid;
    return program;
}

} // namespace

QList<RunningProgram> RunningProgram::named(const QString &name)
{
    QList<RunningProgram> found;
    const QStringList entries = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || QString::fromLocal8Bit(procFile(pid, "comm")).trimmed() != name.left(15))
            continue;
        if (RunningProgram program = read(pid); program.pid != 0)
            found << program;
    }
    return found;
}

RunningProgram RunningProgram::withPid(qint64 pid)
{
    return read(pid);
}

QByteArray RunningProgram::identity() const
{
    return QByteArray::number(pid) + ' ' + QByteArray::number(startTime);
}

RunningProgram RunningProgram::withIdentity(QByteArrayView identity)
{
    const QList<QByteArray> parts = identity.toByteArray().simplified().split(' ');
    if (parts.size() != 2)
        return {};
    const RunningProgram program = read(parts[0].toLongLong());
    const bool same = program.startTime != 0 && program.startTime == parts[1].toULongLong();
    return same ? program : RunningProgram();
}

bool RunningProgram::isRunning() const
{
    if (pid <= 0 || !alive(pid))
        return false;
    const QList<QByteArray> fields = statFields(pid);
    return startTime == 0 || (fields.size() > 19 && fields[19].toULongLong() == startTime);
}

bool RunningProgram::stop(int waitMs) const
{
    if (!isRunning())
        return true;
    if (::kill(pid_t(pid), SIGTERM) != 0)
        return false;
    QElapsedTimer waited;
    waited.start();
    while (isRunning()) {
        if (waited.elapsed() > waitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace marvane
