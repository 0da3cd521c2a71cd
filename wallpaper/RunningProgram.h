#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace marvane {

// A process of this user that a desktop tool runs in, as the kernel lists it.
struct RunningProgram
{
    qint64 pid = 0;
    QStringList arguments; // the command line, the program first
    QString name;          // the kernel's short name: a script's own, not its interpreter's
    quint64 startTime = 0; // in clock ticks after boot: with the PID, it names one process for good

    // This user's processes whose program (the kernel's short name) is `name`.
    static QList<RunningProgram> named(const QString &name);
    // The process `pid` if it runs and is this user's, else one with pid 0.
    static RunningProgram withPid(qint64 pid);
    // "PID start-time", to find this very process again after its PID may have been reused.
    QByteArray identity() const;
    // The process `identity` named, if it still runs: one with pid 0 for another that took its PID.
    static RunningProgram withIdentity(QByteArrayView identity);

    bool isRunning() const;
    // Asks it to end (SIGTERM) and waits up to `waitMs` for it to be gone; whether it is.
    bool stop(int waitMs) const;
};

} // namespace marvane
