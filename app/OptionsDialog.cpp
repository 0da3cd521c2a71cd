#include "app/OptionsDialog.h"

#include "calendar/BackgroundPicture.h"
#include "widgets/ColorSwatch.h"
#include "widgets/FormControls.h"
#include "platform/Fonts.h"
#include "settings/OptionsFile.h"
#include "widgets/TextBox.h"
#include "app/OptionsControls.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
using controls::button;
using controls::label;
using controls::colorButton;
using controls::offsetBox;
using controls::swatch;

StoredColor toStoredColor(const QColor &color)
{
    return static_cast<StoredColor>((unsigned(color.blue()) << 16) | (unsigned(color.green()) << 8) | unsigned(color.red()));
}

} // namespace

OptionsDialog::OptionsDialog(Options &options, QString optionsFile, UpdateAutostart updateAutostart,
                             PictureSources pictures, QWidget *parent)
    : FormDialog(u"optionsDialog"_s, tr("Options"), parent), m_options(options),
      m_file(std::move(optionsFile)), m_updateAutostart(std::move(updateAutostart)), m_pictures(std::move(pictures))
{
    buildControls();
    m_cornerCombo->addItems(cornerNames());
    m_styleCombo->addItems(styleNames());
    for (const int percent : sizeChoices())
        m_sizeCombo->addItem(percent ? tr("%1 %").arg(percent) : tr("Automatic"), percent);
    m_weekStartCombo->addItems({tr("Sunday"), tr("Monday"), tr("As the language")});
    m_dateFormatCombo->addItems({tr("Month-Day-Year"), tr("As the language")});
    showControls(m_options);
}

QStringList OptionsDialog::cornerNames()
{
    return {tr("0 - Left,Top"), tr("1 - Right,Top"), tr("2 - Right,Bottom"), tr("3 - Left,Bottom")};
}

QStringList OptionsDialog::styleNames()
{
    return {tr("Fill"), tr("Fit"), tr("Centre"), tr("Stretch"), tr("Tile")};
}

void OptionsDialog::showSize(int percent)
{
    // A size stored by hand that the list lacks is offered too, in its place, so OK keeps it.
    int at = 0;
    while (at < m_sizeCombo->count() && m_sizeCombo->itemData(at).toInt() < percent && percent != 0)
        ++at;
    if (at == m_sizeCombo->count() || m_sizeCombo->itemData(at).toInt() != percent)
        m_sizeCombo->insertItem(at, tr("%1 %").arg(percent), percent);
    m_sizeCombo->setCurrentIndex(at);
}

void OptionsDialog::buildPictureControls()
{
    QWidget *c = content();
    m_pictureLabel = label(c, u"pictureLabel"_s, tr("Picture:"));
    m_pictureName = label(c, u"pictureName"_s, QString());
    m_pictureName->setMinimumWidth(97);
    m_browseButton = button(c, u"browseButton"_s, tr("&Browse..."));
    m_clearButton = button(c, u"clearButton"_s, tr("C&lear"));
    m_styleLabel = label(c, u"styleLabel"_s, tr("Style:"));
    m_styleCombo = controls::list(c, u"styleCombo"_s, {97, 21});
    m_currentWallpaperButton = button(c, u"currentWallpaperButton"_s, tr("Use c&urrent wallpaper"));
    m_restoreWallpaperButton = button(c, u"restoreWallpaperButton"_s, tr("&Restore wallpaper"));
    connect(m_restoreWallpaperButton, &QPushButton::clicked, this, &OptionsDialog::restoreWallpaper);
    connect(m_browseButton, &QPushButton::clicked, this, &OptionsDialog::browsePicture);
    connect(m_clearButton, &QPushButton::clicked, this, &OptionsDialog::clearPicture);
    connect(m_currentWallpaperButton, &QPushButton::clicked, this, &OptionsDialog::useCurrentWallpaper);
}

