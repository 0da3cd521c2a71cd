#pragma once

#include "app/MainWindowServices.h"
#include "app/PictureJob.h"

#include <QObject>

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

    // This month, as the choosers would show it, with everything else as it is now.
    PictureJob::Inputs readInputs(bool withEvents = true) const;
    Result<> paint(const PictureJob::Inputs &inputs);
    void prepare();
    void advance();
    void paintAndInstall();
    void tellCalendarProblems();
    void fail(const QString &message);

    MainWindowServices m_services;
    PictureJob m_job;
    QString m_toldBackground; // a picture that cannot be read is told once
    QTimer *m_timer = nullptr;
    Step m_step = Step::Idle;
    int m_exitCode = 0;
};

} // namespace marvane
