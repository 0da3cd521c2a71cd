#pragma once

#include "Canvas.h"
#include "Form1Services.h"
#include "Options.h"
#include "ToDoStore.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace marvane {

class CanvasView;

// The main window: the picture, the month and year choosers, the command buttons and, with the
// argument 9, the silent run that refreshes, sets the wallpaper and exits.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: fills the choosers, loads the settings, selects this month; shows the window
    // unless the argument is 9.
    void Form_Load();

    // The start argument: 0 for an empty command line; a text that is not a 16-bit number is 0.
    static std::int16_t parseStartArgument(const QString &commandLine);

    const Options &options() const { return m_options; }
    Canvas &canvas() { return m_canvas; }
    bool isSilent() const { return m_startArgument == 9; }

    QComboBox *cboYear = nullptr;
    QComboBox *cboMonth = nullptr;
    QPushButton *cmdRefresh = nullptr;
    QPushButton *cmdDeskTop = nullptr;
    QPushButton *cmdOptions = nullptr;
    QPushButton *cmdSetToDO = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdHelp = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *ddd = nullptr;
    QScrollArea *Picture1 = nullptr;
    QTimer *Timer1 = nullptr;

public Q_SLOTS:
    void cmdRefresh_Click();
    void cmdDeskTop_Click();
    void cmdOptions_Click();
    void cmdSetToDO_Click();
    void cmdAbout_Click();
    void cmdHelp_Click();
    void cboYear_Click();
    void cboMonth_Click();
    void Timer1_Timer();

Q_SIGNALS:
    // After each refresh, with the month shown and the record it was painted from.
    void refreshed(int year, int month, const marvane::Options &options);

private:
    void buildControls();
    // Runs an event procedure; a failure that escapes it is reported, not fatal.
    void guarded(const std::function<void()> &procedure);
    void fail(const QString &message);

    Form1Services m_services;
    Options m_options;
    Canvas m_canvas;
    ToDoStore m_store;
    CanvasView *m_view = nullptr;
    std::int16_t m_startArgument = 0;
    int m_exitCode = 0;
};

} // namespace marvane
