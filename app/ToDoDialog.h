#pragma once

#include "Clock.h"
#include "FormDialog.h"
#include "ToDoStore.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace marvane {

class TextBox;

// The modal editor of one date's twelve items. The date lives in the three choosers and the items
// in the boxes until Save; picking another date reloads the boxes and drops unsaved text.
class frmToDo : public FormDialog
{
    Q_OBJECT

public:
    static constexpr int kItems = 12;
    static constexpr int kTypingLimit = 50;

    frmToDo(const ToDoStore &store, const Clock &clock, QWidget *parent = nullptr);

    // Year, month and day from the choosers, as the file names the date.
    QString dateKey() const;

    std::array<QLabel *, 3> Label1{};
    QComboBox *cboYear = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDay = nullptr;
    QPushButton *cmdToday = nullptr;
    std::array<QLabel *, kItems> Label2{};
    std::array<TextBox *, kItems> txtToDo{};
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;

public Q_SLOTS:
    void cboYear_Click();
    void cboMonth_Click();
    void cboDay_Click();
    void cmdToday_Click();
    void cmdSave_Click();
    void cmdClose_Click();

private:
    void buildControls();
    void Form_Load();
    void LoadToDoItems();
    void selectToday();

    const ToDoStore &m_store;
    const Clock &m_clock;
};

} // namespace marvane
