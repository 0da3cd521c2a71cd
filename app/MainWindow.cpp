#include "app/MainWindow.h"

#include "app/LogonNotice.h"

#include "calendar/CalendarPainter.h"
#include "platform/Fonts.h"
#include "platform/StandardError.h"
#include "widgets/CanvasView.h"
#include "widgets/FormControls.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// The window as it was laid out; it shrinks to smaller screens and grows when the user wants.
constexpr QSize kDesignedSize(731, 529);
// Room kept right of and below the picture.
constexpr QSize kPictureMargins(34, 32);
using controls::button;
using controls::label;

QComboBox *chooser(QWidget *parent, const QString &name)
{
    QComboBox *c = controls::list(parent, name, {57, 21});
    QPalette p = c->palette();
    // Forced light, so its text is forced dark: a dark colour scheme would make it white.
    p.setColor(QPalette::Base, QColor(255, 224, 192));
    p.setColor(QPalette::Button, QColor(255, 224, 192));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    c->setPalette(p);
    c->setAutoFillBackground(true);
    return c;
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)), m_job(m_services)
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
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    setMinimumSize(160, 120);
    resize(kDesignedSize);

    // The row of controls scrolls sideways when the window is narrower than the row; the picture
    // takes whatever room the window has, less a margin right of and below it.
    m_controlsArea = new QScrollArea(this);
    m_controlsArea->setObjectName(u"controlsArea"_s);
    m_controlsArea->setFrameShape(QFrame::NoFrame);
    m_controlsArea->setFocusPolicy(Qt::NoFocus);
    m_controlsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_controlsArea->setWidget(buildButtonRow());
    m_controlsArea->setFixedHeight(m_controls->height());
    m_controlsArea->viewport()->setAutoFillBackground(false);

    m_pictureArea = new QScrollArea(this);
    m_pictureArea->setObjectName(u"pictureArea"_s);
    m_canvasView = new CanvasView(m_job.canvas());
    m_canvasView->setObjectName(u"canvasView"_s);
    m_pictureArea->setWidget(m_canvasView);
    m_pictureArea->viewport()->installEventFilter(this);
    for (QScrollBar *bar : {m_pictureArea->horizontalScrollBar(), m_pictureArea->verticalScrollBar()}) {
        // Only the user's own scrolling counts: wheel, keys, dragging; not a clamp after a resize.
        connect(bar, &QScrollBar::actionTriggered, this, [this] { m_scrolledByHand = true; });
        // The range follows the view's size a step later than the resize itself.
        connect(bar, &QScrollBar::rangeChanged, this, [this] { showCalendarBox(); });
    }

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_controlsArea);
    auto *picture = new QHBoxLayout;
    picture->setContentsMargins(0, 0, kPictureMargins.width(), kPictureMargins.height());
    picture->addWidget(m_pictureArea);
    column->addLayout(picture, 1);
    m_logonNotice = new LogonNotice(this);
    column->addWidget(m_logonNotice);
    connect(m_logonNotice, &LogonNotice::kept, this, &MainWindow::rememberNoticeAnswered);
    connect(m_logonNotice, &LogonNotice::turnedOff, this, &MainWindow::turnOffLogonRun);

    controls::setTabOrder({m_pictureArea, m_refreshButton, m_setDesktopButton, m_yearCombo, m_monthCombo,
                           m_optionsButton, m_toDoListButton, m_aboutButton, m_helpButton});
    connectControls();
}

QWidget *MainWindow::buildButtonRow()
{
    m_controls = new QWidget(this);
    m_controls->setObjectName(u"controls"_s);
    m_controls->setAutoFillBackground(false);
    QWidget *c = m_controls;
    m_refreshButton = button(c, u"refreshButton"_s, tr("&Refresh"));
    m_setDesktopButton = button(c, u"setDesktopButton"_s, tr("Set &Desktop"));
    m_yearLabel = label(c, u"yearLabel"_s, tr("Year:"));
    m_yearCombo = chooser(c, u"yearCombo"_s);
    m_monthLabel = label(c, u"monthLabel"_s, tr("Month:"));
    m_monthCombo = chooser(c, u"monthCombo"_s);
    m_optionsButton = button(c, u"optionsButton"_s, tr("&Options..."));
    m_toDoListButton = button(c, u"toDoListButton"_s, tr("&To Do List..."));
    m_aboutButton = button(c, u"aboutButton"_s, tr("&About..."));
    m_helpButton = button(c, u"helpButton"_s, tr("&Help"));

    auto *row = new QHBoxLayout(c);
    row->setSizeConstraint(QLayout::SetFixedSize);
    row->setContentsMargins(8, 8, 2, 7);
    row->setSpacing(7);
    const auto named = [row](QLabel *label, int width, QComboBox *chooser) {
        // The caption takes at least its old room; its chooser follows with no gap.
        label->setMinimumWidth(width);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        // Four digits at most, in the windows' fixed face: the designed size always holds them.
        chooser->setFixedSize(chooser->minimumSize());
        auto *pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(label);
        pair->addWidget(chooser);
        row->addLayout(pair);
    };
    row->addWidget(m_refreshButton);
    row->addWidget(m_setDesktopButton);
    named(m_yearLabel, 32, m_yearCombo);
    named(m_monthLabel, 40, m_monthCombo);
    for (QPushButton *b : {m_optionsButton, m_toDoListButton, m_aboutButton, m_helpButton})
        row->addWidget(b);
    c->adjustSize();
    return c;
}

