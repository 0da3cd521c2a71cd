#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace marvane {

// A process of this user that a desktop tool runs in, as the kernel lists it.
struct RunningProgram
{
    qint64 pid = 0;
    QStringList arguments; // the command line, the program first

    // This user's processes whose program (the kernel's short name) is `name`.
    static QList<RunningProgram> named(const QString &name);
    // The process `pid` if it runs and is this user's, else one with pid 0.
    static RunningProgram withPid(qint64 pid);

    bool isRunning() const;
    // Asks it to end (SIGTERM) and waits up to `waitMs` for it to be gone; whether it is.
    bool stop(int waitMs) const;
};

} // namespace marvane