// What the picture shows beyond the classic calendar: marks, week numbers, the days listed, the look.
void OptionsDialog::buildLookControls()
{
    QWidget *c = content();
    m_markDaysCheck = controls::checkBox(c, u"markDaysCheck"_s, tr("Mark days with items"));
    m_weekNumbersCheck = controls::checkBox(c, u"weekNumbersCheck"_s, tr("Week numbers"));
    m_agendaDaysLabel = label(c, u"agendaDaysLabel"_s, tr("Days listed:"));
    m_agendaDaysCombo = controls::list(c, u"agendaDaysCombo"_s, {97, 21});
    controls::fillNumbers(m_agendaDaysCombo, 1, 14);
    m_lookLabel = label(c, u"lookLabel"_s, tr("Look:"));
    m_lookCombo = controls::list(c, u"lookCombo"_s, {97, 21});
    m_lookCombo->addItems({tr("Classic"), tr("Cards")});
    m_cardOpacityLabel = label(c, u"cardOpacityLabel"_s, tr("Opacity:"));
    m_cardOpacitySpin = new QSpinBox(c);
    m_cardOpacitySpin->setObjectName(u"cardOpacitySpin"_s);
    m_cardOpacitySpin->setRange(20, 100);
    m_cardOpacitySpin->setSingleStep(5);
    m_cardOpacitySpin->setSuffix(tr(" %"));
    // Only the cards are translucent.
    connect(m_lookCombo, &QComboBox::currentIndexChanged, m_cardOpacitySpin, [this](int look) {
        m_cardOpacitySpin->setEnabled(look == 1);
    });
}

void OptionsDialog::buildControls()
{
    QWidget *c = content();
    m_desktopColorLabel = label(c, u"desktopColorLabel"_s, tr("Desktop Color"));
    m_desktopSwatch = swatch(c, u"desktopSwatch"_s);
    m_desktopColorButton = colorButton(c, u"desktopColorButton"_s);
    m_okButton = button(c, u"okButton"_s, tr("&OK"));
    buildPictureControls();
    m_calendarColorLabel = label(c, u"calendarColorLabel"_s, tr("Calendar Back Color"));
    m_calendarSwatch = swatch(c, u"calendarSwatch"_s);
    m_calendarColorButton = colorButton(c, u"calendarColorButton"_s);
    m_cancelButton = button(c, u"cancelButton"_s, tr("&Cancel"));
    m_cornerLabel = label(c, u"cornerLabel"_s, tr("Calendar Position"));
    m_cornerCombo = controls::list(c, u"cornerCombo"_s, {97, 21});
    m_applyButton = button(c, u"applyButton"_s, tr("&Apply"));
    m_offsetXLabel = label(c, u"offsetXLabel"_s, tr("Position Offset X"));
    m_offsetXEdit = offsetBox(c, u"offsetXEdit"_s);
    m_defaultsButton = button(c, u"defaultsButton"_s, tr("&Default"));
    m_offsetYLabel = label(c, u"offsetYLabel"_s, tr("Position Offset Y"));
    m_offsetYEdit = offsetBox(c, u"offsetYEdit"_s);
    m_sizeLabel = label(c, u"sizeLabel"_s, tr("Size:"));
    m_sizeCombo = controls::list(c, u"sizeCombo"_s, {97, 21});
    m_weekStartLabel = label(c, u"weekStartLabel"_s, tr("Week starts on:"));
    m_weekStartCombo = controls::list(c, u"weekStartCombo"_s, {97, 21});
    m_dateFormatLabel = label(c, u"dateFormatLabel"_s, tr("Date:"));
    m_dateFormatCombo = controls::list(c, u"dateFormatCombo"_s, {97, 21});
    m_showToDoListCheck = controls::checkBox(c, u"showToDoListCheck"_s, tr("&Show To Do List"));
    m_toDoBackColorLabel = label(c, u"toDoBackColorLabel"_s, tr("To Do List Back Color"));
    m_toDoBackSwatch = swatch(c, u"toDoBackSwatch"_s);
    m_toDoBackColorButton = colorButton(c, u"toDoBackColorButton"_s);
    m_toDoTextColorLabel = label(c, u"toDoTextColorLabel"_s, tr("To Do List Text Color"));
    m_toDoTextSwatch = swatch(c, u"toDoTextSwatch"_s);
    m_toDoTextColorButton = colorButton(c, u"toDoTextColorButton"_s);
    m_startAtLogonCheck = controls::checkBox(c, u"startAtLogonCheck"_s, tr("Refresh desktop when computer starts."));
    buildLookControls();
    buildCalendarControls();
    layOut();

    // The labels in between take no focus.
    controls::setTabOrder({m_okButton, m_cancelButton, m_desktopColorButton, m_browseButton, m_clearButton,
                           m_styleCombo, m_currentWallpaperButton, m_cornerCombo, m_offsetXEdit,
                           m_offsetYEdit, m_sizeCombo, m_weekStartCombo, m_weekNumbersCheck, m_dateFormatCombo,
                           m_calendarColorButton, m_applyButton, m_toDoTextColorButton,
                           m_toDoBackColorButton, m_defaultsButton, m_restoreWallpaperButton, m_showToDoListCheck, m_markDaysCheck,
                           m_agendaDaysCombo, m_lookCombo, m_cardOpacitySpin, m_calendarList,
                           m_addCalendarFileButton, m_addCalendarFolderButton, m_addCalendarAddressButton,
                           m_removeCalendarButton, m_eventColorButton, m_startAtLogonCheck});
    m_okButton->setFocus();

    const std::pair<QPushButton *, ColorSwatch *> picks[] = {
        {m_desktopColorButton, m_desktopSwatch}, {m_calendarColorButton, m_calendarSwatch},
        {m_toDoBackColorButton, m_toDoBackSwatch}, {m_toDoTextColorButton, m_toDoTextSwatch}};
    for (const auto &[button, swatch] : picks)
        connect(button, &QPushButton::clicked, this, [this, s = swatch] { pickColor(s); });
    connect(m_defaultsButton, &QPushButton::clicked, this, &OptionsDialog::restoreDefaults);
    connect(m_applyButton, &QPushButton::clicked, this, &OptionsDialog::apply);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::storeAndClose);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
}

