#include "app/OptionsDialog.h"

#include "widgets/ColorSwatch.h"
#include "widgets/FormControls.h"
#include "platform/Fonts.h"
#include "settings/OptionsFile.h"
#include "widgets/TextBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
using controls::button;
using controls::label;

QPushButton *colorButton(QWidget *parent, const QString &name, QRect geometry)
{
    QPushButton *b = button(parent, name, u"..."_s, geometry);
    b->setFont(Fonts::font(FontSpec{u"arial"_s, 8.25, true}));
    return b;
}

ColorSwatch *swatch(QWidget *parent, const QString &name, QRect geometry)
{
    auto *s = new ColorSwatch(parent);
    s->setObjectName(name);
    s->setGeometry(geometry);
    return s;
}

TextBox *offsetBox(QWidget *parent, const QString &name, QRect geometry)
{
    auto *t = new TextBox(parent);
    t->setObjectName(name);
    t->setGeometry(geometry);
    t->setTypingLimit(3);
    t->setText(u"0"_s);
    return t;
}

StoredColor toStoredColor(const QColor &color)
{
    return static_cast<StoredColor>((static_cast<unsigned>(color.blue()) << 16) |
                                 (static_cast<unsigned>(color.green()) << 8) |
                                 static_cast<unsigned>(color.red()));
}

} // namespace

OptionsDialog::OptionsDialog(Options &options, QString optionsFile, UpdateAutostart updateAutostart,
                             QWidget *parent)
    : FormDialog(u"optionsDialog"_s, u"Options"_s, QSize(345, 376), parent), m_options(options),
      m_file(std::move(optionsFile)), m_updateAutostart(std::move(updateAutostart))
{
    buildControls();
    m_cornerCombo->addItems(cornerNames());
    controls::widenToEntries(m_cornerCombo);
    showControls(m_options);
}

const QStringList &OptionsDialog::cornerNames()
{
    static const QStringList names{u"0 - Left,Top"_s, u"1 - Right,Top"_s, u"2 - Right,Bottom"_s,
                                   u"3 - Left,Bottom"_s};
    return names;
}

void OptionsDialog::buildControls()
{
    m_desktopColorLabel = label(content(), u"desktopColorLabel"_s, u"Desktop Color"_s, {16, 16});
    m_desktopSwatch = swatch(content(), u"desktopSwatch"_s, {136, 16, 71, 20});
    m_desktopColorButton = colorButton(content(), u"desktopColorButton"_s, {208, 16, 25, 20});
    m_okButton = button(content(), u"okButton"_s, u"&OK"_s, {248, 16, 81, 25});
    m_calendarColorLabel = label(content(), u"calendarColorLabel"_s, u"Calendar Back Color"_s, {16, 40});
    m_calendarSwatch = swatch(content(), u"calendarSwatch"_s, {136, 40, 71, 20});
    m_calendarColorButton = colorButton(content(), u"calendarColorButton"_s, {208, 40, 25, 20});
    m_cancelButton = button(content(), u"cancelButton"_s, u"&Cancel"_s, {248, 48, 81, 25});
    m_cornerLabel = label(content(), u"cornerLabel"_s, u"Calendar Position"_s, {16, 80});
    m_cornerCombo = controls::list(content(), u"cornerCombo"_s, {136, 80, 97, 21});
    m_applyButton = button(content(), u"applyButton"_s, u"&Apply"_s, {248, 80, 81, 25});
    m_offsetXLabel = label(content(), u"offsetXLabel"_s, u"Position Offset X"_s, {16, 120});
    m_offsetXEdit = offsetBox(content(), u"offsetXEdit"_s, {136, 120, 97, 19});
    m_defaultsButton = button(content(), u"defaultsButton"_s, u"&Default"_s, {248, 112, 81, 25});
    m_offsetYLabel = label(content(), u"offsetYLabel"_s, u"Position Offset Y"_s, {16, 144});
    m_offsetYEdit = offsetBox(content(), u"offsetYEdit"_s, {136, 144, 97, 19});
    m_showToDoListCheck = controls::checkBox(content(), u"showToDoListCheck"_s, u"&Show To Do List"_s, {16, 184, 145, 13});
    m_toDoBackColorLabel = label(content(), u"toDoBackColorLabel"_s, u"To Do List Back Color"_s, {16, 216});
    m_toDoBackSwatch = swatch(content(), u"toDoBackSwatch"_s, {136, 216, 71, 20});
    m_toDoBackColorButton = colorButton(content(), u"toDoBackColorButton"_s, {208, 216, 25, 20});
    m_toDoTextColorLabel = label(content(), u"toDoTextColorLabel"_s, u"To Do List Text Color"_s, {16, 240});
    m_toDoTextSwatch = swatch(content(), u"toDoTextSwatch"_s, {136, 240, 71, 20});
    m_toDoTextColorButton = colorButton(content(), u"toDoTextColorButton"_s, {208, 240, 25, 20});
    m_startAtLogonCheck =
        controls::checkBox(content(), u"startAtLogonCheck"_s, u"Refresh desktop when computer starts."_s, {16, 288, 217, 17});

    const std::pair<QLabel *, QWidget *> pairs[] = {
        {m_desktopColorLabel, m_desktopSwatch}, {m_calendarColorLabel, m_calendarSwatch},
        {m_cornerLabel, m_cornerCombo},         {m_offsetXLabel, m_offsetXEdit},
        {m_offsetYLabel, m_offsetYEdit},        {m_toDoBackColorLabel, m_toDoBackSwatch},
        {m_toDoTextColorLabel, m_toDoTextSwatch}};
    for (const auto &[label, field] : pairs)
        controls::centreOn(label, field);

    // The labels in between take no focus.
    controls::setTabOrder({m_okButton, m_cancelButton, m_desktopColorButton, m_cornerCombo, m_offsetXEdit,
                           m_offsetYEdit, m_calendarColorButton, m_applyButton, m_toDoTextColorButton,
                           m_toDoBackColorButton, m_defaultsButton, m_showToDoListCheck, m_startAtLogonCheck});
    m_okButton->setFocus();

    const auto picks = [this](QPushButton *button, ColorSwatch *swatch) {
        connect(button, &QPushButton::clicked, this, [this, swatch] { pickColor(swatch); });
    };
    picks(m_desktopColorButton, m_desktopSwatch);
    picks(m_calendarColorButton, m_calendarSwatch);
    picks(m_toDoBackColorButton, m_toDoBackSwatch);
    picks(m_toDoTextColorButton, m_toDoTextSwatch);
    connect(m_defaultsButton, &QPushButton::clicked, this, &OptionsDialog::restoreDefaults);
    connect(m_applyButton, &QPushButton::clicked, this, &OptionsDialog::apply);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::storeAndClose);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
}

