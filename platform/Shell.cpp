#include "platform/Shell.h"

#include <QCoreApplication>
#include <QProcess>

namespace marvane::Shell {

bool open(const QUrl &url)
{
    // QDesktopServices answers true as soon as xdg-open starts, which proves nothing: its exit
    // status says whether a program took the address. One still at work after a while (a browser
    // it waits for) has taken it, and is left to run.
    auto *run = new QProcess(QCoreApplication::instance());
    QObject::connect(run, &QProcess::finished, run, &QObject::deleteLater);
    run->start(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
    if (!run->waitForStarted(2000)) {
        run->deleteLater();
        return false;
    }
    if (!run->waitForFinished(3000))
        return true;
    return run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0;
}

} // namespace marvane::Shell
