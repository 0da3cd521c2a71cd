#include "logon/AutostartEntry.h"
#include "logon/LogonRun.h"
#include "widgets/ColorSwatch.h"
#include "settings/OptionsFile.h"
#include "ini/IniStrings.h"
#include "tests/support/IniReads.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "widgets/TextBox.h"
#include "app/OptionsDialog.h"
#include "calendar/BackgroundPicture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QListWidget>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;
using marvane::test::child;

namespace {

// A record unlike the defaults in every field.
Options sample()
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
template <typename T> void answerNext(QWidget *parent, std::function<void(T *)> answer)
{
    QTimer::singleShot(0, parent, [parent, answer] {
        T *dialog = parent->findChild<T *>();
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(AutostartEntry::path()); }

    void opensOnTheRecord()
    {
        Rig rig;
        auto d = rig.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("desktopSwatch"))->color(), 0x00102030);
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("calendarSwatch"))->color(), 0x00405060);
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("toDoBackSwatch"))->color(), 0x00708090);
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("toDoTextSwatch"))->color(), 0x00A0B0C0);
        // 0x00BBGGRR is painted as RGB.
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("desktopSwatch"))->palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->count(), 4);
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->itemText(3), QStringLiteral("3 - Left,Bottom"));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->currentIndex(), 2);
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), QStringLiteral("25"));
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetYEdit"))->text(), QStringLiteral("-7"));
        QVERIFY(!child<QCheckBox>(&*d, QStringLiteral("showToDoListCheck"))->isChecked());
        QVERIFY(!child<QCheckBox>(&*d, QStringLiteral("startAtLogonCheck"))->isChecked());
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&*d, QStringLiteral("okButton")));
    }

    void tabReachesEveryControlOnce()
    {
        Rig rig;
        auto d = rig.open();
        QCOMPARE(test::tabCycleFaults(&*d), QString());
    }

    void unknownCornerShowsTheDefaultOne_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("4") << 4 << 1;
        QTest::newRow("-1") << -1 << 1;
        QTest::newRow("65536") << 65536 << 1;
    }
    void unknownCornerShowsTheDefaultOne()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        Rig rig;
        rig.options.calendarCorner = stored;
        auto d = rig.open();
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->currentIndex(), shown);
        // Showing it does not change the record; Apply does.
        QCOMPARE(rig.options.calendarCorner, stored);
        child<QPushButton>(&*d, QStringLiteral("applyButton"))->click();
        QCOMPARE(rig.options.calendarCorner, shown);
    }

    // The stored size is shown, one the list lacks as well; OK stores the one chosen.
    void sizeChooser_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pick"); // an entry to choose, or -1
        QTest::addColumn<int>("kept");
        QTest::newRow("automatic") << 0 << QStringLiteral("Automatic") << -1 << 0;
        QTest::newRow("150 %") << 150 << QStringLiteral("150 %") << -1 << 150;
        QTest::newRow("by hand, kept") << 130 << QStringLiteral("130 %") << -1 << 130;
        QTest::newRow("200 % chosen") << 0 << QStringLiteral("Automatic") << 5 << 200;
        QTest::newRow("automatic chosen") << 300 << QStringLiteral("300 %") << 0 << 0;
    }
    void sizeChooser()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, pick);
        QFETCH(int, kept);
        Rig rig;
        rig.options.calendarScale = stored;
        auto d = rig.open();
        auto *size = child<QComboBox>(&*d, QStringLiteral("sizeCombo"));
        QCOMPARE(size->currentText(), shown);
        if (pick >= 0)
            size->setCurrentIndex(pick);
        child<QPushButton>(&*d, QStringLiteral("okButton"))->click();
        QCOMPARE(rig.stored().calendarScale, kept);
    }

    // The look and its opacity: the opacity counts only for the cards, and its standard value is
    // stored as none.
    void lookAndOpacity_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("storedOpacity");
        QTest::newRow("classic") << 0 << 85 << 0;
        QTest::newRow("cards at 60 %") << 1 << 60 << 60;
        QTest::newRow("cards at the standard 85 %") << 1 << 85 << 0;
    }
    void lookAndOpacity()
    {
        QFETCH(int, look);
        QFETCH(int, opacity);
        QFETCH(int, storedOpacity);
        Rig rig;
        auto d = rig.open();
        auto *spin = child<QSpinBox>(&*d, QStringLiteral("cardOpacitySpin"));
        QVERIFY(!spin->isEnabled());
        QCOMPARE(spin->value(), 85);
        child<QComboBox>(&*d, QStringLiteral("lookCombo"))->setCurrentIndex(look);
        QCOMPARE(spin->isEnabled(), look == 1);
        spin->setValue(opacity);
        child<QPushButton>(&*d, QStringLiteral("okButton"))->click();
        QCOMPARE(rig.stored().look, look);
        QCOMPARE(rig.stored().cardOpacity, storedOpacity);
    }

    // The calendars as stored, one a line; Remove takes the chosen one out, and the standard event
    // colour stays stored as none.
    void calendarsList()
    {
        Rig rig;
        rig.options.calendars = QStringLiteral("/home/u/a.ics; /home/u/synced ;https://example.org/cal.ics");
        auto d = rig.open();
        auto *list = child<QListWidget>(&*d, QStringLiteral("calendarList"));
        QCOMPARE(list->count(), 3);
        list->setCurrentRow(1);
        child<QPushButton>(&*d, QStringLiteral("removeCalendarButton"))->click();
        child<QPushButton>(&*d, QStringLiteral("okButton"))->click();
        QCOMPARE(rig.stored().calendars, QStringLiteral("/home/u/a.ics;https://example.org/cal.ics"));
        QCOMPARE(rig.stored().eventColor, 0);
    }

    void okWithoutChangesStoresEveryKey()
    {
        Rig rig;
        auto d = rig.open();
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(!d->isVisible());
        QCOMPARE(rig.options, sample());
        for (const char *key : {"DesktopColor", "CalendarColor", "ToDoBackColor", "ToDoTextColor",
                                "CalendarPos", "OffsetX", "OffsetY", "ShowToDoList", "AutoRun"})
            QVERIFY2(!test::readString(QStringLiteral("general"), QString::fromLatin1(key), QString(),
                                             rig.file())
                          .isEmpty(),
                     key);
        QCOMPARE(rig.stored(), sample());
        QCOMPARE(rig.autoRuns, QList<bool>{false});
        QVERIFY(Rig::autostart().contains("Hidden=true\n"));
    }

    void defaultThenCancelChangesNothing()
    {
        Rig rig;
        auto d = rig.open();
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("defaultsButton")), Qt::LeftButton);
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("desktopSwatch"))->color(), SystemColors::system(1));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->currentIndex(), 1);
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), QStringLiteral("-10"));
        QVERIFY(child<QCheckBox>(&*d, QStringLiteral("startAtLogonCheck"))->isChecked());
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("cancelButton")), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(rig.options, sample());
        QVERIFY(!QFile::exists(rig.file()));
        QVERIFY(rig.autoRuns.isEmpty());
        QVERIFY(!QFile::exists(AutostartEntry::path()));
    }

    void defaultThenOkStoresTheDefaults()
    {
        Rig rig;
        auto d = rig.open();
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("defaultsButton")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(rig.options, Options::defaults());
        QCOMPARE(rig.stored(), Options::defaults());
        QCOMPARE(test::readString(QStringLiteral("general"), QStringLiteral("DesktopColor"), QString(),
                                        rig.file()),
                 QStringLiteral("-2147483647"));
        QCOMPARE(rig.autoRuns, QList<bool>{true});
        QVERIFY(Rig::autostart().contains(" 9\n"));
        QVERIFY(!Rig::autostart().contains("Hidden=true"));
    }

    void offsetTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("offsetX");
        QTest::newRow("abc keeps the old value") << QStringLiteral("abc") << QStringLiteral("abc") << 25;
        QTest::newRow("empty keeps the old value") << QString() << QString() << 25;
        QTest::newRow("lone minus") << QStringLiteral("-") << QStringLiteral("-") << 25;
        QTest::newRow("typing stops at three") << QStringLiteral("12345") << QStringLiteral("123") << 123;
        QTest::newRow("lowest") << QStringLiteral("-999") << QStringLiteral("-99") << -99;
        QTest::newRow("highest") << QStringLiteral("999") << QStringLiteral("999") << 999;
        QTest::newRow("blank around") << QStringLiteral(" 7 ") << QStringLiteral(" 7 ") << 7;
    }
    void offsetTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, offsetX);
        Rig rig;
        auto d = rig.open();
        test::retype(child<TextBox>(&*d, QStringLiteral("offsetXEdit")), typed);
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), shown);
        child<QComboBox>(&*d, QStringLiteral("cornerCombo"))->setCurrentIndex(0);
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("okButton")), Qt::LeftButton);
        Options expected = sample();
        expected.offsetX = offsetX;
        expected.calendarCorner = 0;
        QCOMPARE(rig.options, expected);
        QCOMPARE(rig.stored(), expected);
        QVERIFY(!d->isVisible());
    }

    void longerStoredOffsetIsShownWhole()
    {
        Rig rig;
        rig.options.offsetX = -123456;
        auto d = rig.open();
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), QStringLiteral("-123456"));
        // It can be shortened, not lengthened.
        child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->setFocus();
        child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->end(false);
        QTest::keyClicks(child<TextBox>(&*d, QStringLiteral("offsetXEdit")), QStringLiteral("7"));
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), QStringLiteral("-123456"));
        QTest::keyClick(child<TextBox>(&*d, QStringLiteral("offsetXEdit")), Qt::Key_Backspace);
        QCOMPARE(child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->text(), QStringLiteral("-12345"));
        child<QPushButton>(&*d, QStringLiteral("okButton"))->click();
        QCOMPARE(rig.options.offsetX, -12345);
    }

    void checkBoxCountsOnlyWhenTicked_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("value");
        QTest::newRow("unchecked") << int(Qt::Unchecked) << false;
        QTest::newRow("partly") << int(Qt::PartiallyChecked) << false;
        QTest::newRow("checked") << int(Qt::Checked) << true;
    }
    void checkBoxCountsOnlyWhenTicked()
    {
        QFETCH(int, state);
        QFETCH(bool, value);
        Rig rig;
        auto d = rig.open();
        child<QCheckBox>(&*d, QStringLiteral("showToDoListCheck"))->setTristate(true);
        child<QCheckBox>(&*d, QStringLiteral("showToDoListCheck"))->setCheckState(Qt::CheckState(state));
        child<QCheckBox>(&*d, QStringLiteral("startAtLogonCheck"))->setTristate(true);
        child<QCheckBox>(&*d, QStringLiteral("startAtLogonCheck"))->setCheckState(Qt::CheckState(state));
        child<QPushButton>(&*d, QStringLiteral("applyButton"))->click();
        QCOMPARE(rig.options.showToDoList, value);
        QCOMPARE(rig.options.startAtLogon, value);
    }

    void applyThenCancelStaysInMemory()
    {
        Rig rig;
        MARVANE_VERIFY_WRITE(OptionsFile::save(sample(), rig.file()));
        MARVANE_VERIFY_WRITE(LogonRun::update(true, rig.exe()));
        const QByteArray entryBefore = Rig::autostart();
        {
            auto d = rig.open();
            QSignalSpy applied(d.get(), &OptionsDialog::applied);
            child<ColorSwatch>(&*d, QStringLiteral("calendarSwatch"))->setColor(0x000000FF);
            QTest::mouseClick(child<QCheckBox>(&*d, QStringLiteral("showToDoListCheck")), Qt::LeftButton);
            test::retype(child<TextBox>(&*d, QStringLiteral("offsetYEdit")), QStringLiteral("42"));
            QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("applyButton")), Qt::LeftButton);
            QCOMPARE(applied.count(), 1);
            QVERIFY(d->isVisible());
            QCOMPARE(rig.options.calendarColor, 0x000000FF);
            QCOMPARE(rig.options.showToDoList, true);
            QCOMPARE(rig.options.offsetY, 42);
            QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("cancelButton")), Qt::LeftButton);
            QCOMPARE(applied.count(), 1);
        }
        QCOMPARE(rig.stored(), sample());
        QCOMPARE(Rig::autostart(), entryBefore);
        QVERIFY(rig.autoRuns.isEmpty());

        auto again = rig.open();
        QCOMPARE(child<ColorSwatch>(&*again, QStringLiteral("calendarSwatch"))->color(), 0x000000FF);
        QVERIFY(child<QCheckBox>(&*again, QStringLiteral("showToDoListCheck"))->isChecked());
        QCOMPARE(child<TextBox>(&*again, QStringLiteral("offsetYEdit"))->text(), QStringLiteral("42"));
    }

    void keysThatPressNoButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
    }
    void keysThatPressNoButton()
    {
        QFETCH(int, key);
        Rig rig;
        auto d = rig.open();
        child<TextBox>(&*d, QStringLiteral("offsetXEdit"))->setFocus();
        QTest::keyClick(child<TextBox>(&*d, QStringLiteral("offsetXEdit")), Qt::Key(key));
        QVERIFY(d->isVisible());
        QVERIFY(!QFile::exists(rig.file()));
    }

    void enterPressesTheFocusedButton()
    {
        Rig rig;
        auto d = rig.open();
        child<QPushButton>(&*d, QStringLiteral("cancelButton"))->setFocus();
        QTest::keyClick(child<QPushButton>(&*d, QStringLiteral("cancelButton")), Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(rig.file()));
    }

    void colourChooser_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("after");
        QTest::newRow("confirmed") << 0x00102030 << true << 0x00336699;
        QTest::newRow("cancelled") << 0x00102030 << false << 0x00102030;
        QTest::newRow("system colour, cancelled")
            << int(SystemColors::system(1)) << false << int(SystemColors::system(1));
        QTest::newRow("system colour, confirmed") << int(SystemColors::system(1)) << true << 0x00336699;
    }
    void colourChooser()
    {
        QFETCH(int, stored);
        QFETCH(bool, confirm);
        QFETCH(int, after);
        Rig rig;
        rig.options.desktopColor = stored;
        auto d = rig.open();
        QColor startedFrom;
        bool modal = false;
        answerNext<QColorDialog>(d.get(), [&](QColorDialog *chooser) {
            startedFrom = chooser->currentColor();
            modal = chooser->isModal();
            chooser->setCurrentColor(QColor(0x99, 0x66, 0x33));
            if (confirm)
                chooser->accept();
            else
                chooser->reject();
        });
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("desktopColorButton")), Qt::LeftButton);
        QCOMPARE(startedFrom, QColor::fromRgb(SystemColors::resolve(stored)));
        QVERIFY(modal);
        QCOMPARE(child<ColorSwatch>(&*d, QStringLiteral("desktopSwatch"))->color(), after);
        // Only the swatch changed.
        QCOMPARE(rig.options.desktopColor, stored);
        QVERIFY(d->isVisible());
    }

    // Settings that cannot be stored leave the log-on entry alone, agreeing with them; either
    // failure is shown and the dialog closes.
    void failedWritesAreShownAndTheDialogCloses_data()
    {
        QTest::addColumn<bool>("settingsFail");
        QTest::newRow("settings") << true;
        QTest::newRow("log-on entry") << false;
    }
    void failedWritesAreShownAndTheDialogCloses()
    {
        QFETCH(bool, settingsFail);
        Rig rig;
        rig.autoRunFailure = QStringLiteral("the folder is read-only");
        // A folder where the file should be: the settings cannot be written.
        if (settingsFail)
            QVERIFY(QDir().mkpath(rig.file()));
        auto d = rig.open();
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("defaultsButton")), Qt::LeftButton);
        QString shown;
        answerNext<QMessageBox>(d.get(), [&](QMessageBox *box) {
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY2(shown.contains(settingsFail ? rig.file() : AutostartEntry::path()), qPrintable(shown));
        QCOMPARE(rig.autoRuns.size(), settingsFail ? 0 : 1);
        QVERIFY(!d->isVisible());
        QCOMPARE(rig.options, Options::defaults());
    }

    // Browse, Clear and Use current wallpaper set the picture Apply takes; the desktop's copy of
    // this program's own picture is refused.
    void pictureControls_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("browse") << QStringLiteral("browseButton") << QStringLiteral("/photos/lake.jpg")
                                << QStringLiteral("/photos/lake.jpg");
        QTest::newRow("browse, cancelled") << QStringLiteral("browseButton") << QString() << QStringLiteral("/old.png");
        QTest::newRow("clear") << QStringLiteral("clearButton") << QString() << QString();
        QTest::newRow("current wallpaper") << QStringLiteral("currentWallpaperButton")
                                           << QStringLiteral("/usr/share/backgrounds/hills.png")
                                           << QStringLiteral("/usr/share/backgrounds/hills.png");
        QTest::newRow("current wallpaper is ours") << QStringLiteral("currentWallpaperButton")
                                                   << QStringLiteral("<dir>/.temp-wallpaper-1765100000000.bmp")
                                                   << QStringLiteral("/old.png");
    }
    void pictureControls()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        Rig rig;
        rig.options.backgroundPicture = QStringLiteral("/old.png");
        rig.chosenPicture = answer;
        rig.desktopPicture = QString(answer).replace(QStringLiteral("<dir>"), rig.dir.path());
        auto d = rig.open();
        QString told;
        if (answer.startsWith(u"<dir>"))
            test::answerNextMessageBox(&told);
        child<QPushButton>(&*d, button)->click();
        child<QComboBox>(&*d, QStringLiteral("styleCombo"))->setCurrentIndex(BackgroundPicture::Tile);
        child<QPushButton>(&*d, QStringLiteral("applyButton"))->click();
        QCOMPARE(rig.options.backgroundPicture, stored);
        QCOMPARE(rig.options.backgroundStyle, int(BackgroundPicture::Tile));
        QCOMPARE(child<QLabel>(&*d, QStringLiteral("pictureName"))->text(),
                 stored.isEmpty() ? QStringLiteral("(none)") : QFileInfo(stored).fileName());
        if (answer.startsWith(u"<dir>"))
            QVERIFY2(told.contains(QStringLiteral("Marvane's own picture")), qPrintable(told));
    }

    // Restore wallpaper says whether the user's wallpaper is back, or why not.
    void restoreWallpaperSaysWhatHappened_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("told");
        QTest::newRow("back") << QString() << QStringLiteral("is back");
        QTest::newRow("nothing kept") << QStringLiteral("no earlier wallpaper of this desktop was kept")
                                      << QStringLiteral("could not be put back: no earlier wallpaper");
    }
    void restoreWallpaperSaysWhatHappened()
    {
        QFETCH(QString, reason);
        QFETCH(QString, told);
        Rig rig;
        if (!reason.isEmpty())
            rig.restored = fail(QStringLiteral("state.ini"), reason);
        auto d = rig.open();
        QString shown;
        test::answerNextMessageBox(&shown);
        child<QPushButton>(&*d, QStringLiteral("restoreWallpaperButton"))->click();
        QVERIFY2(shown.contains(told), qPrintable(shown));
    }
};

MARVANE_TEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