void MainWindow::connectControls()
{
    // Refresh asks the screen again too: its size or scale may have changed since. It is the
    // window's one way to fetch the calendar addresses: nothing else goes to the network.
    connect(m_refreshButton, &QPushButton::clicked, this, [this] {
        m_services.screen.refresh();
        m_job.fetchCalendars(std::chrono::seconds(0));
        refresh();
    });
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
    controls::fillNumbers(m_yearCombo, controls::kFirstYear, controls::kLastYear);
    controls::fillNumbers(m_monthCombo, 1, 12);
    const QDate today = m_services.clock.today();
    m_yearCombo->setCurrentIndex(controls::yearIndex(today.year()));
    m_job.loadOptions();
    armLogonRun();
    m_monthCombo->setCurrentIndex(today.month() - 1);
    // Wide enough for the row of controls, whose captions are longer in some languages.
    fitToScreen(this, kDesignedSize.expandedTo(QSize(m_controls->sizeHint().width(), 0)));
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
    QWidget::resizeEvent(event);
    // The strip is as tall as its row, and as its scroll bar too once the window is narrower.
    const int bar = width() < m_controls->width() ? m_controlsArea->horizontalScrollBar()->sizeHint().height() : 0;
    if (m_controlsArea->height() != m_controls->height() + bar) {
        m_controlsArea->setFixedHeight(m_controls->height() + bar);
        layout()->activate();
    }
}

void MainWindow::showCalendarBox()
{
    const QSize canvas = m_job.canvas().size();
    const QRect box = m_canvasView->viewRect(
        calendarBox(m_job.options(), canvas, m_job.calendarScale()).intersected(QRect(QPoint(0, 0), canvas)));
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

void MainWindow::fail(const Message &message)
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
    const Result<> painted = m_job.paint(m_job.inputs(year, month));
    // What was painted shows either way; only a whole picture counts as a refresh.
    m_canvasView->canvasChanged();
    // A calendar that could not be read is told once; the rest is painted.
    for (const Failure &problem : m_job.takeCalendarProblems())
        fail(Message::plain(problem.message()));
    if (painted) {
        showCalendarBox();
        Q_EMIT refreshed(year, month, m_job.options());
    }
    return painted;
}

void MainWindow::tellBackgroundProblem()
{
    // The calendar is whole over the desktop colour; the user who chose the picture is told why.
    if (const std::optional<Failure> &failure = m_job.backgroundFailure())
        fail(Message::of("MainWindow", QT_TRANSLATE_NOOP("MainWindow", "%1; the desktop colour is shown instead"))
                 .arg(failure->message()));
}

void MainWindow::refresh()
{
    if (const Result<> painted = repaint(); !painted)
        fail(Message::plain(painted.error().reason()));
}

void MainWindow::setDesktop()
{
    // Painted afresh for the screen as it is now, and installed only when the whole picture could
    // be painted.
    adoptUsersWallpaper();
    m_services.screen.refresh();
    if (const Result<> painted = repaint(); !painted) {
        fail(PictureJob::notInstalledMessage(painted.error().reason()));
        return;
    }
    tellBackgroundProblem();
    if (const Result<> installed = m_job.install(); !installed)
        fail(Message::plain(installed.error().reason()));
    else
        m_installed = true;
}

bool MainWindow::showChanges()
{
    // A saved change reaches the desktop at once where it shows this program's picture; else only
    // the window shows it, as Refresh does. Set Desktop tells a picture's problem itself.
    const bool ours = m_installed || (m_services.desktopShowsOurPicture && m_services.desktopShowsOurPicture());
    if (ours)
        setDesktop();
    else
        refresh();
    return ours;
}

void MainWindow::showOptions()
{
    const Options before = m_job.options();
    if (m_services.openOptions)
        m_services.openOptions(this, m_job.options(), [this] {
            if (!showChanges())
                tellBackgroundProblem();
        });
    // Restore wallpaper may have put the user's own back meanwhile.
    m_installed = m_installed && (!m_services.desktopShowsOurPicture || m_services.desktopShowsOurPicture());
    if (before.startAtLogon && !m_job.options().startAtLogon && putBackUsersWallpaper())
        refresh();
    else if (m_job.options() == before)
        refresh();
    else if (!showChanges())
        tellBackgroundProblem();
}

void MainWindow::showToDoList()
{
    if (m_services.openToDo)
        m_services.openToDo(this, [this] { (void)showChanges(); });
    refresh();
}

void MainWindow::showAbout()
{
    if (m_services.openAbout)
        m_services.openAbout(this);
}

void MainWindow::showHelp()
{
    if (m_services.openHelp)
        m_services.openHelp(this);
}

} // namespace marvane
