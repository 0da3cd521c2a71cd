#include "app/tests/OptionsDialogRig.h"
#include "widgets/ColorSwatch.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "widgets/TextBox.h"
#include "calendar/BackgroundPicture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace marvane;
using namespace marvane::test;

// The controls one by one: offsets, check boxes, colours and pictures, Restore wallpaper, and
// the writes that fail.
class TestOptionsControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(AutostartEntry::path()); }

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

MARVANE_TEST_MAIN(TestOptionsControls)
#include "tst_optionscontrols.moc"
