#include "app/ToDoDialog.h"

#include "widgets/FormControls.h"
#include "widgets/TextBox.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace marvane {

using namespace Qt::StringLiterals;

ToDoDialog::ToDoDialog(const ToDoStore &store, const Clock &clock, QWidget *parent)
    : FormDialog(u"toDoDialog"_s, u"Set To Do List"_s, QSize(435, 395), parent), m_store(store), m_clock(clock)
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

    m_yearLabel = label(content(), u"yearLabel"_s, u"Year:"_s, {16, 16});
    m_yearCombo = list(content(), u"yearCombo"_s, {48, 16, 65, 21});
    m_monthLabel = label(content(), u"monthLabel"_s, u"Month:"_s, {120, 16});
    m_monthCombo = list(content(), u"monthCombo"_s, {160, 16, 65, 21});
    m_dayLabel = label(content(), u"dayLabel"_s, u"Day:"_s, {232, 16});
    m_dayCombo = list(content(), u"dayCombo"_s, {264, 16, 65, 21});
    controls::centreOn(m_yearLabel, m_yearCombo);
    controls::centreOn(m_monthLabel, m_monthCombo);
    controls::centreOn(m_dayLabel, m_dayCombo);
    m_todayButton = button(content(), u"todayButton"_s, u"&Today"_s, {344, 16, 73, 21});
    for (int i = 0; i < kItems; ++i) {
        const int top = 56 + 24 * i;
        m_itemLabels[i] = label(content(), u"itemLabels[%1]"_s.arg(i), u"TODO %1"_s.arg(i + 1), {16, top});
        auto *box = new TextBox(content());
        box->setObjectName(u"itemEdits[%1]"_s.arg(i));
        box->setGeometry(72, top, 345, 19);
        box->setTypingLimit(kTypingLimit);
        m_itemEdits[i] = box;
        controls::centreOn(m_itemLabels[i], box);
    }
    m_saveButton = button(content(), u"saveButton"_s, u"&Save"_s, {224, 352, 89, 25});
    m_closeButton = button(content(), u"closeButton"_s, u"&Close"_s, {328, 352, 89, 25});

    QList<QWidget *> order{m_closeButton, m_yearCombo, m_monthCombo, m_dayCombo, m_todayButton};
    order.append(QList<QWidget *>(m_itemEdits.begin(), m_itemEdits.end()));
    order << m_saveButton;
    controls::setTabOrder(order);
    m_closeButton->setFocus();

    // Selections made by the program raise these too; opening relies on it.
    connect(m_yearCombo, &QComboBox::currentIndexChanged, this, &ToDoDialog::loadItems);
    connect(m_monthCombo, &QComboBox::currentIndexChanged, this, &ToDoDialog::loadItems);
    connect(m_dayCombo, &QComboBox::currentIndexChanged, this, &ToDoDialog::loadItems);
    connect(m_todayButton, &QPushButton::clicked, this, &ToDoDialog::selectToday);
    connect(m_saveButton, &QPushButton::clicked, this, &ToDoDialog::save);
    connect(m_closeButton, &QPushButton::clicked, this, &ToDoDialog::reject);
}

void ToDoDialog::selectToday()
{
    const QDate today = m_clock.today();
    m_yearCombo->setCurrentIndex(controls::yearIndex(today.year()));
    m_monthCombo->setCurrentIndex(today.month() - 1);
    m_dayCombo->setCurrentIndex(today.day() - 1);
}

QString ToDoDialog::dateKey() const
{
    return m_yearCombo->currentText() + u'-' + m_monthCombo->currentText() + u'-' + m_dayCombo->currentText();
}

void ToDoDialog::loadItems()
{
    const QString key = dateKey();
    for (int n = 1; n <= kItems; ++n)
        m_itemEdits[n - 1]->setText(m_store.item(key, static_cast<std::int16_t>(n)));
}

void ToDoDialog::save()
{
    const QString key = dateKey();
    QStringList failures;
    for (int n = 1; n <= kItems; ++n) {
        if (const Result<> e = m_store.setItem(key, static_cast<std::int16_t>(n), m_itemEdits[n - 1]->text()); !e.has_value())
            failures << e.error().message();
    }
    // The boxes keep the typed text either way, so nothing is lost by telling.
    if (!failures.isEmpty()) {
        failures.removeDuplicates();
        QMessageBox::warning(this, u"Marvane"_s, u"The to-do items were not saved.\n\n"_s + failures.join(u'\n'));
    }
}

} // namespace marvane
