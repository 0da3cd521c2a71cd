#pragma once

// One run of a program in a process of its own, as the benchmarks time it: wall and CPU time,
// peak memory, its exit status and the phases it marks (MARVANE_PHASES).
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace marvane::bench {

struct Run
{
    double wallMs = 0;
    double cpuMs = 0;
    double peakMb = 0;
    int status = 0;
    std::map<std::string, double> phases; // ms after the fork
    std::map<std::string, double> phaseCpu; // the run's CPU ms by then
};

inline double monotonicNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e9 + static_cast<double>(now.tv_nsec);
}

// `display` empty: none at all.
inline Run runOnce(const std::vector<std::string> &argv, const QByteArray &display, const QString &phaseFile)
{
    const double start = monotonicNs();
    const pid_t child = ::fork();
    if (child == 0) {
        if (display.isEmpty())
            ::unsetenv("DISPLAY");
        else
            ::setenv("DISPLAY", display.constData(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        ::setenv("MARVANE_PHASES", "1", 1);
        // ImageMagick's own convert, not a wrapper of the same name earlier in PATH.
        ::setenv("PATH", (std::string("/usr/bin:/bin:") + (std::getenv("PATH") ? std::getenv("PATH") : "")).c_str(), 1);
        const int err = ::open(QFile::encodeName(phaseFile).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(err, 2);
        // What a command prints is not the benchmark's.
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    Run r;
    r.wallMs = (monotonicNs() - start) / 1e6;
    r.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    r.peakMb = usage.ru_maxrss / 1024.0;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    QFile log(phaseFile);
    if (log.open(QIODevice::ReadOnly))
        for (const QByteArray &line : log.readAll().split('\n'))
            if (line.startsWith("phase ")) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() == 4) {
                    r.phases[parts[1].toStdString()] = (parts[2].toDouble() - start) / 1e6;
                    r.phaseCpu[parts[1].toStdString()] = parts[3].toDouble() / 1e6;
                }
            }
    return r;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace marvane::bench
