#include "app/WindowServices.h"

#include "app/AboutDialog.h"
#include "app/Help.h"
#include "app/OptionsDialog.h"
#include "app/ToDoDialog.h"
#include "wallpaper/WallpaperBackend.h"
#include "platform/AppPaths.h"
#include "platform/Shell.h"
#include "platform/StandardError.h"
#include "settings/OptionsFile.h"
#include "todo/ToDoStore.h"

#include <QDir>
#include <QFileDialog>

#include <QMessageBox>

namespace marvane {

MainWindowServices windowServices(MainWindowServices base, const WallpaperBackend *desktop)
{
    MainWindowServices s = std::move(base);
    const QString dir = s.settingsDirectory;
    const Clock &clock = s.clock;
    const OptionsDialog::PictureSources pictures{
        [](QWidget *parent, const QString &filter) {
            return QFileDialog::getOpenFileName(parent, QObject::tr("Choose a picture"), QDir::homePath(), filter);
        },
        [desktop] { return desktop ? WallpaperBackend::pictureFileIn(desktop->currentPicture()) : QString(); },
        AppPaths::pictureDirectory(), s.restoreWallpaper};
    s.openOptions = [dir, updateAutostart = s.updateAutostart, pictures](QWidget *owner, Options &options,
                                                                         const std::function<void()> &repaint) {
        OptionsDialog dialog(options, OptionsFile::path(dir), updateAutostart, pictures, owner);
        QObject::connect(&dialog, &OptionsDialog::applied, &dialog, repaint);
        dialog.exec();
    };
    s.openToDo = [dir, &clock](QWidget *owner, const std::function<void()> &saved) {
        const ToDoStore store(ToDoStore::fileIn(dir), clock);
        ToDoDialog dialog(store, clock, owner);
        QObject::connect(&dialog, &ToDoDialog::saved, &dialog, saved);
        dialog.exec();
    };
    s.openAbout = [](QWidget *owner) {
        AboutDialog box(Shell::open, owner);
        box.exec();
    };
    s.openHelp = [](QWidget *owner) {
        Help::open(owner, QDir::currentPath(), AppPaths::applicationDirectory(), Shell::open);
    };
    s.report = [](QWidget *owner, bool silent, const Message &message) {
        printError(message.english);
        if (!silent)
            QMessageBox::warning(owner, QStringLiteral("Marvane"), message.shown);
    };
    return s;
}

} // namespace marvane