void OptionsDialog::showControls(const Options &values)
{
    m_desktopSwatch->setColor(values.desktopColor);
    m_calendarSwatch->setColor(values.calendarColor);
    // Only a hand-edited file holds another corner; it is painted as the default one, so show that.
    const bool known = values.calendarCorner >= 0 && values.calendarCorner < cornerNames().size();
    m_cornerCombo->setCurrentIndex(known ? values.calendarCorner : 1);
    m_offsetXEdit->setText(QString::number(values.offsetX));
    m_offsetYEdit->setText(QString::number(values.offsetY));
    m_toDoBackSwatch->setColor(values.toDoBackColor);
    m_toDoTextSwatch->setColor(values.toDoTextColor);
    m_showToDoListCheck->setChecked(values.showToDoList);
    m_startAtLogonCheck->setChecked(values.startAtLogon);
}

void OptionsDialog::pickColor(ColorSwatch *swatch)
{
    QColorDialog chooser(QColor::fromRgb(SystemColors::resolve(swatch->color())), this);
    chooser.setObjectName(u"colorDialog"_s);
    // Qt's own chooser always shows the custom colours; a desktop's native one may not.
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    chooser.setWindowModality(Qt::ApplicationModal);
    if (chooser.exec() == QDialog::Accepted)
        swatch->setColor(toStoredColor(chooser.selectedColor()));
}

void OptionsDialog::restoreDefaults()
{
    showControls(Options::defaults());
}

void OptionsDialog::takeControls()
{
    Options &o = m_options;
    o.calendarCorner = m_cornerCombo->currentIndex();
    // A text that is no number (empty, a lone minus, letters) leaves its offset as it was.
    OptionsFile::parseInt32(m_offsetXEdit->text().trimmed(), &o.offsetX);
    OptionsFile::parseInt32(m_offsetYEdit->text().trimmed(), &o.offsetY);
    o.desktopColor = m_desktopSwatch->color();
    o.calendarColor = m_calendarSwatch->color();
    o.toDoBackColor = m_toDoBackSwatch->color();
    o.toDoTextColor = m_toDoTextSwatch->color();
    o.showToDoList = m_showToDoListCheck->checkState() == Qt::Checked;
    o.startAtLogon = m_startAtLogonCheck->checkState() == Qt::Checked;
}

void OptionsDialog::apply()
{
    takeControls();
    Q_EMIT applied();
}

void OptionsDialog::storeAndClose()
{
    takeControls();
    // Each write runs whatever became of the one before; the dialog closes either way, and the
    // record keeps the user's values for this run.
    QStringList failures;
    if (const Result<> e = m_updateAutostart(m_options.startAtLogon); !e.has_value())
        failures << e.error().message();
    if (const Result<> e = OptionsFile::save(m_options, m_file); !e.has_value())
        failures << e.error().message();
    if (!failures.isEmpty())
        QMessageBox::warning(this, u"Marvane"_s,
                             u"The settings were not all stored.\n\n"_s + failures.join(u'\n'));
    accept();
}

} // namespace marvane
