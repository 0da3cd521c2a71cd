#include "app/tests/OptionsDialogRig.h"
#include "logon/LogonRun.h"
#include "widgets/ColorSwatch.h"
#include "settings/OptionsFile.h"
#include "tests/support/IniReads.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "widgets/TextBox.h"
#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QListWidget>
#include <QSpinBox>
#include <QSignalSpy>

using namespace marvane;
using namespace marvane::test;

// The dialog as a whole: what it opens on, what OK, Apply, Cancel and Default store, the keys.
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

};

MARVANE_TEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
