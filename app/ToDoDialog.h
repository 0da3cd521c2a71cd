#pragma once

#include "platform/Clock.h"
#include "todo/ToDoStore.h"
#include "widgets/FormDialog.h"

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace marvane {

class TextBox;

// The modal editor of one date's twelve items. The date lives in the three choosers and the items
// in the boxes until Save. Leaving a date whose boxes differ from what is stored for it (another
// date, Today, Close) first asks whether to save them, discard them or stay.
class ToDoDialog : public FormDialog
{
    Q_OBJECT

public:
    static constexpr int kItems = 12;
    static constexpr int kTypingLimit = ToDoStore::kItemLength;

    ToDoDialog(const ToDoStore &store, const Clock &clock, QWidget *parent = nullptr);

    // Year, month and day from the choosers, as the file names the date.
    QString dateKey() const;

Q_SIGNALS:
    // The items of a date were stored.
    void saved();

public Q_SLOTS:
    void selectToday();
    void save();
    void reject() override;

private:
    // The choosers' positions: year, month and day.
    using DateIndexes = std::array<int, 3>;

    void buildControls();
    void layOut();
    void chooseDate();
    // Sets the choosers without raising their events and loads that date's items.
    void showDate(const DateIndexes &date);
    DateIndexes chosenDate() const;
    // Whether the date shown may be left: nothing typed differs from what is stored for it, or the
    // user saved or discarded it.
    bool mayLeaveDate();
    // Stores the boxes as the date shown's items; false, after telling why, when it could not.
    bool storeItems();

    const ToDoStore &m_store;
    const Clock &m_clock;
    std::optional<DateIndexes> m_shown;

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
