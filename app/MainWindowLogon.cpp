#include "app/LogonNotice.h"
#include "app/MainWindow.h"
#include "platform/StandardError.h"
#include "settings/OptionsFile.h"
#include "settings/ProgramState.h"

namespace marvane {

// What the window does about the log-on run: it arms it as the options say, keeps the user's own
// picture under the calendar, and says so once in a bar the user answers.
void MainWindow::armLogonRun()
{
    if (m_job.options().startAtLogon)
        adoptUsersWallpaper();
    if (const Result<> e = m_services.updateAutostart(m_job.options().startAtLogon); !e.has_value())
        printError(e.error().message());
    if (m_job.options().startAtLogon && !ProgramState::logonNoticeAnswered(m_services.settingsDirectory))
        m_logonNotice->showFor(m_job.options().backgroundPicture);
}

void MainWindow::adoptUsersWallpaper()
{
    // Before the calendar first replaces the user's own picture, it becomes the one painted under
    // the calendar, so that their photo stays and Options shows which it is.
    if (!m_job.options().backgroundPicture.isEmpty() || !m_services.usersWallpaper)
        return;
    const std::optional<std::pair<QString, int>> shown = m_services.usersWallpaper();
    if (!shown)
        return;
    m_job.options().backgroundPicture = shown->first;
    m_job.options().backgroundStyle = shown->second;
    if (const Result<> saved = OptionsFile::save(m_job.options(), OptionsFile::path(m_services.settingsDirectory)); !saved)
        fail(Message::plain(saved.error().message()));
}

void MainWindow::rememberNoticeAnswered()
{
    if (const Result<> e = ProgramState::setLogonNoticeAnswered(m_services.settingsDirectory); !e)
        fail(Message::plain(e.error().message()));
}

void MainWindow::turnOffLogonRun()
{
    rememberNoticeAnswered();
    m_job.options().startAtLogon = false;
    // The settings first, as Options' OK does: a window start makes the entry agree with them.
    if (const Result<> saved = OptionsFile::save(m_job.options(), OptionsFile::path(m_services.settingsDirectory)); !saved)
        fail(Message::plain(saved.error().message()));
    else if (const Result<> off = m_services.updateAutostart(false); !off)
        fail(Message::plain(off.error().message()));
    else
        putBackUsersWallpaper();
}

bool MainWindow::putBackUsersWallpaper()
{
    const bool ours = m_installed || (m_services.desktopShowsOurPicture && m_services.desktopShowsOurPicture());
    if (!ours || !m_services.restoreWallpaper)
        return false;
    // Where nothing was kept the picture stays; that is no failure of turning the run off.
    if (const Result<> back = m_services.restoreWallpaper(); !back) {
        printError(back.error().message());
        return false;
    }
    m_installed = false;
    return true;
}

} // namespace marvane
