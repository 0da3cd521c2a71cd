#include "frmOptions.h"

#include "ColorSwatch.h"
#include "Controls.h"
#include "Fonts.h"
#include "Module1.h"
#include "TextBox.h"

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

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    return c;
}

ColorRef toColorRef(const QColor &color)
{
    return static_cast<ColorRef>((static_cast<unsigned>(color.blue()) << 16) |
                                 (static_cast<unsigned>(color.green()) << 8) |
                                 static_cast<unsigned>(color.red()));
}

} // namespace

frmOptions::frmOptions(Options &options, QString optionsFile, SetAutoRun setAutoRun, QWidget *parent)
    : FormDialog(u"frmOptions"_s, u"Options"_s, QSize(345, 376), parent), m_options(options),
      m_file(std::move(optionsFile)), m_setAutoRun(std::move(setAutoRun))
{
    buildControls();
    Form_Load();
}

const QStringList &frmOptions::positionNames()
{
    static const QStringList names{u"0 - Left,Top"_s, u"1 - Right,Top"_s, u"2 - Right,Bottom"_s,
                                   u"3 - Left,Bottom"_s};
    return names;
}

void frmOptions::buildControls()
{

    Label1 = label(this, u"Label1"_s, u"Desktop Color"_s, {16, 16});
    lblDesktop = swatch(this, u"lblDesktop"_s, {136, 16, 71, 20});
    cmdBackColor = colorButton(this, u"cmdBackColor"_s, {208, 16, 25, 20});
    OKButton = button(this, u"OKButton"_s, u"&OK"_s, {248, 16, 81, 25});
    Label6 = label(this, u"Label6"_s, u"Calendar Back Color"_s, {16, 40});
    lblCalendarColor = swatch(this, u"lblCalendarColor"_s, {136, 40, 71, 20});
    cmdCanColor = colorButton(this, u"cmdCanColor"_s, {208, 40, 25, 20});
    CancelButton = button(this, u"CancelButton"_s, u"&Cancel"_s, {248, 48, 81, 25});
    Label2 = label(this, u"Label2"_s, u"Calendar Position"_s, {16, 80});
    cboPos = controls::list(this, u"cboPos"_s, {136, 80, 97, 21});
    cmdApply = button(this, u"cmdApply"_s, u"&Apply"_s, {248, 80, 81, 25});
    Label3 = label(this, u"Label3"_s, u"Position Offset X"_s, {16, 120});
    txtX = offsetBox(this, u"txtX"_s, {136, 120, 97, 19});
    cmdDefault = button(this, u"cmdDefault"_s, u"&Default"_s, {248, 112, 81, 25});
    Label4 = label(this, u"Label4"_s, u"Position Offset Y"_s, {16, 144});
    txtY = offsetBox(this, u"txtY"_s, {136, 144, 97, 19});
    chkToDO = checkBox(this, u"chkToDO"_s, u"&Show To Do List"_s, {16, 184, 145, 13});
    Label8 = label(this, u"Label8"_s, u"To Do List Back Color"_s, {16, 216});
    lblToDoBack = swatch(this, u"lblToDoBack"_s, {136, 216, 71, 20});
    cmdToDoback = colorButton(this, u"cmdToDoback"_s, {208, 216, 25, 20});
    Label5 = label(this, u"Label5"_s, u"To Do List Text Color"_s, {16, 240});
    lblToDoText = swatch(this, u"lblToDoText"_s, {136, 240, 71, 20});
    cmdToDoText = colorButton(this, u"cmdToDoText"_s, {208, 240, 25, 20});
    chkAuto = checkBox(this, u"chkAuto"_s, u"Refresh desktop when computer starts."_s, {16, 288, 217, 17});

    // The focusable controls in their tab order; the labels in between take no focus.
    QWidget *order[] = {OKButton, CancelButton, cmdBackColor, cboPos,     txtX,    txtY,   cmdCanColor,
                        cmdApply, cmdToDoText,  cmdToDoback,  cmdDefault, chkToDO, chkAuto};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    OKButton->setFocus();

    connect(cmdBackColor, &QPushButton::clicked, this, &frmOptions::cmdBackColor_Click);
    connect(cmdCanColor, &QPushButton::clicked, this, &frmOptions::cmdCanColor_Click);
    connect(cmdToDoback, &QPushButton::clicked, this, &frmOptions::cmdToDoback_Click);
    connect(cmdToDoText, &QPushButton::clicked, this, &frmOptions::cmdToDoText_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmOptions::cmdDefault_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(OKButton, &QPushButton::clicked, this, &frmOptions::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmOptions::CancelButton_Click);
}

void frmOptions::Form_Load()
{
    cboPos->addItems(positionNames());
    showControls(m_options);
}

void frmOptions::showControls(const Options &values)
{
    lblDesktop->setColor(values.DesktopColor);
    lblCalendarColor->setColor(values.CalendarColor);
    // Only a hand-edited file holds another corner; it is painted as the default one, so show that.
    const bool known = values.CalendarPos >= 0 && values.CalendarPos < positionNames().size();
    cboPos->setCurrentIndex(known ? values.CalendarPos : 1);
    txtX->setText(QString::number(values.OffsetX));
    txtY->setText(QString::number(values.OffsetY));
    lblToDoBack->setColor(values.ToDoBackColor);
    lblToDoText->setColor(values.ToDoTextColor);
    chkToDO->setChecked(values.ShowToDoList);
    chkAuto->setChecked(values.AutoRun);
}

void frmOptions::PickColor(ColorSwatch &swatch)
{
    QColorDialog chooser(QColor::fromRgb(SystemColors::resolve(swatch.color())), this);
    chooser.setObjectName(u"dlgColor"_s);
    // Qt's own chooser always shows the custom colours; a desktop's native one may not.
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    chooser.setWindowModality(Qt::ApplicationModal);
    if (chooser.exec() == QDialog::Accepted)
        swatch.setColor(toColorRef(chooser.selectedColor()));
}

void frmOptions::cmdBackColor_Click()
{
    PickColor(*lblDesktop);
}

void frmOptions::cmdCanColor_Click()
{
    PickColor(*lblCalendarColor);
}

void frmOptions::cmdToDoback_Click()
{
    PickColor(*lblToDoBack);
}

void frmOptions::cmdToDoText_Click()
{
    PickColor(*lblToDoText);
}

void frmOptions::cmdDefault_Click()
{
    showControls(Options::defaults());
}

void frmOptions::takeControls()
{
    Options &o = m_options;
    o.CalendarPos = cboPos->currentIndex();
    // A text that is no number (empty, a lone minus, letters) leaves its offset as it was.
    Module1::parseInt32(txtX->text().trimmed(), &o.OffsetX);
    Module1::parseInt32(txtY->text().trimmed(), &o.OffsetY);
    o.DesktopColor = lblDesktop->color();
    o.CalendarColor = lblCalendarColor->color();
    o.ToDoBackColor = lblToDoBack->color();
    o.ToDoTextColor = lblToDoText->color();
    o.ShowToDoList = chkToDO->checkState() == Qt::Checked;
    o.AutoRun = chkAuto->checkState() == Qt::Checked;
}

void frmOptions::cmdApply_Click()
{
    takeControls();
    Q_EMIT applied();
}

void frmOptions::OKButton_Click()
{
    takeControls();
    // Each write runs whatever became of the one before; the dialog closes either way, and the
    // record keeps the user's values for this run.
    QStringList failures;
    if (const WriteResult r = m_setAutoRun(m_options.AutoRun); !r)
        failures << r.message();
    if (const WriteResult r = Module1::SaveOptions(m_options, m_file); !r)
        failures << r.message();
    if (!failures.isEmpty())
        QMessageBox::warning(this, u"Marvane"_s,
                             u"The settings were not all stored.\n\n"_s + failures.join(u'\n'));
    accept();
}

void frmOptions::CancelButton_Click()
{
    reject();
}

} // namespace marvane
