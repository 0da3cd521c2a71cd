#include "app/ToDoDialog.h"

#include "ini/IniStrings.h"
#include "widgets/FormControls.h"
#include "widgets/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace marvane {

using namespace Qt::StringLiterals;

ToDoDialog::ToDoDialog(const ToDoStore &store, const Clock &clock, QWidget *parent)
    : FormDialog(u"toDoDialog"_s, tr("Set To Do List"), parent), m_store(store), m_clock(clock)
{
    buildControls();
    controls::fillNumbers(m_yearCombo, controls::kFirstYear, controls::kLastYear);
    controls::fillNumbers(m_monthCombo, 1, 12);
    controls::fillNumbers(m_dayCombo, 1, 31);
    selectToday();
}

void ToDoDialog::buildControls()
{
    using controls::button;
    using controls::label;
    using controls::list;

    QWidget *c = content();
    m_yearLabel = label(c, u"yearLabel"_s, tr("Year:"));
    m_yearCombo = list(c, u"yearCombo"_s, {65, 21});
    m_monthLabel = label(c, u"monthLabel"_s, tr("Month:"));
    m_monthCombo = list(c, u"monthCombo"_s, {65, 21});
    m_dayLabel = label(c, u"dayLabel"_s, tr("Day:"));
    m_dayCombo = list(c, u"dayCombo"_s, {65, 21});
    m_todayButton = button(c, u"todayButton"_s, tr("&Today"), {73, 21});
    for (int i = 0; i < kItems; ++i) {
        m_itemLabels[i] = label(c, u"itemLabels[%1]"_s.arg(i), tr("TODO %1").arg(i + 1));
        auto *box = new TextBox(c);
        box->setObjectName(u"itemEdits[%1]"_s.arg(i));
        box->setMinimumSize(345, 19);
        box->setTypingLimit(kTypingLimit);
        m_itemEdits[i] = box;
    }
    m_saveButton = button(c, u"saveButton"_s, tr("&Save"), {89, 25});
    m_closeButton = button(c, u"closeButton"_s, tr("&Close"), {89, 25});
    layOut();

    QList<QWidget *> order{m_closeButton, m_yearCombo, m_monthCombo, m_dayCombo, m_todayButton};
    order.append(QList<QWidget *>(m_itemEdits.begin(), m_itemEdits.end()));
    order << m_saveButton;
    controls::setTabOrder(order);
    m_closeButton->setFocus();

    for (QComboBox *chooser : {m_yearCombo, m_monthCombo, m_dayCombo})
        connect(chooser, &QComboBox::currentIndexChanged, this, &ToDoDialog::chooseDate);
    connect(m_todayButton, &QPushButton::clicked, this, &ToDoDialog::selectToday);
    connect(m_saveButton, &QPushButton::clicked, this, &ToDoDialog::save);
    connect(m_closeButton, &QPushButton::clicked, this, &ToDoDialog::reject);
}

// The date's choosers in a row, the twelve items below them, Save and Close at the bottom right.
void ToDoDialog::layOut()
{
    auto *grid = new QGridLayout(content());
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto *date = new QHBoxLayout;
    date->setSpacing(6);
    for (QWidget *w : std::initializer_list<QWidget *>{m_yearLabel, m_yearCombo, m_monthLabel, m_monthCombo,
                                                        m_dayLabel, m_dayCombo})
        date->addWidget(w, 0, Qt::AlignVCenter);
    date->addStretch(1);
    date->addWidget(m_todayButton);
    grid->addLayout(date, 0, 0, 1, 2);
    grid->setRowMinimumHeight(0, 36);
    for (int i = 0; i < kItems; ++i) {
        grid->addWidget(m_itemLabels[i], i + 1, 0, Qt::AlignVCenter);
        grid->addWidget(m_itemEdits[i], i + 1, 1, Qt::AlignVCenter);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveButton);
    buttons->addSpacing(15);
    buttons->addWidget(m_closeButton);
    grid->addLayout(buttons, kItems + 1, 0, 1, 2, Qt::AlignBottom);
    grid->setRowMinimumHeight(kItems + 1, 45);
}

void ToDoDialog::selectToday()
{
    if (!mayLeaveDate())
        return;
    const QDate today = m_clock.today();
    showDate({controls::yearIndex(today.year()), today.month() - 1, today.day() - 1});
}

void ToDoDialog::chooseDate()
{
    const DateIndexes chosen = chosenDate();
    // Asked with the date still shown, so that Cancel leaves everything as it was.
    if (m_shown)
        showDate(*m_shown);
    if (mayLeaveDate())
        showDate(chosen);
}

void ToDoDialog::showDate(const DateIndexes &date)
{
    const bool same = m_shown == date;
    const std::array<QComboBox *, 3> choosers{m_yearCombo, m_monthCombo, m_dayCombo};
    for (std::size_t i = 0; i < choosers.size(); ++i) {
        const QSignalBlocker quiet(choosers[i]);
        choosers[i]->setCurrentIndex(date[i]);
    }
    if (same)
        return;
    m_shown = date;
    const ToDoStore::Items items = m_store.items(dateKey());
    for (int n = 0; n < kItems; ++n)
        m_itemEdits[n]->setText(items[static_cast<std::size_t>(n)]);
}

ToDoDialog::DateIndexes ToDoDialog::chosenDate() const
{
    return {m_yearCombo->currentIndex(), m_monthCombo->currentIndex(), m_dayCombo->currentIndex()};
}

QString ToDoDialog::dateKey() const
{
    return m_yearCombo->currentText() + u'-' + m_monthCombo->currentText() + u'-' + m_dayCombo->currentText();
}

bool ToDoDialog::mayLeaveDate()
{
    if (!m_shown)
        return true;
    const ToDoStore::Items stored = m_store.items(dateKey());
    bool changed = false;
    for (int n = 0; n < kItems; ++n)
        changed = changed || ini::trimSpaces(m_itemEdits[n]->text()) != stored[static_cast<std::size_t>(n)];
    if (!changed)
        return true;
    // The date as the wallpaper's date line writes it.
    const QString date = m_monthCombo->currentText() + u'-' + m_dayCombo->currentText() + u'-' + m_yearCombo->currentText();
    const auto answer = QMessageBox::question(this, u"Marvane"_s,
                                              tr("Save the changes to the to-do list of %1?").arg(date),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return storeItems();
    return answer == QMessageBox::Discard;
}

void ToDoDialog::save()
{
    (void)storeItems();
}

bool ToDoDialog::storeItems()
{
    ToDoStore::Items items;
    for (int n = 1; n <= kItems; ++n)
        items[static_cast<std::size_t>(n - 1)] = m_itemEdits[n - 1]->text();
    // The boxes keep the typed text either way, so nothing is lost by telling.
    if (const Result<> e = m_store.setItems(dateKey(), items); !e.has_value()) {
        QMessageBox::warning(this, u"Marvane"_s, tr("The to-do items were not saved.\n\n") + e.error().message());
        return false;
    }
    Q_EMIT saved();
    return true;
}

void ToDoDialog::reject()
{
    if (mayLeaveDate())
        FormDialog::reject();
}

} // namespace marvane
