#include "app/SilentRun.h"

#include "app/PictureUpdate.h"
#include "calendar/DateMath.h"
#include "platform/Fonts.h"
#include "platform/PhaseLog.h"
#include "platform/StandardError.h"
#include "settings/OptionsFile.h"

#include <QTimer>

namespace marvane {

using namespace Qt::StringLiterals;

SilentRun::SilentRun(MainWindowServices services, QObject *parent)
    : QObject(parent), m_services(std::move(services)), m_background(m_services.applicationDirectory),
      m_store(ToDoStore::fileIn(m_services.applicationDirectory), m_services.clock),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("silentRun"));
    m_timer->setObjectName(QStringLiteral("silentRunTimer"));
    // Coarse timers may fire 5% late; the 700 ms are meant as said.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SilentRun::advance);
}

void SilentRun::start()
{
    OptionsFile::load(m_options, OptionsFile::path(m_services.applicationDirectory));
    m_step = Step::Settling;
    m_timer->start(200);
    markPhase("timer");
    prepare();
}

SilentRun::PictureInputs SilentRun::readInputs() const
{
    PictureInputs inputs;
    inputs.today = m_services.clock.today();
    inputs.screen = m_services.screen.pixelSize();
    inputs.scale = m_services.screen.scale();
    // Read only when the panel shows them, as painting does.
    if (m_options.showToDoList)
        inputs.items = m_store.todayItems();
    return inputs;
}

Result<> SilentRun::paint(const PictureInputs &inputs)
{
    // The month the choosers would show: this one, its year kept inside the years they offer.
    const int year = chooserYear(inputs.today.year());
    // A picture that cannot be read leaves the desktop colour: the calendar itself is whole.
    const Result<const BackgroundPicture *> background = m_background.picture(m_options, inputs.screen);
    if (!background && background.error().message() != m_toldBackground) {
        m_toldBackground = background.error().message();
        m_services.report(nullptr, true, Message::plain(m_toldBackground + u"; painting the desktop colour instead"_s));
    }
    const PictureRequest request{year, inputs.today.month(), inputs.scale, background.value_or(nullptr)};
    const Result<> painted = paintPicture(m_canvas, m_options, m_services, request, inputs.items);
    m_painted.reset();
    if (painted) {
        m_painted = inputs;
        // The size the picture was painted at, should the screen have changed meanwhile.
        m_painted->screen = m_canvas.size();
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
    (void)paint(readInputs());
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
    // The date, the screen, its scale and today's items are asked afresh; only when one of them changed
    // since the first paint would the picture come out different.
    const PictureInputs inputs = readInputs();
    Result<> painted;
    if (!m_painted || !(*m_painted == inputs))
        painted = paint(inputs);
    if (!painted) {
        fail(notInstalledMessage(painted.error().reason()).english);
        return;
    }
    markPhase("paint");
    if (const Result<> installed = installPicture(m_canvas, m_options, m_services); !installed)
        fail(installed.error().reason());
    markPhase("wallpaper");
}

void SilentRun::fail(const QString &message)
{
    m_exitCode = 1;
    m_services.report(nullptr, true, Message::plain(message));
}

} // namespace marvane
