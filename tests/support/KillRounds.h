#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace marvane::test {

// Runs `save(i)` for i = 0, 1, 2 ... in a child process killed at a random moment, round after
// round, for `rounds` rounds or `budgetMs` milliseconds; after each kill `check()` says what is
// wrong with the files, or nothing. Returns the first complaint with its round.
template <typename Save, typename Check>
QString killRounds(int rounds, qint64 budgetMs, Save save, Check check)
{
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < rounds && clock.elapsed() < budgetMs; ++round) {
        const pid_t child = ::fork();
        if (child < 0)
            return QStringLiteral("cannot fork");
        if (child == 0) {
            for (int i = 0;; ++i)
                save(i);
        }
        ::usleep(QRandomGenerator::global()->bounded(100, 8000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (const QString wrong = check(); !wrong.isEmpty())
            return QStringLiteral("round %1: %2").arg(round).arg(wrong);
    }
    return {};
}

} // namespace marvane::test
