#pragma once

#include "app/MainWindowServices.h"
#include "calendar/Canvas.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace marvane {

class CanvasView;

// The main window: the picture, the month and year choosers, the command buttons and, with the
// argument 9, the silent run that refreshes, sets the wallpaper and exits.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(MainWindowServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Fills the choosers, loads the settings, selects this month; shows the window unless the
    // argument is 9, which starts the silent run instead.
    void start();

    // The start argument: 0 for an empty command line; a text that is not a 16-bit number is 0.
    static std::int16_t parseStartArgument(const QString &commandLine);

    const Options &options() const { return m_options; }
    Canvas &canvas() { return m_canvas; }
    bool isSilent() const { return m_startArgument == 9; }

public Q_SLOTS:
    void refresh();
    void setDesktop();
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
    // The silent run waits twice before it paints, so that a log-on desktop has settled.
    enum class SilentStep { Idle, Settling, Waiting };

    void buildControls();
    // Paints the chosen month; the reason when it could not, and the canvas is then not to be shown
    // as a wallpaper.
    std::optional<QString> repaint();
    void advanceSilentRun();
    // Scrolls the picture the least that shows the calendar's box, unless the user scrolled by
    // hand and the box has not moved since.
    void showCalendarBox();
    // Runs an action; a failure that escapes it is reported, not fatal.
    void guarded(const std::function<void()> &action);
    void fail(const QString &message);

    MainWindowServices m_services;
    Options m_options;
    Canvas m_canvas;
    ToDoStore m_store;
    std::int16_t m_startArgument = 0;
    int m_exitCode = 0;
    SilentStep m_silentStep = SilentStep::Idle;

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
    CanvasView *m_canvasView = nullptr;
    QTimer *m_silentRunTimer = nullptr;
};

} // namespace marvane
