#include "app/MainWindow.h"
#include "app/WindowServices.h"
#include "app/tests/RecordedServices.h"
#include "calendar/CalendarPainter.h"
#include "settings/OptionsFile.h"
#include "settings/ProgramState.h"
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
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;
using marvane::test::child;

namespace {

struct Refresh
{
    int year;
    int month;
    Options options;
};

// A main window with every outside service replaced by a recorder.
struct Rig : marvane::test::RecordedServices
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

} // namespace

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

    // With the log-on run on and no picture chosen, the desktop's own picture becomes the one
    // under the calendar, in its style, and is stored; a chosen picture, or the log-on run off,
    // leaves everything as it was.
    void usersWallpaperIsKept_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("picture");
        QTest::newRow("none chosen") << QByteArray("[general]\nAutoRun=True\n") << QStringLiteral("/photos/lake.jpg");
        QTest::newRow("one chosen") << QByteArray("[general]\nAutoRun=True\nBackgroundPicture=/mine.png\n")
                                    << QStringLiteral("/mine.png");
        QTest::newRow("log-on run off") << QByteArray("[general]\nAutoRun=False\n") << QString();
    }
    void usersWallpaperIsKept()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, picture);
        Rig rig;
        rig.writeOptions(stored);
        rig.adjust = [](MainWindowServices &s) {
            s.usersWallpaper = [] { return std::optional<std::pair<QString, int>>({QStringLiteral("/photos/lake.jpg"), 2}); };
        };
        rig.start();
        Options now;
        OptionsFile::load(now, OptionsFile::path(rig.dir.path()));
        QCOMPARE(now.backgroundPicture, picture);
        QCOMPARE(now.backgroundStyle, picture == QStringLiteral("/photos/lake.jpg") ? 2 : 0);
    }

    // The first start says in a bar what the log-on run will do; Keep hides it for good, Turn off
    // also turns the run off, settings first, and puts the user's wallpaper back.
    void logonNoticeIsAnsweredOnce_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Keep") << QStringLiteral("keepButton");
        QTest::newRow("Turn off") << QStringLiteral("turnOffButton");
    }
    void logonNoticeIsAnsweredOnce()
    {
        QFETCH(QString, answer);
        Rig rig;
        rig.noticeAnswered = false;
        rig.writeOptions("[general]\nBackgroundPicture=/photos/lake.jpg\n");
        int restores = 0;
        rig.adjust = [&restores](MainWindowServices &s) {
            s.desktopShowsOurPicture = [] { return true; };
            s.restoreWallpaper = [&restores] { return ++restores, Result<>(); };
        };
        rig.start();
        rig.window->show();
        auto *bar = rig.window->findChild<QWidget *>(QStringLiteral("logonNotice"));
        QVERIFY(bar && bar->isVisible());
        QVERIFY(child<QLabel>(bar, QStringLiteral("noticeLabel"))->text().contains(QStringLiteral("lake.jpg")));
        QTest::mouseClick(child<QPushButton>(bar, answer), Qt::LeftButton);
        QVERIFY(!bar->isVisible());
        const bool off = answer == QStringLiteral("turnOffButton");
        Options now;
        OptionsFile::load(now, OptionsFile::path(rig.dir.path()));
        QCOMPARE(now.startAtLogon, !off);
        QCOMPARE(rig.autoRuns.last(), !off);
        QCOMPARE(restores, off ? 1 : 0);
        rig.noticeAnswered = false;
        rig.start();
        QVERIFY(!rig.window->findChild<QWidget *>(QStringLiteral("logonNotice"))->isVisibleTo(rig.window.get()));
    }

    void failedInstallIsShown()
    {
        Rig rig;
        rig.installFails = true;
        rig.start();
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("setDesktopButton")), Qt::LeftButton);
        QCOMPARE(rig.reports, QStringList{QStringLiteral("temp.bmp: disk full")});
        QVERIFY(rig.exits.isEmpty());
    }

    // A calendar that cannot be read is told once, not at every refresh, and the rest is painted.
    void unreadableCalendarIsToldOnce()
    {
        Rig rig;
        rig.writeOptions("[general]\nCalendars=/nowhere/gone.ics\n");
        rig.start();
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("refreshButton")), Qt::LeftButton);
        QCOMPARE(rig.reports, QStringList{QStringLiteral("/nowhere/gone.ics: no such file or folder")});
        QVERIFY(!rig.refreshes.isEmpty());
    }

    void errorInARefreshIsReportedAndTheProgramGoesOn()
    {
        Rig rig;
        rig.writeOptions("[general]\nOffsetX=2147483647\n");
        rig.start();
        QCOMPARE(rig.reports.size(), 1);
        QVERIFY(rig.reports.first().contains(QStringLiteral("overflow")));
        QVERIFY(rig.window->isVisible());
        // A half-painted picture never becomes the wallpaper, and the user is told why.
        QTest::mouseClick(child<QPushButton>(&*rig.window, QStringLiteral("setDesktopButton")), Qt::LeftButton);
        QVERIFY(rig.installed.isEmpty());
        QVERIFY2(rig.reports.last().contains(QStringLiteral("wallpaper was not changed")) &&
                     rig.reports.last().contains(QStringLiteral("overflow")),
                 qPrintable(rig.reports.last()));
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
