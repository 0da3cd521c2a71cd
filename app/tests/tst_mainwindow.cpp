#include "app/tests/MainWindowRig.h"
#include "app/WindowServices.h"
#include "calendar/CalendarPainter.h"
#include "settings/OptionsFile.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "widgets/TextBox.h"
#include "app/OptionsDialog.h"
#include "app/ToDoDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

using namespace marvane;
using namespace marvane::test;

// The window and its refreshes: its choosers and buttons, the dialogs it opens and the picture
// each change paints.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp()
    {
        Rig rig;
        rig.writeOptions("[general]\nCalendarPos=3\nAutoRun=False\n");
        rig.start();

        // Two refreshes, both raised by the choosers: the first with the all-zero record and the
        // current month (the month chooser still empty), the second with the loaded settings.
        QCOMPARE(rig.refreshes.size(), 2);
        QCOMPARE(rig.refreshes[0].year, 2026);
        QCOMPARE(rig.refreshes[0].month, 12);
        QCOMPARE(rig.refreshes[0].options, Options{});
        QCOMPARE(rig.refreshes[1].month, 12);
        QCOMPARE(rig.refreshes[1].options.calendarCorner, 3);
        QCOMPARE(rig.refreshes[1].options.startAtLogon, false);

        QCOMPARE(rig.autoRuns, QList<bool>{false});
        QVERIFY(rig.window->isVisible());
        QCOMPARE(child<QComboBox>(&*rig.window, QStringLiteral("yearCombo"))->currentText(), QStringLiteral("2026"));
        QCOMPARE(child<QComboBox>(&*rig.window, QStringLiteral("monthCombo"))->currentText(), QStringLiteral("12"));
        QVERIFY(rig.installed.isEmpty());
    }

    void yearChooserCoversTheClock_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("refreshes");
        QTest::newRow("1999 selects 2000") << QDate(1999, 5, 17) << QStringLiteral("2000") << 2;
        QTest::newRow("2000, first entry") << QDate(2000, 1, 1) << QStringLiteral("2000") << 2;
        QTest::newRow("2100, last entry") << QDate(2100, 12, 31) << QStringLiteral("2100") << 2;
        QTest::newRow("2150 selects 2100") << QDate(2150, 6, 1) << QStringLiteral("2100") << 2;
    }
    void yearChooserCoversTheClock()
    {
        QFETCH(QDate, today);
        QFETCH(QString, year);
        QFETCH(int, refreshes);
        Rig rig;
        rig.clock.setToday(today);
        rig.start();
        QCOMPARE(child<QComboBox>(&*rig.window, QStringLiteral("yearCombo"))->count(), 101);
        QCOMPARE(child<QComboBox>(&*rig.window, QStringLiteral("yearCombo"))->currentText(), year);
        QCOMPARE(child<QComboBox>(&*rig.window, QStringLiteral("monthCombo"))->currentIndex(), today.month() - 1);
        QCOMPARE(rig.refreshes.size(), refreshes);
        QCOMPARE(rig.refreshes.last().year, year.toInt());
    }

    void buttonsAndChoosers()
    {
        Rig rig;
        rig.start();
        rig.refreshes.clear();

        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("refreshButton")), Qt::LeftButton);
        QCOMPARE(rig.refreshes.size(), 1);

        child<QComboBox>(&*rig.window, QStringLiteral("monthCombo"))->setCurrentIndex(5);
        QCOMPARE(rig.refreshes.size(), 2);
        QCOMPARE(rig.refreshes.last().month, 6);

        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("optionsButton")), Qt::LeftButton);
        QCOMPARE(rig.opened.last(), QStringLiteral("options"));
        QCOMPARE(rig.refreshesWhileOpen, 3);
        QCOMPARE(rig.refreshes.size(), 4);
        QCOMPARE(rig.refreshes[2].options.calendarCorner, 0);
        QCOMPARE(rig.refreshes.last().options.calendarCorner, 0);
        QCOMPARE(rig.window->options().calendarCorner, 0);

        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("toDoListButton")), Qt::LeftButton);
        QCOMPARE(rig.opened.last(), QStringLiteral("todo"));
        QCOMPARE(rig.refreshes.size(), 5);

        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("aboutButton")), Qt::LeftButton);
        QCOMPARE(rig.opened.last(), QStringLiteral("about"));
        QCOMPARE(rig.refreshes.size(), 5);

        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("helpButton")), Qt::LeftButton);
        QCOMPARE(rig.opened.last(), QStringLiteral("help"));
        QCOMPARE(rig.refreshes.size(), 5);

        // Set Desktop installs the month shown, June, not the current one.
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("setDesktopButton")), Qt::LeftButton);
        QCOMPARE(rig.installed.size(), 1);
        QCOMPARE(rig.installed.first(), rig.window->canvas().image());
        QCOMPARE(rig.installed.first().size(), QSize(1024, 768));
    }

    // The program's own options dialog: Apply repaints the canvas while it stays open.
    void optionsDialogApplyRepaints()
    {
        Rig rig;
        rig.adjust = [&rig](MainWindowServices &s) {
            s.openOptions =
                windowServices(rig.services(), nullptr).openOptions;
        };
        rig.start();
        rig.refreshes.clear();
        qsizetype whileOpen = -1;
        QTimer::singleShot(0, rig.window.get(), [&] {
            auto *dialog = rig.window->findChild<OptionsDialog *>();
            QVERIFY(dialog);
            child<QComboBox>(&*dialog, QStringLiteral("cornerCombo"))->setCurrentIndex(3);
            child<QPushButton>(&*dialog, QStringLiteral("applyButton"))->click();
            whileOpen = rig.refreshes.size();
            child<QPushButton>(&*dialog, QStringLiteral("cancelButton"))->click();
        });
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("optionsButton")), Qt::LeftButton);
        QCOMPARE(whileOpen, 1);
        QCOMPARE(rig.refreshes.size(), 2);
        QCOMPARE(rig.refreshes.last().options.calendarCorner, 3);
        QVERIFY(rig.window->findChild<OptionsDialog *>() == nullptr);
    }

    // The program's own to-do editor opens on the main window's clock; closing it repaints.
    void toDoEditorClosesIntoARefresh()
    {
        Rig rig;
        rig.adjust = [&rig](MainWindowServices &s) {
            s.openToDo = windowServices(rig.services(), nullptr).openToDo;
        };
        rig.start();
        rig.refreshes.clear();
        QString shownDate;
        QTimer::singleShot(0, rig.window.get(), [&] {
            auto *dialog = rig.window->findChild<ToDoDialog *>();
            QVERIFY(dialog);
            shownDate = dialog->dateKey();
            QVERIFY(rig.refreshes.isEmpty());
            child<QPushButton>(&*dialog, QStringLiteral("closeButton"))->click();
        });
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("toDoListButton")), Qt::LeftButton);
        QCOMPARE(shownDate, QStringLiteral("2026-12-7"));
        QCOMPARE(rig.refreshes.size(), 1);
        QVERIFY(rig.window->findChild<ToDoDialog *>() == nullptr);
    }

    // A Save in the to-do editor reaches the desktop at once where it shows this program's
    // picture (Set Desktop pressed before, or the desktop's setting names it); else the window only.
    void savedItemsReachTheDesktop_data()
    {
        QTest::addColumn<bool>("setDesktopFirst");
        QTest::addColumn<bool>("desktopShowsOurs");
        QTest::addColumn<bool>("installed");
        QTest::newRow("after Set Desktop") << true << false << true;
        QTest::newRow("the desktop shows ours") << false << true << true;
        QTest::newRow("the desktop shows another") << false << false << false;
    }
    void savedItemsReachTheDesktop()
    {
        QFETCH(bool, setDesktopFirst);
        QFETCH(bool, desktopShowsOurs);
        QFETCH(bool, installed);
        Rig rig;
        rig.adjust = [&rig, desktopShowsOurs](MainWindowServices &s) {
            s.openToDo = windowServices(rig.services(), nullptr).openToDo;
            s.desktopShowsOurPicture = [desktopShowsOurs] { return desktopShowsOurs; };
        };
        rig.start();
        if (setDesktopFirst)
            QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("setDesktopButton")), Qt::LeftButton);
        rig.installed.clear();
        qsizetype onSave = -1;
        QTimer::singleShot(0, rig.window.get(), [&] {
            auto *dialog = rig.window->findChild<ToDoDialog *>();
            QVERIFY(dialog);
            child<TextBox>(dialog, QStringLiteral("itemEdits[0]"))->setText(QStringLiteral("Call the plumber"));
            child<QPushButton>(dialog, QStringLiteral("saveButton"))->click();
            onSave = rig.installed.size();
            child<QPushButton>(dialog, QStringLiteral("closeButton"))->click();
        });
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("toDoListButton")), Qt::LeftButton);
        QCOMPARE(onSave, installed ? 1 : 0);
        QCOMPARE(rig.installed.size(), onSave);
    }

    // The picture opens, and stays, scrolled to the calendar, wherever it sits; a position the
    // user scrolled to by hand is kept while the box stays where it is.
    void pictureFollowsTheCalendar_data()
    {
        QTest::addColumn<int>("corner");
        for (int corner = 0; corner < 4; ++corner)
            QTest::addRow("corner %d", corner) << corner;
    }
    void pictureFollowsTheCalendar()
    {
        QFETCH(int, corner);
        Rig rig;
        rig.screen.setSize(QSize(1920, 1080));
        rig.adjust = [&rig](MainWindowServices &s) {
            s.openOptions =
                windowServices(rig.services(), nullptr).openOptions;
        };
        rig.writeOptions("[general]\nCalendarPos=" + QByteArray::number(corner) + "\n");
        rig.start();
        QCOMPARE(rig.window->size(), QSize(731, 529));
        auto *area = child<QScrollArea>(&*rig.window, QStringLiteral("pictureArea"));
        QCOMPARE(area->geometry(), QRect(0, 40, 697, 457));
        const auto visible = [area] {
            return QRect(QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                         area->viewport()->size());
        };
        const auto box = [&rig] {
            return calendarBox(rig.window->options(), QSize(1920, 1080), LengthScale()).intersected(QRect(0, 0, 1920, 1080));
        };
        QVERIFY2(visible().contains(box()), qPrintable(QStringLiteral("%1,%2").arg(visible().x()).arg(visible().y())));

        area->horizontalScrollBar()->triggerAction(corner == 1 || corner == 2 ? QAbstractSlider::SliderPageStepSub
                                                                              : QAbstractSlider::SliderPageStepAdd);
        const QRect byHand = visible();
        child<QComboBox>(&*rig.window, QStringLiteral("monthCombo"))->setCurrentIndex(3);
        QCOMPARE(visible(), byHand);

        // Apply in Options moves the box to the opposite corner: the view follows it behind the dialog.
        bool shownWhileOpen = false;
        QTimer::singleShot(0, rig.window.get(), [&] {
            auto *dialog = rig.window->findChild<OptionsDialog *>();
            QVERIFY(dialog);
            child<QComboBox>(&*dialog, QStringLiteral("cornerCombo"))->setCurrentIndex((corner + 2) % 4);
            child<QPushButton>(&*dialog, QStringLiteral("applyButton"))->click();
            shownWhileOpen = visible().contains(box());
            child<QPushButton>(&*dialog, QStringLiteral("cancelButton"))->click();
        });
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("optionsButton")), Qt::LeftButton);
        QCOMPARE(rig.window->options().calendarCorner, (corner + 2) % 4);
        QVERIFY(shownWhileOpen);
        QVERIFY(visible().contains(box()));
    }


    // Under a dark colour scheme the forced light backgrounds keep dark text.
    void textStaysReadableInADarkScheme()
    {
        const QPalette before = QApplication::palette();
        QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
        Rig rig;
        rig.start();
        const auto label = child<QLabel>(&*rig.window, QStringLiteral("yearLabel"));
        const auto combo = child<QComboBox>(&*rig.window, QStringLiteral("yearCombo"));
        const QColor labelText = label->palette().color(QPalette::WindowText);
        const QColor comboText = combo->palette().color(QPalette::ButtonText);
        const QColor listText = combo->palette().color(QPalette::Text);
        QApplication::setPalette(before);
        for (const QColor &c : {labelText, comboText, listText})
            QVERIFY2(c.lightness() < 64, qPrintable(c.name()));
    }
};

MARVANE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
