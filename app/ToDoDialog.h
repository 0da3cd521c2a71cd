#pragma once

#include "platform/Clock.h"
#include "todo/ToDoStore.h"
#include "widgets/FormDialog.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace marvane {

class TextBox;

// The modal editor of one date's twelve items. The date lives in the three choosers and the items
// in the boxes until Save; picking another date reloads the boxes and drops unsaved text.
class ToDoDialog : public FormDialog
{
    Q_OBJECT

public:
    static constexpr int kItems = 12;
    static constexpr int kTypingLimit = 50;

    ToDoDialog(const ToDoStore &store, const Clock &clock, QWidget *parent = nullptr);

    // Year, month and day from the choosers, as the file names the date.
    QString dateKey() const;

public Q_SLOTS:
    void selectToday();
    void save();

private:
    void buildControls();
    void layOut();
    void loadItems();

    const ToDoStore &m_store;
    const Clock &m_clock;

    QLabel *m_yearLabel = nullptr;
    QComboBox *m_yearCombo = nullptr;
    QLabel *m_monthLabel = nullptr;
    QComboBox *m_monthCombo = nullptr;
    QLabel *m_dayLabel = nullptr;
    QComboBox *m_dayCombo = nullptr;
    QPushButton *m_todayButton = nullptr;
    std::array<QLabel *, kItems> m_itemLabels{};
    std::array<TextBox *, kItems> m_itemEdits{};
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace marvane
