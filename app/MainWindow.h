#pragma once

#include "app/MainWindowServices.h"
#include "app/PictureJob.h"

#include <QRect>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace marvane {

class LogonNotice;

class CanvasView;

// The main window: the picture, the month and year choosers and the command buttons.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(MainWindowServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Fills the choosers, loads the settings, renews the log-on entry, selects this month and
    // shows the window.
    void start();

    const Options &options() const { return m_job.options(); }
    Canvas &canvas() { return m_job.canvas(); }

public Q_SLOTS:
    void refresh();
    void setDesktop();
    // Repaints after a saved change, installing too when the desktop shows this program's picture;
    // whether it installed.
    bool showChanges();
    // Takes the desktop's own picture as the one under the calendar while none is chosen.
    void adoptUsersWallpaper();
    // Turns the log-on run on or off as the options say, and offers the notice about it.
    void armLogonRun();
    void rememberNoticeAnswered();
    void turnOffLogonRun();
    // With the log-on run turned off, the wallpaper the desktop showed before comes back where it
    // shows this program's picture; whether it did.
    bool putBackUsersWallpaper();
    void showOptions();
    void showToDoList();
    void showAbout();
    void showHelp();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // After each refresh, with the month shown and the record it was painted from.
    void refreshed(int year, int month, const marvane::Options &options);

private:
    void buildControls();
    // The row of buttons and choosers, in a widget of its own for the strip that scrolls it.
    QWidget *buildButtonRow();
    void connectControls();
    // Paints the chosen month; the reason when it could not, and the canvas is then not to be shown
    // as a wallpaper.
    Result<> repaint();
    // Scrolls the picture the least that shows the calendar's box, unless the user scrolled by
    // hand and the box has not moved since.
    void showCalendarBox();
    void fail(const Message &message);
    // Shows why the background picture could not be read, if it could not.
    void tellBackgroundProblem();

    MainWindowServices m_services;
    PictureJob m_job;

    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_setDesktopButton = nullptr;
    QLabel *m_yearLabel = nullptr;
    QComboBox *m_yearCombo = nullptr;
    QLabel *m_monthLabel = nullptr;
    QComboBox *m_monthCombo = nullptr;
    QPushButton *m_optionsButton = nullptr;
    QPushButton *m_toDoListButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    QScrollArea *m_controlsArea = nullptr;
    QWidget *m_controls = nullptr;
    QScrollArea *m_pictureArea = nullptr;
    QRect m_shownBox;
    bool m_scrolledByHand = false;
    bool m_installed = false; // Set Desktop put this window's picture on the desktop
    CanvasView *m_canvasView = nullptr;
    LogonNotice *m_logonNotice = nullptr;
};

} // namespace marvane
