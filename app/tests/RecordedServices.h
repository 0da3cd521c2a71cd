#pragma once

#include "app/MainWindowServices.h"
#include "settings/OptionsFile.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"

#include <QFile>
#include <QTemporaryDir>

namespace marvane::test {

// The outside world of the main window or a silent run, with every service a recorder.
struct RecordedServices
{
    QTemporaryDir dir;
    FixedClock clock{QDate(2026, 12, 7)};
    FixedScreen screen{QSize(1024, 768)};
    LocaleNames names{QLocale(QLocale::English, QLocale::UnitedStates)};
    QList<bool> autoRuns;
    QList<QImage> installed;
    QStringList opened;
    QStringList reports;
    QList<int> exits;
    bool installFails = false;

    MainWindowServices services()
    {
        MainWindowServices s{clock, screen, names, dir.path(), dir.filePath(QStringLiteral("pendrel")), {}, {}, {},
                             {},    {},     {},    {},         {}, {}, {}, {}};
        s.updateAutostart = [this](bool on) {
            autoRuns << on;
            return Result<>();
        };
        s.installWallpaper = [this](const QImage &picture, QRgb) {
            installed << picture;
            return installFails ? Result<>(fail(QStringLiteral("temp.bmp"), QStringLiteral("disk full"))) : Result<>();
        };
        s.openToDo = [this](QWidget *, const std::function<void()> &) { opened << QStringLiteral("todo"); };
        s.openAbout = [this](QWidget *) { opened << QStringLiteral("about"); };
        s.openHelp = [this](QWidget *) { opened << QStringLiteral("help"); };
        s.report = [this](QWidget *, bool, const Message &m) { reports << m.english; };
        s.exit = [this](int code) { exits << code; };
        return s;
    }
    void writeOptions(const QByteArray &text)
    {
        QFile f(OptionsFile::path(dir.path()));
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
};

} // namespace marvane::test
