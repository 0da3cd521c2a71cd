#include "Form1.h"

#include "CanvasRefresh.h"
#include "CanvasView.h"
#include "Controls.h"
#include "Fonts.h"
#include "Module1.h"
#include "Twips.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include <exception>
#include <limits>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
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

Form1::Form1(Form1Services services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)),
      m_store(ToDoStore::fileIn(m_services.applicationDirectory), m_services.clock)
{
    buildControls();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Marvane"_s);
    setFixedSize(twips(10965), twips(7935));
    setFont(Fonts::formFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(p);
    setAutoFillBackground(true);

    Picture1 = new QScrollArea(this);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setGeometry(twipsRect(0, 600, 10455, 6855));
    m_view = new CanvasView(m_canvas);
    Picture1->setWidget(m_view);

    cmdRefresh = button(this, u"cmdRefresh"_s, u"&Refresh"_s, twipsRect(120, 120, 1215, 375));
    cmdDeskTop = button(this, u"cmdDeskTop"_s, u"Set &Desktop"_s, twipsRect(1440, 120, 1215, 375));
    Label1 = label(this, u"Label1"_s, u"Year:"_s, QPoint(twips(2760), twips(180)));
    cboYear = chooser(this, u"cboYear"_s, twipsRect(3240, 150, 855, 315));
    ddd = label(this, u"ddd"_s, u"Month:"_s, QPoint(twips(4200), twips(180)));
    cboMonth = chooser(this, u"cboMonth"_s, twipsRect(4800, 150, 855, 315));
    cmdOptions = button(this, u"cmdOptions"_s, u"&Options..."_s, twipsRect(5760, 120, 1215, 375));
    cmdSetToDO = button(this, u"cmdSetToDO"_s, u"&To Do List..."_s, twipsRect(7080, 120, 1215, 375));
    cmdAbout = button(this, u"cmdAbout"_s, u"&About..."_s, twipsRect(8400, 120, 1215, 375));
    cmdHelp = button(this, u"cmdHelp"_s, u"&Help"_s, twipsRect(9720, 120, 1215, 375));

    QWidget *order[] = {Picture1,   cmdRefresh, cmdDeskTop, cboYear, cboMonth,
                        cmdOptions, cmdSetToDO, cmdAbout,   cmdHelp};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(100);
    // Coarse timers may fire 5% late; the silent run's 700 ms are meant as said.
    Timer1->setTimerType(Qt::PreciseTimer);

    connect(cmdRefresh, &QPushButton::clicked, this, &Form1::cmdRefresh_Click);
    connect(cmdDeskTop, &QPushButton::clicked, this, &Form1::cmdDeskTop_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &Form1::cmdOptions_Click);
    connect(cmdSetToDO, &QPushButton::clicked, this, &Form1::cmdSetToDO_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &Form1::cmdAbout_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &Form1::cmdHelp_Click);
    // Fires for selections made by the program too: start-up relies on it.
    connect(cboYear, &QComboBox::currentIndexChanged, this, &Form1::cboYear_Click);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &Form1::cboMonth_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

std::int16_t Form1::parseStartArgument(const QString &commandLine)
{
    const QString text = commandLine.trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong value = text.size() > 12 ? 0 : text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(value);
}

void Form1::Form_Load()
{
    guarded([this] {
        controls::fillNumbers(cboYear, controls::kFirstYear, controls::kLastYear);
        controls::fillNumbers(cboMonth, 1, 12);
        const QDate today = m_services.clock.today();
        cboYear->setCurrentIndex(controls::yearIndex(today.year()));

        m_startArgument = parseStartArgument(m_services.commandLine);
        QStringList problems;
        Module1::LoadOptions(m_options, Module1::optionsFile(m_services.applicationDirectory), &problems);
        if (!isSilent()) {
            if (const WriteResult r = m_services.setAutoRun(m_options.AutoRun); !r)
                std::fprintf(stderr, "pendrel: %s\n", qPrintable(r.message()));
        }
        cboMonth->setCurrentIndex(today.month() - 1);
        Timer1->setInterval(200);
        if (isSilent())
            Timer1->start();
    });
    if (!Timer1->isActive()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        show();
    }
}

void Form1::guarded(const std::function<void()> &procedure)
{
    try {
        procedure();
    } catch (const std::exception &e) {
        fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail(u"unexpected error"_s);
    }
}

void Form1::fail(const QString &message)
{
    if (isSilent())
        m_exitCode = 1;
    m_services.report(this, isSilent(), message);
}

void Form1::cboYear_Click()
{
    cmdRefresh_Click();
}

void Form1::cboMonth_Click()
{
    cmdRefresh_Click();
}

void Form1::cmdRefresh_Click()
{
    guarded([this] {
        const QDate today = m_services.clock.today();
        const QString yearText = cboYear->currentText();
        const QString monthText = cboMonth->currentText();
        const int year = yearText.isEmpty() ? today.year() : yearText.toInt();
        const int month = monthText.isEmpty() ? today.month() : monthText.toInt();
        try {
            RefreshCanvas(m_canvas, m_options,
                          RenderContext{m_services.clock, m_services.screen, m_services.names}, m_store,
                          static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
        } catch (...) {
            m_view->canvasChanged();
            throw;
        }
        m_view->canvasChanged();
        Q_EMIT refreshed(year, month, m_options);
    });
}

void Form1::cmdDeskTop_Click()
{
    guarded([this] {
        if (const WriteResult r = m_services.installWallpaper(m_canvas.image()); !r)
            fail(r.message());
    });
}

void Form1::cmdOptions_Click()
{
    guarded([this] {
        if (m_services.openOptions)
            m_services.openOptions(this, m_options, [this] { cmdRefresh_Click(); });
    });
    cmdRefresh_Click();
}

void Form1::cmdSetToDO_Click()
{
    guarded([this] {
        if (m_services.openToDo)
            m_services.openToDo(this);
    });
    cmdRefresh_Click();
}

void Form1::cmdAbout_Click()
{
    guarded([this] {
        if (m_services.openAbout)
            m_services.openAbout(this);
    });
}

void Form1::cmdHelp_Click()
{
    guarded([this] {
        if (m_services.openHelp)
            m_services.openHelp();
    });
}

void Form1::Timer1_Timer()
{
    if (Timer1->interval() == 200) {
        Timer1->setInterval(500);
        return;
    }
    if (Timer1->interval() != 500)
        return;
    Timer1->stop();
    cmdRefresh_Click();
    cmdDeskTop_Click();
    close();
    m_services.exit(m_exitCode);
}

} // namespace marvane
