#include "app/tests/MainWindowRig.h"
#include "app/WindowServices.h"
#include "settings/OptionsFile.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace marvane;
using namespace marvane::test;

// What the window keeps and tells: the user's wallpaper, the log-on notice, and the failures
// of an install, a calendar or a refresh.
class TestMainWindowNotices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

MARVANE_TEST_MAIN(TestMainWindowNotices)
#include "tst_mainwindownotices.moc"
