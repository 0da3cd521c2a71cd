#include "app/OptionsDialog.h"

#include "app/OptionsControls.h"
#include "calendar/Palette.h"
#include "events/CalendarSources.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace marvane {

using namespace Qt::StringLiterals;

namespace {

// The standard event colour as the swatch stores colours.
StoredColor standardEventColor()
{
    const QRgb c = Palette::kStandardEvent;
    return static_cast<StoredColor>((unsigned(qBlue(c)) << 16) | (unsigned(qGreen(c)) << 8) | unsigned(qRed(c)));
}

} // namespace

// The user's calendars: files, folders and addresses, and the colour of their events.

void OptionsDialog::buildCalendarControls()
{
    QWidget *c = content();
    m_calendarsLabel = controls::label(c, u"calendarsLabel"_s, tr("Calendars:"));
    m_calendarList = new QListWidget(c);
    m_calendarList->setObjectName(u"calendarList"_s);
    m_calendarList->setFixedHeight(60);
    m_addCalendarFileButton = controls::button(c, u"addCalendarFileButton"_s, tr("Add f&ile..."));
    m_addCalendarFolderButton = controls::button(c, u"addCalendarFolderButton"_s, tr("Add &folder..."));
    m_addCalendarAddressButton = controls::button(c, u"addCalendarAddressButton"_s, tr("Add addr&ess..."));
    m_removeCalendarButton = controls::button(c, u"removeCalendarButton"_s, tr("Re&move"));
    m_eventColorLabel = controls::label(c, u"eventColorLabel"_s, tr("Event Color"));
    m_eventSwatch = controls::swatch(c, u"eventSwatch"_s);
    m_eventColorButton = controls::colorButton(c, u"eventColorButton"_s);
    connect(m_addCalendarFileButton, &QPushButton::clicked, this, [this] {
        addCalendar(QFileDialog::getOpenFileName(this, tr("Choose a calendar"), QDir::homePath(),
                                                 tr("Calendars (*.ics);;All files (*)")));
    });
    connect(m_addCalendarFolderButton, &QPushButton::clicked, this, [this] {
        addCalendar(QFileDialog::getExistingDirectory(this, tr("Choose a folder of calendars"), QDir::homePath()));
    });
    connect(m_addCalendarAddressButton, &QPushButton::clicked, this, [this] {
        addCalendar(QInputDialog::getText(this, tr("Add address"), tr("The calendar's address (http:// or https://):")));
    });
    connect(m_removeCalendarButton, &QPushButton::clicked, this, [this] { delete m_calendarList->currentItem(); });
    connect(m_eventColorButton, &QPushButton::clicked, this, [this] { pickColor(m_eventSwatch); });
}

QLayout *OptionsDialog::calendarLayout()
{
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton *b : {m_addCalendarFileButton, m_addCalendarFolderButton, m_addCalendarAddressButton, m_removeCalendarButton})
        buttons->addWidget(b);
    auto *colour = new QHBoxLayout;
    colour->setSpacing(1);
    colour->addWidget(m_eventColorLabel);
    colour->addSpacing(8);
    colour->addWidget(m_eventSwatch);
    colour->addWidget(m_eventColorButton);
    colour->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(m_calendarList);
    left->addLayout(colour);
    auto *all = new QHBoxLayout;
    all->addLayout(left, 1);
    all->addLayout(buttons);
    return all;
}

void OptionsDialog::addCalendar(const QString &source)
{
    const QString s = source.trimmed();
    if (s.isEmpty())
        return;
    if (s.contains(u';'))
        QMessageBox::warning(this, u"Marvane"_s, tr("A calendar whose name holds \";\" cannot be stored."));
    else if (s.contains(u"://"_s) && !CalendarSources::isAddress(s))
        QMessageBox::warning(this, u"Marvane"_s, tr("Only http:// and https:// addresses can be fetched."));
    else
        m_calendarList->addItem(s);
}

void OptionsDialog::showCalendars(const Options &values)
{
    m_calendarList->clear();
    m_calendarList->addItems(CalendarSources::split(values.calendars));
    m_eventSwatch->setColor(values.eventColor == 0 ? standardEventColor() : values.eventColor);
}

void OptionsDialog::takeCalendars(Options &o) const
{
    QStringList sources;
    for (int i = 0; i < m_calendarList->count(); ++i)
        sources << m_calendarList->item(i)->text();
    o.calendars = sources.join(u';');
    // 0 is the standard colour: black is kept as the black next to it.
    const StoredColor chosen = m_eventSwatch->color();
    o.eventColor = chosen == standardEventColor() ? 0 : chosen == 0 ? 0x00010101 : chosen;
}

} // namespace marvane
