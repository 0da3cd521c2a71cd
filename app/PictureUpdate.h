#pragma once

#include "app/MainWindowServices.h"
#include "calendar/Canvas.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QString>

#include <exception>
#include <optional>

namespace marvane {

// Runs a step that may throw; the reason when it did.
template <typename Step>
std::optional<QString> reasonOfThrow(Step &&step)
{
    try {
        step();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("unexpected error");
    }
    return std::nullopt;
}

// Paints the month and today's items; the reason when the picture could not be painted whole.
std::optional<QString> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                                    const ToDoStore &store, int year, int month);
// The same with today's items read before.
std::optional<QString> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                                    const ToDoStore::Items &items, int year, int month);

// Sets the painted picture as the wallpaper; what the user is to be told when that failed.
std::optional<QString> installPicture(Canvas &canvas, const Options &options,
                                      const MainWindowServices &services);

// Why a picture that could not be painted whole did not become the wallpaper.
QString notInstalledMessage(const QString &reason);

} // namespace marvane
