#pragma once

#include "Options.h"
#include "WriteResult.h"

#include "FormDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace marvane {

class ColorSwatch;
class TextBox;

// The modal settings dialog. Its controls hold the values being edited; the record changes only
// on Apply or OK, and only OK stores it and brings the log-on entry into line.
class frmOptions : public FormDialog
{
    Q_OBJECT

public:
    using SetAutoRun = std::function<WriteResult(bool autoRun)>;

    frmOptions(Options &options, QString optionsFile, SetAutoRun setAutoRun, QWidget *parent = nullptr);

    static const QStringList &positionNames();

    QLabel *Label1 = nullptr;
    ColorSwatch *lblDesktop = nullptr;
    QPushButton *cmdBackColor = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *Label6 = nullptr;
    ColorSwatch *lblCalendarColor = nullptr;
    QPushButton *cmdCanColor = nullptr;
    QPushButton *CancelButton = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cboPos = nullptr;
    QPushButton *cmdApply = nullptr;
    QLabel *Label3 = nullptr;
    TextBox *txtX = nullptr;
    QPushButton *cmdDefault = nullptr;
    QLabel *Label4 = nullptr;
    TextBox *txtY = nullptr;
    QCheckBox *chkToDO = nullptr;
    QLabel *Label8 = nullptr;
    ColorSwatch *lblToDoBack = nullptr;
    QPushButton *cmdToDoback = nullptr;
    QLabel *Label5 = nullptr;
    ColorSwatch *lblToDoText = nullptr;
    QPushButton *cmdToDoText = nullptr;
    QCheckBox *chkAuto = nullptr;

public Q_SLOTS:
    void cmdBackColor_Click();
    void cmdCanColor_Click();
    void cmdToDoback_Click();
    void cmdToDoText_Click();
    void cmdDefault_Click();
    void cmdApply_Click();
    void OKButton_Click();
    void CancelButton_Click();

Q_SIGNALS:
    // Apply took the controls into the record; the main window repaints the canvas from it.
    void applied();

private:
    void buildControls();
    void Form_Load();
    void PickColor(ColorSwatch &swatch);
    void takeControls();
    void showControls(const Options &values);

    Options &m_options;
    QString m_file;
    SetAutoRun m_setAutoRun;
};

} // namespace marvane
