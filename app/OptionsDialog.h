#pragma once

#include "platform/Result.h"
#include "settings/Options.h"
#include "widgets/FormDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QLayout;
class QListWidget;
class QLabel;
class QPushButton;

namespace marvane {

class ColorSwatch;
class TextBox;

// The modal settings dialog. Its controls hold the values being edited; the record changes only
// on Apply or OK, and only OK stores it and brings the log-on entry into line.
class OptionsDialog : public FormDialog
{
    Q_OBJECT

public:
    using UpdateAutostart = std::function<Result<>(bool startAtLogon)>;
    // Where a background picture comes from: a file the user picks (empty when they cancel), and
    // the picture the desktop shows now (empty when it does not say); the folder of Marvane's own
    // pictures (empty: the settings' one); and what puts the user's own wallpaper back.
    struct PictureSources
    {
        std::function<QString(QWidget *parent, const QString &filter)> choose;
        std::function<QString()> currentWallpaper;
        QString pictureFolder;
        std::function<Result<>()> restoreWallpaper;
    };

    OptionsDialog(Options &options, QString optionsFile, UpdateAutostart updateAutostart,
                  PictureSources pictures = {}, QWidget *parent = nullptr);

    // The corner chooser's entries, in the order of the stored numbers.
    static QStringList cornerNames();
    // The style chooser's entries, in the order of the stored numbers.
    static QStringList styleNames();
    // The sizes the size chooser offers, in percent; 0 is Automatic.
    static QList<int> sizeChoices() { return {0, 100, 125, 150, 175, 200, 250, 300}; }

public Q_SLOTS:
    void restoreDefaults();
    void browsePicture();
    void clearPicture();
    void useCurrentWallpaper();
    void restoreWallpaper();
    void apply();
    void storeAndClose();

Q_SIGNALS:
    // Apply took the controls into the record; the main window repaints the canvas from it.
    void applied();

private:
    void buildControls();
    void buildPictureControls();
    void showPicture(const QString &path);
    void showSize(int percent);
    void layOut();
    void pickColor(ColorSwatch *swatch);
    void takeControls();
    void buildCalendarControls();
    void buildLookControls();
    QLayout *calendarLayout();
    void addCalendar(const QString &source);
    void showCalendars(const Options &values);
    void takeCalendars(Options &o) const;
    void showControls(const Options &values);

    Options &m_options;
    QString m_file;
    UpdateAutostart m_updateAutostart;
    PictureSources m_pictures;
    QString m_picturePath; // as it will be stored

    QLabel *m_desktopColorLabel = nullptr;
    ColorSwatch *m_desktopSwatch = nullptr;
    QPushButton *m_desktopColorButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QLabel *m_pictureName = nullptr;
    QPushButton *m_browseButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QLabel *m_styleLabel = nullptr;
    QComboBox *m_styleCombo = nullptr;
    QPushButton *m_currentWallpaperButton = nullptr;
    QPushButton *m_restoreWallpaperButton = nullptr;
    QLabel *m_calendarColorLabel = nullptr;
    ColorSwatch *m_calendarSwatch = nullptr;
    QPushButton *m_calendarColorButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QLabel *m_cornerLabel = nullptr;
    QComboBox *m_cornerCombo = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeCombo = nullptr;
    QLabel *m_weekStartLabel = nullptr;
    QComboBox *m_weekStartCombo = nullptr;
    QLabel *m_dateFormatLabel = nullptr;
    QComboBox *m_dateFormatCombo = nullptr;
    QPushButton *m_applyButton = nullptr;
    QLabel *m_offsetXLabel = nullptr;
    TextBox *m_offsetXEdit = nullptr;
    QPushButton *m_defaultsButton = nullptr;
    QLabel *m_offsetYLabel = nullptr;
    TextBox *m_offsetYEdit = nullptr;
    QCheckBox *m_showToDoListCheck = nullptr;
    QLabel *m_toDoBackColorLabel = nullptr;
    ColorSwatch *m_toDoBackSwatch = nullptr;
    QPushButton *m_toDoBackColorButton = nullptr;
    QLabel *m_toDoTextColorLabel = nullptr;
    ColorSwatch *m_toDoTextSwatch = nullptr;
    QPushButton *m_toDoTextColorButton = nullptr;
    QCheckBox *m_startAtLogonCheck = nullptr;
    QCheckBox *m_markDaysCheck = nullptr;
    QCheckBox *m_weekNumbersCheck = nullptr;
    QLabel *m_agendaDaysLabel = nullptr;
    QComboBox *m_agendaDaysCombo = nullptr;
    QLabel *m_lookLabel = nullptr;
    QComboBox *m_lookCombo = nullptr;
    QLabel *m_cardOpacityLabel = nullptr;
    QSpinBox *m_cardOpacitySpin = nullptr;
    QLabel *m_calendarsLabel = nullptr;
    QListWidget *m_calendarList = nullptr;
    QPushButton *m_addCalendarFileButton = nullptr;
    QPushButton *m_addCalendarFolderButton = nullptr;
    QPushButton *m_addCalendarAddressButton = nullptr;
    QPushButton *m_removeCalendarButton = nullptr;
    QLabel *m_eventColorLabel = nullptr;
    ColorSwatch *m_eventSwatch = nullptr;
    QPushButton *m_eventColorButton = nullptr;
};

} // namespace marvane