// Labels and their fields in the left columns, a gap, the dialog's buttons in the right one.
void OptionsDialog::layOut()
{
    auto *grid = new QGridLayout(content());
    grid->setContentsMargins(16, 16, 16, 16);
    // The swatch and its button together are as wide as the fields below them.
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(0, 119);
    const auto row = [grid](int r, QWidget *label, QWidget *field, QWidget *pick, QWidget *action) {
        grid->addWidget(label, r, 0, Qt::AlignVCenter);
        grid->addWidget(field, r, 1, 1, pick ? 1 : 2, Qt::AlignLeft | Qt::AlignVCenter);
        if (pick)
            grid->addWidget(pick, r, 2, Qt::AlignLeft | Qt::AlignVCenter);
        if (action)
            grid->addWidget(action, r, 4, Qt::AlignTop);
    };
    row(0, m_desktopColorLabel, m_desktopSwatch, m_desktopColorButton, m_okButton);
    // The picture under the calendar, beside the colour it replaces.
    const auto line = [grid](int r, QWidget *label, std::initializer_list<QWidget *> fields, QWidget *action) {
        auto *box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget *field : fields)
            box->addWidget(field, 0, Qt::AlignVCenter);
        box->addStretch(1);
        grid->addWidget(label, r, 0, Qt::AlignVCenter);
        grid->addLayout(box, r, 1, 1, 2);
        grid->addWidget(action, r, 4, Qt::AlignTop);
    };
    line(1, m_pictureLabel, {m_pictureName, m_browseButton, m_clearButton}, m_cancelButton);
    line(2, m_styleLabel, {m_styleCombo, m_currentWallpaperButton}, m_applyButton);
    row(3, m_calendarColorLabel, m_calendarSwatch, m_calendarColorButton, m_defaultsButton);
    row(4, m_cornerLabel, m_cornerCombo, nullptr, m_restoreWallpaperButton);
    row(5, m_offsetXLabel, m_offsetXEdit, nullptr, nullptr);
    row(6, m_offsetYLabel, m_offsetYEdit, nullptr, nullptr);
    row(7, m_sizeLabel, m_sizeCombo, nullptr, nullptr);
    row(8, m_weekStartLabel, m_weekStartCombo, nullptr, nullptr);
    row(9, m_dateFormatLabel, m_dateFormatCombo, nullptr, nullptr);
    grid->addWidget(m_weekNumbersCheck, 8, 3, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_showToDoListCheck, 10, 0, 1, 3, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_markDaysCheck, 10, 3, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    row(11, m_toDoBackColorLabel, m_toDoBackSwatch, m_toDoBackColorButton, nullptr);
    row(12, m_toDoTextColorLabel, m_toDoTextSwatch, m_toDoTextColorButton, nullptr);
    grid->addWidget(m_startAtLogonCheck, 13, 0, 1, 5, Qt::AlignLeft | Qt::AlignVCenter);
    // Room between the groups, as the form had it.
    for (const int r : {3, 4, 10, 11, 13})
        grid->setRowMinimumHeight(r, 28);
    grid->setColumnMinimumWidth(3, 15);
    row(14, m_agendaDaysLabel, m_agendaDaysCombo, nullptr, nullptr);
    row(15, m_lookLabel, m_lookCombo, nullptr, nullptr);
    auto *opacity = new QHBoxLayout;
    opacity->setSpacing(4);
    opacity->addWidget(m_cardOpacityLabel);
    opacity->addWidget(m_cardOpacitySpin);
    opacity->addStretch(1);
    grid->addLayout(opacity, 15, 3, 1, 2);
    grid->addWidget(m_calendarsLabel, 16, 0, Qt::AlignTop);
    grid->addLayout(calendarLayout(), 16, 1, 1, 4);
    grid->setRowStretch(17, 1);
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
    m_markDaysCheck->setChecked(values.markDays == 1);
    m_weekNumbersCheck->setChecked(values.weekNumbers == 1);
    m_agendaDaysCombo->setCurrentIndex(std::clamp(values.agendaDays, 1, 14) - 1);
    m_lookCombo->setCurrentIndex(values.look == 1 ? 1 : 0);
    showCalendars(values);
    m_cardOpacitySpin->setEnabled(values.look == 1);
    m_cardOpacitySpin->setValue(values.cardOpacity >= 20 && values.cardOpacity <= 100 ? values.cardOpacity
                                                                                      : Options::kStandardOpacity);
    showPicture(values.backgroundPicture);
    m_styleCombo->setCurrentIndex(std::clamp(values.backgroundStyle, 0, int(styleNames().size()) - 1));
    showSize(values.calendarScale);
    m_weekStartCombo->setCurrentIndex(std::clamp(values.weekStart, 0, m_weekStartCombo->count() - 1));
    m_dateFormatCombo->setCurrentIndex(std::clamp(values.dateFormat, 0, m_dateFormatCombo->count() - 1));
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
    o.offsetX = OptionsFile::parseInt32(m_offsetXEdit->text().trimmed()).value_or(o.offsetX);
    o.offsetY = OptionsFile::parseInt32(m_offsetYEdit->text().trimmed()).value_or(o.offsetY);
    o.desktopColor = m_desktopSwatch->color();
    o.calendarColor = m_calendarSwatch->color();
    o.toDoBackColor = m_toDoBackSwatch->color();
    o.toDoTextColor = m_toDoTextSwatch->color();
    o.showToDoList = m_showToDoListCheck->checkState() == Qt::Checked;
    o.startAtLogon = m_startAtLogonCheck->checkState() == Qt::Checked;
    o.markDays = m_markDaysCheck->isChecked() ? 1 : 0;
    o.weekNumbers = m_weekNumbersCheck->isChecked() ? 1 : 0;
    // 1 is stored as 0, the standard, so a file without the key stays as it was.
    o.agendaDays = m_agendaDaysCombo->currentIndex() == 0 ? 0 : m_agendaDaysCombo->currentIndex() + 1;
    o.look = m_lookCombo->currentIndex();
    takeCalendars(o);
    // The standard opacity is stored as 0, so a file without the key stays as it was.
    o.cardOpacity = m_cardOpacitySpin->value() == Options::kStandardOpacity ? 0 : m_cardOpacitySpin->value();
    o.backgroundPicture = m_picturePath;
    o.backgroundStyle = m_styleCombo->currentIndex();
    o.calendarScale = m_sizeCombo->currentData().toInt();
    o.weekStart = m_weekStartCombo->currentIndex();
    o.dateFormat = m_dateFormatCombo->currentIndex();
}

void OptionsDialog::apply()
{
    takeControls();
    Q_EMIT applied();
}

void OptionsDialog::storeAndClose()
{
    takeControls();
    // The settings first: a window start makes the log-on entry agree with them, so a run killed
    // between the two writes ends with the new choice in both places. Settings that could not be
    // stored leave the entry as it was, agreeing with them. The dialog closes either way, and the
    // record keeps the user's values for this run.
    QStringList failures;
    if (const Result<> e = OptionsFile::save(m_options, m_file); !e.has_value())
        failures << e.error().message();
    else if (const Result<> logon = m_updateAutostart(m_options.startAtLogon); !logon.has_value())
        failures << logon.error().message();
    if (!failures.isEmpty())
        QMessageBox::warning(this, u"Marvane"_s,
                             tr("The settings were not all stored.\n\n") + failures.join(u'\n'));
    accept();
}

} // namespace marvane
