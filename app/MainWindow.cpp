#include "app/MainWindow.h"

#include "app/PictureUpdate.h"

#include "calendar/CalendarPainter.h"
#include "platform/Fonts.h"
#include "platform/StandardError.h"
#include "settings/OptionsFile.h"
#include "widgets/CanvasView.h"
#include "widgets/FormControls.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// The window as it was laid out; it shrinks to smaller screens and grows when the user wants.
constexpr QSize kDesignedSize(731, 529);
constexpr int kPictureTop = 40;
// Room kept right of and below the picture.
constexpr QSize kPictureMargins(34, 32);
using controls::button;
using controls::label;

QComboBox *chooser(QWidget *parent, const QString &name, QRect geometry)
{
    QComboBox *c = controls::list(parent, name, geometry);
    QPalette p = c->palette();
    p.setColor(QPalette::Base, QColor(255, 224, 192));
    p.setColor(QPalette::Button, QColor(255, 224, 192));
    c->setPalette(p);
    c->setAutoFillBackground(true);
    return c;
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)),
      m_store(ToDoStore::fileIn(m_services.applicationDirectory), m_services.clock)
{
    buildControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Marvane"_s);
    setFont(Fonts::formFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(p);
    setAutoFillBackground(true);
    resize(kDesignedSize);

    // The controls keep their places in a strip that scrolls sideways when the window is
    // narrower than the row of buttons; the picture takes whatever room the window has.
    m_controlsArea = new QScrollArea(this);
    m_controlsArea->setObjectName(u"controlsArea"_s);
    m_controlsArea->setFrameShape(QFrame::NoFrame);
    m_controlsArea->setFocusPolicy(Qt::NoFocus);
    m_controlsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_controls = new QWidget;
    m_controls->setObjectName(u"controls"_s);
    m_controls->setFixedSize(kDesignedSize.width(), kPictureTop);
    m_controlsArea->setWidget(m_controls);
    m_controlsArea->viewport()->setAutoFillBackground(false);
    m_controls->setAutoFillBackground(false);
    setMinimumSize(160, 120);

    m_pictureArea = new QScrollArea(this);
    m_pictureArea->setObjectName(u"pictureArea"_s);
    m_pictureArea->setGeometry(0, kPictureTop, 697, 457);
    m_canvasView = new CanvasView(m_canvas);
    m_canvasView->setObjectName(u"canvasView"_s);
    m_pictureArea->setWidget(m_canvasView);
    m_pictureArea->viewport()->installEventFilter(this);
    for (QScrollBar *bar : {m_pictureArea->horizontalScrollBar(), m_pictureArea->verticalScrollBar()}) {
        // Only the user's own scrolling counts: wheel, keys, dragging; not a clamp after a resize.
        connect(bar, &QScrollBar::actionTriggered, this, [this] { m_scrolledByHand = true; });
        // The range follows the view's size a step later than the resize itself.
        connect(bar, &QScrollBar::rangeChanged, this, [this] { showCalendarBox(); });
    }

    QWidget *c = m_controls;
    m_refreshButton = button(c, u"refreshButton"_s, u"&Refresh"_s, {8, 8, 81, 25});
    m_setDesktopButton = button(c, u"setDesktopButton"_s, u"Set &Desktop"_s, {96, 8, 81, 25});
    m_yearLabel = label(c, u"yearLabel"_s, u"Year:"_s, {184, 12});
    m_yearCombo = chooser(c, u"yearCombo"_s, {216, 10, 57, 21});
    m_monthLabel = label(c, u"monthLabel"_s, u"Month:"_s, {280, 12});
    m_monthCombo = chooser(c, u"monthCombo"_s, {320, 10, 57, 21});
    m_optionsButton = button(c, u"optionsButton"_s, u"&Options..."_s, {384, 8, 81, 25});
    m_toDoListButton = button(c, u"toDoListButton"_s, u"&To Do List..."_s, {472, 8, 81, 25});
    m_aboutButton = button(c, u"aboutButton"_s, u"&About..."_s, {560, 8, 81, 25});
    m_helpButton = button(c, u"helpButton"_s, u"&Help"_s, {648, 8, 81, 25});
    controls::centreOn(m_yearLabel, m_yearCombo);
    controls::centreOn(m_monthLabel, m_monthCombo);

    controls::setTabOrder({m_pictureArea, m_refreshButton, m_setDesktopButton, m_yearCombo, m_monthCombo,
                           m_optionsButton, m_toDoListButton, m_aboutButton, m_helpButton});

    connect(m_refreshButton, &QPushButton::clicked, this, &MainWindow::refresh);
    connect(m_setDesktopButton, &QPushButton::clicked, this, &MainWindow::setDesktop);
    connect(m_optionsButton, &QPushButton::clicked, this, &MainWindow::showOptions);
    connect(m_toDoListButton, &QPushButton::clicked, this, &MainWindow::showToDoList);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(m_helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    // Fires for selections made by the program too: start-up relies on it.
    connect(m_yearCombo, &QComboBox::currentIndexChanged, this, &MainWindow::refresh);
    connect(m_monthCombo, &QComboBox::currentIndexChanged, this, &MainWindow::refresh);
}

void MainWindow::start()
{
    guarded([this] {
        controls::fillNumbers(m_yearCombo, controls::kFirstYear, controls::kLastYear);
        controls::fillNumbers(m_monthCombo, 1, 12);
        const QDate today = m_services.clock.today();
        m_yearCombo->setCurrentIndex(controls::yearIndex(today.year()));
        OptionsFile::load(m_options, OptionsFile::path(m_services.applicationDirectory));
        if (const Result<> e = m_services.updateAutostart(m_options.startAtLogon); !e.has_value())
            printError(e.error().message());
        m_monthCombo->setCurrentIndex(today.month() - 1);
    });
    fitToScreen(this, kDesignedSize);
    show();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only now do the scroll bars know the picture's size.
    showCalendarBox();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The view's size settles only once the scroll bars it needs have appeared.
    if (event->type() == QEvent::Resize && watched == m_pictureArea->viewport())
        showCalendarBox();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    const int strip = kPictureTop + (width() < m_controls->width()
                                          ? m_controlsArea->horizontalScrollBar()->sizeHint().height()
                                          : 0);
    m_controlsArea->setGeometry(0, 0, width(), strip);
    m_pictureArea->setGeometry(0, strip, std::max(1, width() - kPictureMargins.width()),
                               std::max(1, height() - strip - kPictureMargins.height()));
    QWidget::resizeEvent(event);
}

void MainWindow::showCalendarBox()
{
    const QRect box = calendarBox(m_options, m_canvas.size()).intersected(QRect(QPoint(0, 0), m_canvas.size()));
    if (box.isEmpty() || (m_scrolledByHand && box == m_shownBox))
        return;
    m_shownBox = box;
    m_scrolledByHand = false;
    const QSize view = m_pictureArea->viewport()->size();
    // The least movement that shows the whole box, or its top-left part when the view is smaller.
    const auto scroll = [](QScrollBar *bar, int from, int length, int viewLength) {
        int value = bar->value();
        if (length > viewLength || from < value)
            value = from;
        else if (from + length > value + viewLength)
            value = from + length - viewLength;
        bar->setValue(value);
    };
    scroll(m_pictureArea->horizontalScrollBar(), box.left(), box.width(), view.width());
    scroll(m_pictureArea->verticalScrollBar(), box.top(), box.height(), view.height());
}

void MainWindow::guarded(const std::function<void()> &action)
{
    if (const Result<> done = resultOf(action); !done)
        fail(done.error().reason());
}

void MainWindow::fail(const QString &message)
{
    m_services.report(this, false, message);
}

Result<> MainWindow::repaint()
{
    const QDate today = m_services.clock.today();
    const QString yearText = m_yearCombo->currentText();
    const QString monthText = m_monthCombo->currentText();
    const int year = yearText.isEmpty() ? today.year() : yearText.toInt();
    const int month = monthText.isEmpty() ? today.month() : monthText.toInt();
    const Result<> painted = paintPicture(m_canvas, m_options, m_services, m_store, year, month);
    // What was painted shows either way; only a whole picture counts as a refresh.
    m_canvasView->canvasChanged();
    if (painted) {
        showCalendarBox();
        Q_EMIT refreshed(year, month, m_options);
    }
    return painted;
}

void MainWindow::refresh()
{
    if (const Result<> painted = repaint(); !painted)
        fail(painted.error().reason());
}

void MainWindow::setDesktop()
{
    // Painted afresh, and installed only when the whole picture could be painted.
    if (const Result<> painted = repaint(); !painted) {
        fail(notInstalledMessage(painted.error().reason()));
        return;
    }
    if (const Result<> installed = installPicture(m_canvas, m_options, m_services); !installed)
        fail(installed.error().reason());
}

void MainWindow::showOptions()
{
    guarded([this] {
        if (m_services.openOptions)
            m_services.openOptions(this, m_options, [this] { refresh(); });
    });
    refresh();
}

void MainWindow::showToDoList()
{
    guarded([this] {
        if (m_services.openToDo)
            m_services.openToDo(this);
    });
    refresh();
}

void MainWindow::showAbout()
{
    guarded([this] {
        if (m_services.openAbout)
            m_services.openAbout(this);
    });
}

void MainWindow::showHelp()
{
    guarded([this] {
        if (m_services.openHelp)
            m_services.openHelp(this);
    });
}

} // namespace marvane
