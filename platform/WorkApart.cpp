#include "platform/WorkApart.h"

#include <QFile>
#include <QThreadPool>

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;

constexpr qint64 kStacks = qint64(16) << 20; // the helper thread's, with room to spare

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

void limitThisProcess(const ApartBounds &bounds)
{
    ::prctl(PR_SET_DUMPABLE, 0); // a failing picture leaves no core dump behind
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC); // nor a library's lines
    if (quiet >= 0)
        ::dup2(quiet, STDERR_FILENO);
    // One helper thread at most, so that its stack is all the memory threads take.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    const auto seconds = rlim_t(std::chrono::ceil<std::chrono::seconds>(bounds.time).count());
    const rlimit cpu{seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
#ifndef __SANITIZE_ADDRESS__ // whose allocator and shadow take memory of their own
    // The data the process may write to beyond what it holds: what its work may cost, whatever
    // address space the libraries reserve.
    QFile statm(u"/proc/self/statm"_s);
    if (statm.open(QIODevice::ReadOnly)) {
        const rlim_t held = statm.readLine(128).split(' ').value(5).toULongLong() * rlim_t(::sysconf(_SC_PAGESIZE));
        const rlim_t most = held + rlim_t(bounds.extraMemory + kStacks);
        const rlimit memory{most, most};
        ::setrlimit(RLIMIT_DATA, &memory);
    }
#endif
}

// The child's answer: what its work sent, then, if the work failed, its failure and that text's
// length, and last a byte that says which.
[[noreturn]] void workInChild(int fd, const ApartWork &work, const ApartBounds &bounds)
{
    limitThisProcess(bounds);
    const auto send = [fd](QByteArrayView bytes) { return writeAll(fd, bytes); };
    QByteArray failure;
    bool sent = false;
    try {
        const Result<bool> done = work(send);
        sent = done && *done;
        if (!done)
            failure = (done.error().subject() + u'\0' + done.error().reason()).toUtf8();
    } catch (const std::bad_alloc &) {
        failure = QByteArray("\0it needs more memory than is allowed", 37);
    }
    if (!failure.isEmpty()) {
        const quint32 length = quint32(failure.size());
        failure.append(reinterpret_cast<const char *>(&length), sizeof length);
        sent = writeAll(fd, failure);
    }
    sent = sent && writeAll(fd, failure.isEmpty() ? "\1" : QByteArrayView("\0", 1));
    ::_exit(sent ? 0 : 1);
}

enum class Reading { Done, Late, TooMuch, Broken };

Reading readAll(int fd, QByteArray &into, const ApartBounds &bounds)
{
    const Clock::time_point deadline = Clock::now() + bounds.time;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd watch{fd, POLLIN, 0};
        const int ready = left > 0 ? ::poll(&watch, 1, int(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return Reading::Late;
        if (ready < 0)
            return Reading::Broken;
        const qsizetype had = into.size();
        into.resize(had + 65536);
        const ssize_t n = ::read(fd, into.data() + had, 65536);
        into.resize(had + std::max<qsizetype>(0, n));
        if (n == 0)
            return Reading::Done;
        if (n < 0 && errno != EINTR)
            return Reading::Broken;
        if (into.size() > bounds.mostBytes + 1)
            return Reading::TooMuch;
    }
}

QString tookTooLong(const ApartBounds &bounds)
{
    return u"it took longer than %1 s"_s.arg(double(bounds.time.count()) / 1000);
}

QString endOf(int status, const ApartBounds &bounds)
{
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU)
        return tookTooLong(bounds);
    if (WIFSIGNALED(status))
        return u"it failed, most likely out of memory (%1)"_s.arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status))));
    return u"it failed"_s;
}

} // namespace

Result<QByteArray> doApart(const ApartWork &work, const ApartBounds &bounds)
{
    // A forked child has only the thread that forked it: a pool's idle threads would be there in
    // name only, and the work they were handed never done. Letting them go first costs nothing.
    QThreadPool::globalInstance()->waitForDone();
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return fail(QString(), u"cannot start a process: %1"_s.arg(QString::fromLocal8Bit(std::strerror(errno))));
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return fail(QString(), u"cannot start a process: %1"_s.arg(QString::fromLocal8Bit(std::strerror(error))));
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        workInChild(pipeEnds[1], work, bounds);
    }
    ::close(pipeEnds[1]);
    QByteArray answer;
    const Reading reading = readAll(pipeEnds[0], answer, bounds);
    ::close(pipeEnds[0]);
    if (reading != Reading::Done)
        ::kill(child, SIGKILL); // our own child, not yet reaped: its PID cannot be another's
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (reading == Reading::Late)
        return fail(QString(), tookTooLong(bounds));
    if (reading == Reading::TooMuch)
        return fail(QString(), u"it made more than %1 MB"_s.arg(bounds.mostBytes >> 20));
    if (reading == Reading::Broken || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || answer.isEmpty())
        return fail(QString(), endOf(status, bounds));
    const bool made = answer.back() == '\1';
    answer.chop(1);
    if (made)
        return answer;
    constexpr qsizetype kLength = sizeof(quint32);
    quint32 length = 0;
    if (answer.size() >= kLength)
        std::memcpy(&length, answer.constData() + answer.size() - kLength, kLength);
    if (answer.size() < kLength || qint64(length) > answer.size() - kLength)
        return fail(QString(), u"it failed"_s);
    const QByteArray failure = answer.sliced(answer.size() - kLength - length, length);
    const qsizetype split = failure.indexOf('\0');
    return fail(QString::fromUtf8(failure.left(split)), QString::fromUtf8(failure.mid(split + 1)));
}

} // namespace marvane
