#include "app/SilentRun.h"

#include "calendar/DateMath.h"
#include "platform/Fonts.h"
#include "platform/PhaseLog.h"
#include "platform/StandardError.h"

#include <QTimer>

namespace marvane {

using namespace Qt::StringLiterals;

SilentRun::SilentRun(MainWindowServices services, QObject *parent)
    : QObject(parent), m_services(std::move(services)), m_job(m_services), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("silentRun"));
    m_timer->setObjectName(QStringLiteral("silentRunTimer"));
    // Coarse timers may fire 5% late; the 700 ms are meant as said.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SilentRun::advance);
}

void SilentRun::start()
{
    m_job.loadOptions();
    // Addresses at most once an hour: a copy younger than that is used as it is.
    m_job.fetchCalendars(std::chrono::hours(1));
    m_step = Step::Settling;
    m_timer->start(200);
    markPhase("timer");
    prepare();
}

PictureJob::Inputs SilentRun::readInputs(bool withEvents) const
{
    const QDate today = m_services.clock.today();
    // The month the choosers would show: this one, its year kept inside the years they offer.
    return m_job.inputs(chooserYear(today.year()), today.month(), withEvents);
}

Result<> SilentRun::paint(const PictureJob::Inputs &inputs)
{
    const Result<> painted = m_job.paint(inputs);
    tellCalendarProblems();
    const std::optional<Failure> &background = m_job.backgroundFailure();
    if (background && background->message() != m_toldBackground) {
        m_toldBackground = background->message();
        m_services.report(nullptr, true, Message::plain(m_toldBackground + u"; painting the desktop colour instead"_s));
    }
    return painted;
}

void SilentRun::prepare()
{
    // While the run waits anyway: register the fonts and paint once, as a window's start-up does,
    // so that the font files, glyphs and picture memory are ready when the last tick paints. A
    // failure here shows again there and is told there.
    if (const Result<> fonts = Fonts::ensureLoaded(); !fonts)
        printError(fonts.error().message());
    markPhase("fonts");
    // The calendars are read once, for the picture that is installed.
    (void)paint(readInputs(false));
    markPhase("prepared");
}

void SilentRun::advance()
{
    switch (m_step) {
    case Step::Settling:
        m_step = Step::Waiting;
        m_timer->setInterval(500);
        return;
    case Step::Waiting:
        m_step = Step::Idle;
        m_timer->stop();
        paintAndInstall();
        m_services.exit(m_exitCode);
        return;
    case Step::Idle:
        return;
    }
}

void SilentRun::paintAndInstall()
{
    // The date, the screen, its scale and today's items are asked afresh (a log-on desktop may
    // have set its scale meanwhile); only when one of them changed is the picture painted again.
    m_services.screen.refresh();
    const PictureJob::Inputs inputs = readInputs();
    // Told even when the picture stays as it is: a calendar that gave no events may be missing.
    tellCalendarProblems();
    Result<> painted;
    if (!m_job.holds(inputs))
        painted = paint(inputs);
    if (!painted) {
        fail(PictureJob::notInstalledMessage(painted.error().reason()).english);
        return;
    }
    markPhase("paint");
    if (const Result<> installed = m_job.install(); !installed)
        fail(installed.error().reason());
    markPhase("wallpaper");
}

void SilentRun::tellCalendarProblems()
{
    for (const Failure &problem : m_job.takeCalendarProblems())
        m_services.report(nullptr, true, Message::plain(problem.message()));
}

void SilentRun::fail(const QString &message)
{
    m_exitCode = 1;
    m_services.report(nullptr, true, Message::plain(message));
}

} // namespace marvane
