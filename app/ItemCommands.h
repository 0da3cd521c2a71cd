#pragma once

#include "platform/Result.h"
#include "todo/ToDoStore.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace marvane {

// What a to-do command printed, and whether it changed the items (then the wallpaper is
// repainted where it shows Marvane's picture).
struct ItemCommandAnswer
{
    QString text;
    bool changed = false;
};

// `pendrel add [--date DATE] TEXT...`, `pendrel list [--date DATE] [--days N]` and
// `pendrel remove [--date DATE] N`, for terminals and scripts; in English. DATE is YYYY-MM-DD,
// today, tomorrow or +N. A refusal is one line that says why.
class ItemCommands
{
public:
    static bool isItemCommand(const QStringList &arguments);
    static Result<ItemCommandAnswer> run(const QStringList &arguments, const ToDoStore &store, QDate today);
};

} // namespace marvane
