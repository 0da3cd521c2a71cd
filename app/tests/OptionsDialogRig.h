#pragma once

#include "app/OptionsDialog.h"
#include "logon/AutostartEntry.h"
#include "logon/LogonRun.h"
#include "settings/OptionsFile.h"
#include "tests/support/WidgetDriver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace marvane::test {

// A record unlike the defaults in every field.
inline Options sample()
{
    Options o;
    o.desktopColor = 0x00102030;
    o.calendarColor = 0x00405060;
    o.toDoBackColor = 0x00708090;
    o.toDoTextColor = 0x00A0B0C0;
    o.calendarCorner = 2;
    o.offsetX = 25;
    o.offsetY = -7;
    o.showToDoList = false;
    o.startAtLogon = false;
    return o;
}

struct Rig
{
    QTemporaryDir dir;
    Options options = sample();
    QList<bool> autoRuns;
    QString autoRunFailure;
    QString chosenPicture;  // what the stand-in file dialog answers
    QString desktopPicture; // what the stand-in desktop says it shows

    Result<> restored;
    QString file() const { return OptionsFile::path(dir.path()); }
    QString exe() const { return dir.filePath(QStringLiteral("pendrel")); }

    std::unique_ptr<OptionsDialog> open()
    {
        auto updateAutostart = [this](bool on) -> Result<> {
            autoRuns << on;
            if (!autoRunFailure.isEmpty())
                return fail(AutostartEntry::path(), autoRunFailure);
            return LogonRun::update(on, exe());
        };
        OptionsDialog::PictureSources pictures{[this](QWidget *, const QString &) { return chosenPicture; },
                                               [this] { return desktopPicture; }, dir.path(),
                                               [this] { return restored; }};
        auto dialog = std::make_unique<OptionsDialog>(options, file(), updateAutostart, pictures);
        [&] { QVERIFY(test::showActive(dialog.get())); }();
        return dialog;
    }
    Options stored() const
    {
        Options o;
        OptionsFile::load(o, file());
        return o;
    }
    static QByteArray autostart()
    {
        QFile f(AutostartEntry::path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Answers the next modal dialog of type T that opens under `parent`.
template <typename T> inline void answerNext(QWidget *parent, std::function<void(T *)> answer)
{
    QTimer::singleShot(0, parent, [parent, answer] {
        T *dialog = parent->findChild<T *>();
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace marvane::test
