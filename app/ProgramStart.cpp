#include "app/ProgramStart.h"

#include "app/ItemCommands.h"
#include "app/MainWindowServices.h"
#include "app/SilentRun.h"
#include "logon/AutostartEntry.h"
#include "logon/RefreshTimer.h"
#include "platform/AppPaths.h"
#include "platform/LocaleNames.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"
#include "settings/ProgramState.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/SavedWallpaper.h"
#include "wallpaper/WallpaperInstaller.h"

#include <QGuiApplication>

#include <cstdio>
#include <QLibraryInfo>
#include <QTranslator>

namespace marvane {

namespace {

const QString kVersion = QStringLiteral("1.0");

} // namespace

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Marvane"));
    QGuiApplication::setApplicationVersion(kVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.marvane.Marvane"));
}

std::optional<QString> commandLineAnswer(const QStringList &arguments)
{
    if (arguments == QStringList{QStringLiteral("--version")})
        return QStringLiteral("Marvane %1\n").arg(kVersion);
    if (arguments != QStringList{QStringLiteral("--help")})
        return std::nullopt;
    const QString settings = AppPaths::settingsDirectory();
    const QString pictures = AppPaths::pictureDirectory();
    const QString where =
        settings == pictures
            ? QStringLiteral("Beside the program, in %1:\n").arg(settings)
            : QStringLiteral("The program's folder is not the user's own, so the files live in\n"
                             "  %1 (options.ini, todolist.ini)\n  %2 (temp.bmp):\n")
                  .arg(settings, pictures);
    return QStringLiteral(
               "Usage: pendrel [9]\n"
               "       pendrel add [--date DATE] TEXT...\n"
               "       pendrel list [--date DATE] [--days N]\n"
               "       pendrel remove [--date DATE] N\n"
               "Paints this month's calendar and today's to-do items onto the desktop wallpaper.\n"
               "\n"
               "  (nothing)  open the window: months, Set Desktop, Options, the to-do list\n"
               "  9          paint this month, make it the wallpaper and exit, without a window;\n"
               "             the log-on entry and the midnight timer start the program so\n"
               "  add        add an item (at most 50 characters) in the first free of the date's\n"
               "             twelve places\n"
               "  list       list the items of N days (1 unless told) from the date on\n"
               "  remove     remove item N of the date\n"
               "             DATE is YYYY-MM-DD, today, tomorrow or +N days; today unless told.\n"
               "             A change is painted at once where the desktop shows Marvane's picture.\n"
               "  --restore-wallpaper\n"
               "             put back the wallpaper the desktop showed before Marvane's picture\n"
               "  --help     show this and exit\n"
               "  --version  show the version and exit\n"
               "\n"
               "%1"
               "  options.ini   the settings; Calendars= lists your calendars, separated by \";\":\n"
               "                an .ics file (/home/you/holidays.ics), a folder of them as vdirsyncer\n"
               "                keeps it (/home/you/.calendars/work) or an address of a published\n"
               "                calendar (https://example.org/team.ics); Options, Calendars adds them.\n"
               "                Addresses are fetched at most once an hour by the log-on run and the\n"
               "                timer, by the window only on Refresh, and kept in %5\n"
               "  todolist.ini  the to-do items, up to twelve a date\n"
               "  temp.bmp      the picture last painted\n"
               "\n"
               "While \"Refresh desktop when computer starts.\" is ticked in Options (it is at first):\n"
               "  log-on entry    %2\n"
               "  midnight timer  %3\n"
               "                  %4\n")
        .arg(where, AutostartEntry::path(), RefreshTimer::timerPath(), RefreshTimer::servicePath(),
             AppPaths::cacheHome() + QStringLiteral("/marvane/"));
}

int runItemCommand(const QStringList &arguments)
{
    const SystemClock clock;
    const ToDoStore store(ToDoStore::fileIn(AppPaths::settingsDirectory()), clock);
    const Result<ItemCommandAnswer> answer = ItemCommands::run(arguments, store, clock.today());
    if (!answer) {
        printError(answer.error().message());
        return 1;
    }
    std::fputs(answer->text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return answer->changed ? kRepaint : 0;
}

int restoreWallpaper(const Desktop &desktop)
{
    const QString shown = WallpaperBackend::pictureFileIn(desktop.backend().currentPicture());
    if (!shown.isEmpty() && !WallpaperInstaller::isOwnPicture(shown, AppPaths::pictureDirectory())) {
        std::fputs(qPrintable(QStringLiteral("The desktop shows %1, not Marvane's picture; it stays.\n").arg(shown)), stdout);
        return 0;
    }
    if (const Result<> back = SavedWallpaper::restore(desktop, ProgramState::path(AppPaths::settingsDirectory())); !back) {
        printError(back.error().message());
        return 1;
    }
    std::fputs("The wallpaper the desktop showed before Marvane is back.\n", stdout);
    return 0;
}

void installTranslations(bool window)
{
    using namespace Qt::StringLiterals;
    const auto install = [](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(), name, u"_"_s, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(u"marvane"_s, u":/i18n"_s);
    if (window)
        install(u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

int runSilently(bool display, const Desktop &desktop)
{
    installTranslations(false);
    const SystemClock clock;
    const LocaleNames names;
    SilentRun run(MainWindowServices::forProgram(clock, desktop, names, display));
    run.start();
    return QGuiApplication::exec();
}

} // namespace marvane
