#include "app/OptionsDialog.h"

#include "calendar/BackgroundPicture.h"
#include "wallpaper/WallpaperInstaller.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace marvane {

using namespace Qt::StringLiterals;

// The picture under the calendar and the desktop's own wallpaper.

void OptionsDialog::showPicture(const QString &path)
{
    m_picturePath = path;
    // The name alone fits the line; the whole path is a hover away.
    m_pictureName->setText(path.isEmpty() ? tr("(none)") : QFileInfo(path).fileName());
    m_pictureName->setToolTip(path);
    m_clearButton->setEnabled(!path.isEmpty());
}

void OptionsDialog::browsePicture()
{
    if (!m_pictures.choose)
        return;
    if (const QString chosen = m_pictures.choose(this, BackgroundPicture::fileFilter()); !chosen.isEmpty())
        showPicture(chosen);
}

void OptionsDialog::clearPicture()
{
    showPicture(QString());
}

void OptionsDialog::useCurrentWallpaper()
{
    const QString current = m_pictures.currentWallpaper ? m_pictures.currentWallpaper() : QString();
    // Marvane's own picture would put the calendar under the calendar.
    const QString folder = m_pictures.pictureFolder.isEmpty() ? QFileInfo(m_file).absolutePath() : m_pictures.pictureFolder;
    const bool ours = WallpaperInstaller::isOwnPicture(current, folder);
    if (current.isEmpty())
        QMessageBox::information(this, u"Marvane"_s, tr("The desktop does not say which picture it shows."));
    else if (ours)
        QMessageBox::information(this, u"Marvane"_s,
                                 tr("The desktop shows Marvane's own picture; choose yours with Browse..."));
    else
        showPicture(current);
}

void OptionsDialog::restoreWallpaper()
{
    const Result<> back = m_pictures.restoreWallpaper
                              ? m_pictures.restoreWallpaper()
                              : fail(u"wallpaper"_s, u"this desktop does not say which wallpaper it shows"_s);
    if (back)
        QMessageBox::information(this, u"Marvane"_s, tr("The wallpaper the desktop showed before Marvane is back."));
    else
        QMessageBox::warning(this, u"Marvane"_s, tr("The wallpaper could not be put back: %1").arg(back.error().reason()));
}

} // namespace marvane
