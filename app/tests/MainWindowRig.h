#pragma once

#include "app/MainWindow.h"
#include "app/tests/RecordedServices.h"
#include "settings/ProgramState.h"

#include <functional>
#include <memory>

namespace marvane::test {

struct Refresh
{
    int year;
    int month;
    Options options;
};

// A main window with every outside service replaced by a recorder.
struct Rig : RecordedServices
{
    std::unique_ptr<MainWindow> window;
    QList<Refresh> refreshes;
    qsizetype refreshesWhileOpen = 0;

    std::function<void(MainWindowServices &)> adjust;
    bool noticeAnswered = true; // the bar about the log-on run, answered at an earlier start

    void start()
    {
        MainWindowServices s = services();
        // Like the dialog: Apply changes the record and repaints while it is open.
        s.openOptions = [this](QWidget *, Options &o, const std::function<void()> &repaint) {
            opened << QStringLiteral("options");
            o.calendarCorner = 0;
            repaint();
            refreshesWhileOpen = refreshes.size();
        };
        if (adjust)
            adjust(s);
        if (noticeAnswered)
            (void)ProgramState::setLogonNoticeAnswered(dir.path());
        window = std::make_unique<MainWindow>(std::move(s));
        QObject::connect(window.get(), &MainWindow::refreshed, window.get(), [this](int y, int m, const Options &o) {
            refreshes << Refresh{y, m, o};
        });
        window->start();
    }
};

} // namespace marvane::test
