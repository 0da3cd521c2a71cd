#include "frmToDo.h"

#include "Controls.h"
#include "TextBox.h"
#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

QString indexed(const QString &name, int i)
{
    return u"%1(%2)"_s.arg(name).arg(i);
}

} // namespace

frmToDo::frmToDo(const ToDoStore &store, const Clock &clock, QWidget *parent)
    : FormDialog(u"frmToDo"_s, u"Set To Do List"_s, QSize(twips(6525), twips(5925)), parent), m_store(store),
      m_clock(clock)
{
    buildControls();
    Form_Load();
}

void frmToDo::buildControls()
{
    using controls::button;
    using controls::label;
    using controls::list;

    Label1[0] = label(this, indexed(u"Label1"_s, 0), u"Year:"_s, {twips(240), twips(240)});
    cboYear = list(this, u"cboYear"_s, twipsRect(720, 240, 975, 315));
    Label1[1] = label(this, indexed(u"Label1"_s, 1), u"Month:"_s, {twips(1800), twips(240)});
    cboMonth = list(this, u"cboMonth"_s, twipsRect(2400, 240, 975, 315));
    Label1[2] = label(this, indexed(u"Label1"_s, 2), u"Day:"_s, {twips(3480), twips(240)});
    cboDay = list(this, u"cboDay"_s, twipsRect(3960, 240, 975, 315));
    cmdToday = button(this, u"cmdToday"_s, u"&Today"_s, twipsRect(5160, 240, 1095, 315));
    for (int i = 0; i < kItems; ++i) {
        const int top = 840 + 360 * i;
        Label2[i] = label(this, indexed(u"Label2"_s, i), u"TODO %1"_s.arg(i + 1), {twips(240), twips(top)});
        auto *box = new TextBox(this);
        box->setObjectName(indexed(u"txtToDo"_s, i));
        box->setGeometry(twipsRect(1080, top, 5175, 285));
        box->setTypingLimit(kTypingLimit);
        txtToDo[i] = box;
    }
    cmdSave = button(this, u"cmdSave"_s, u"&Save"_s, twipsRect(3360, 5280, 1335, 375));
    cmdClose = button(this, u"cmdClose"_s, u"&Close"_s, twipsRect(4920, 5280, 1335, 375));

    QList<QWidget *> order{cmdClose, cboYear, cboMonth, cboDay, cmdToday};
    for (TextBox *box : txtToDo)
        order << box;
    order << cmdSave;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    cmdClose->setFocus();

    // Selections made by the program raise these too; opening relies on it.
    connect(cboYear, &QComboBox::currentIndexChanged, this, &frmToDo::cboYear_Click);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &frmToDo::cboMonth_Click);
    connect(cboDay, &QComboBox::currentIndexChanged, this, &frmToDo::cboDay_Click);
    connect(cmdToday, &QPushButton::clicked, this, &frmToDo::cmdToday_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmToDo::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmToDo::cmdClose_Click);
}

void frmToDo::Form_Load()
{
    controls::fillNumbers(cboYear, controls::kFirstYear, controls::kLastYear);
    controls::fillNumbers(cboMonth, 1, 12);
    controls::fillNumbers(cboDay, 1, 31);
    selectToday();
}

void frmToDo::selectToday()
{
    const QDate today = m_clock.today();
    cboYear->setCurrentIndex(controls::yearIndex(today.year()));
    cboMonth->setCurrentIndex(today.month() - 1);
    cboDay->setCurrentIndex(today.day() - 1);
}

QString frmToDo::dateKey() const
{
    return cboYear->currentText() + u'-' + cboMonth->currentText() + u'-' + cboDay->currentText();
}

void frmToDo::LoadToDoItems()
{
    const QString key = dateKey();
    for (int n = 1; n <= kItems; ++n)
        txtToDo[n - 1]->setText(m_store.ReadToDoItem(key, static_cast<std::int16_t>(n)));
}

void frmToDo::cboYear_Click()
{
    LoadToDoItems();
}

void frmToDo::cboMonth_Click()
{
    LoadToDoItems();
}

void frmToDo::cboDay_Click()
{
    LoadToDoItems();
}

void frmToDo::cmdToday_Click()
{
    selectToday();
}

void frmToDo::cmdSave_Click()
{
    const QString key = dateKey();
    QStringList failures;
    for (int n = 1; n <= kItems; ++n) {
        if (const WriteResult r =
                m_store.WriteToDoItem(key, static_cast<std::int16_t>(n), txtToDo[n - 1]->text());
            !r)
            failures << r.message();
    }
    // The boxes keep the typed text either way, so nothing is lost by telling.
    if (!failures.isEmpty()) {
        failures.removeDuplicates();
        QMessageBox::warning(this, u"Marvane"_s,
                             u"The to-do items were not saved.\n\n"_s + failures.join(u'\n'));
    }
}

void frmToDo::cmdClose_Click()
{
    reject();
}

} // namespace marvane
