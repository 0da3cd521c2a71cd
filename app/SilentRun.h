#pragma once

#include "app/BackgroundLoader.h"
#include "app/MainWindowServices.h"
#include "calendar/Canvas.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QDate>
#include <QObject>
#include <QSize>

#include <optional>

class QTimer;

namespace marvane {

// The start with the argument 9, at log-on or at midnight: no window. It loads the settings, and
// 200 ms and then 500 ms later paints this month, sets it as the wallpaper and ends the program.
class SilentRun : public QObject
{
    Q_OBJECT

public:
    explicit SilentRun(MainWindowServices services, QObject *parent = nullptr);

    void start();

private:
    // The run waits twice before it paints, so that a log-on desktop has settled.
    enum class Step { Idle, Settling, Waiting };

    // What a picture depends on besides the settings, which a run loads once.
    struct PictureInputs
    {
        QDate today;
        QSize screen;
        double scale = 1.0;
        ToDoStore::Items items;
        bool operator==(const PictureInputs &) const = default;
    };

    // The inputs as they are now.
    PictureInputs readInputs() const;
    // Paints for `inputs`; the reason when the picture could not be painted whole.
    Result<> paint(const PictureInputs &inputs);
    void prepare();
    void advance();
    void paintAndInstall();
    void fail(const QString &message);

    MainWindowServices m_services;
    Options m_options;
    BackgroundLoader m_background;
    QString m_toldBackground; // a picture that cannot be read is told once
    Canvas m_canvas;
    ToDoStore m_store;
    QTimer *m_timer = nullptr;
    std::optional<PictureInputs> m_painted; // what the canvas holds, when it holds a whole picture
    Step m_step = Step::Idle;
    int m_exitCode = 0;
};

} // namespace marvane
