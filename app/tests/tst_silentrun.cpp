#include "app/MainWindow.h"
#include "app/SilentRun.h"
#include "app/StartArgument.h"
#include "app/tests/RecordedServices.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;
using marvane::test::child;

namespace {

using Rig = marvane::test::RecordedServices;

void tick(SilentRun &run)
{
    QMetaObject::invokeMethod(child<QTimer>(&run, QStringLiteral("silentRunTimer")), "timeout");
}

} // namespace

class TestSilentRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Nothing happens before the second tick; then the picture is the one Set Desktop would have
    // installed for the month the choosers show, even when the date, the screen or today's items
    // changed after the run's first paint; the log-on entry is left alone, and the run ends.
    void ticks_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("installFails");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("installed") << QDate(2026, 12, 7) << QString() << false << 0;
        QTest::newRow("install failed") << QDate(2026, 12, 7) << QString() << true << 1;
        QTest::newRow("clock before the choosers' years") << QDate(1999, 3, 15) << QString() << false << 0;
        QTest::newRow("clock after them") << QDate(2101, 1, 31) << QString() << false << 0;
        QTest::newRow("midnight meanwhile") << QDate(2026, 12, 31) << QStringLiteral("date") << false << 0;
        QTest::newRow("item written meanwhile") << QDate(2026, 12, 7) << QStringLiteral("item") << false << 0;
        QTest::newRow("screen changed meanwhile") << QDate(2026, 12, 7) << QStringLiteral("screen") << false << 0;
        QTest::newRow("scale changed meanwhile") << QDate(2026, 12, 7) << QStringLiteral("scale") << false << 0;
    }
    void ticks()
    {
        QFETCH(QDate, today);
        QFETCH(QString, change);
        QFETCH(bool, installFails);
        QFETCH(int, exitCode);
        const QByteArray options = "[general]\nCalendarPos=2\nAutoRun=True\nOffsetX=12\n";
        Rig rig;
        rig.clock.setToday(today);
        rig.installFails = installFails;
        rig.writeOptions(options);
        SilentRun run(rig.services());
        run.start();
        if (change == QStringLiteral("date"))
            rig.clock.setToday(today.addDays(1));
        QFile todo(rig.dir.filePath(QStringLiteral("todolist.ini")));
        if (change == QStringLiteral("item")) {
            QVERIFY(todo.open(QIODevice::WriteOnly));
            todo.write("[2026-12-7]\nTODO2=written while the run waited\n");
            todo.close();
        }
        if (change == QStringLiteral("screen"))
            rig.screen.setSize(QSize(1280, 1024));
        if (change == QStringLiteral("scale"))
            rig.screen.setScale(1.5);
        auto *timer = child<QTimer>(&run, QStringLiteral("silentRunTimer"));
        QCOMPARE(timer->interval(), 200);
        tick(run);
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        QVERIFY(rig.installed.isEmpty());
        tick(run);
        QVERIFY(!timer->isActive());
        QCOMPARE(rig.installed.size(), 1);
        QCOMPARE(rig.exits, QList<int>{exitCode});
        QVERIFY(rig.autoRuns.isEmpty());

        Rig shown;
        shown.clock.setToday(rig.clock.today());
        shown.screen.setSize(rig.screen.pixelSize());
        shown.screen.setScale(rig.screen.scale());
        if (todo.exists())
            QVERIFY(QFile::copy(todo.fileName(), shown.dir.filePath(QStringLiteral("todolist.ini"))));
        shown.writeOptions(options);
        MainWindow window(shown.services());
        window.start();
        window.setDesktop();
        QCOMPARE(shown.installed.size(), 1);
        QVERIFY(rig.installed.first() == shown.installed.first());
    }

    void pictureThatCannotBePaintedIsNotInstalled_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("reason");
        QTest::newRow("offset overflows") << QByteArray("[general]\nOffsetX=2147483647\n") << QStringLiteral("overflow");
        QTest::newRow("month of a box past the bottom edge")
            << QByteArray("[general]\nOffsetY=2147483600\nCalendarPos=2\n") << QStringLiteral("overflow");
    }
    void pictureThatCannotBePaintedIsNotInstalled()
    {
        QFETCH(QByteArray, options);
        QFETCH(QString, reason);
        Rig rig;
        rig.writeOptions(options);
        SilentRun run(rig.services());
        run.start();
        tick(run);
        tick(run);
        QVERIFY(rig.installed.isEmpty());
        QCOMPARE(rig.exits, QList<int>{1});
        QCOMPARE(rig.reports.size(), 1);
        QVERIFY2(rig.reports.first().contains(QStringLiteral("wallpaper was not changed")) &&
                     rig.reports.first().contains(reason),
                 qPrintable(rig.reports.first()));
    }

    void endsAbout700msAfterStart()
    {
        Rig rig;
        SilentRun run(rig.services());
        QElapsedTimer clock;
        clock.start();
        run.start();
        QTRY_COMPARE_WITH_TIMEOUT(rig.exits.size(), 1, 3000);
        QVERIFY2(clock.elapsed() >= 690, qPrintable(QString::number(clock.elapsed())));
    }

    void startArgument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("9") << QStringLiteral("9") << 9;
        QTest::newRow("9 with blanks") << QStringLiteral(" 9 ") << 9;
        QTest::newRow("two words") << QStringLiteral("9 9") << 0;
        QTest::newRow("-32768") << QStringLiteral("-32768") << -32768;
        QTest::newRow("32768") << QStringLiteral("32768") << 0;
        QTest::newRow("word") << QStringLiteral("nine") << 0;
        QTest::newRow("huge") << QString(5000, u'9') << 0;
    }
    // A picture that cannot be read leaves the desktop colour and one line; the calendar is whole,
    // so the wallpaper is set and the run succeeds.
    void unreadableBackgroundIsToldOnce()
    {
        Rig rig;
        rig.writeOptions("[general]\nBackgroundPicture=moved away.jpg\n");
        SilentRun run(rig.services());
        run.start();
        tick(run);
        tick(run);
        QCOMPARE(rig.exits, QList<int>{0});
        QCOMPARE(rig.installed.size(), 1);
        QCOMPARE(rig.reports.size(), 1);
        QVERIFY2(rig.reports.first().contains(QStringLiteral("moved away.jpg")) &&
                     rig.reports.first().contains(QStringLiteral("no such file")),
                 qPrintable(rig.reports.first()));
    }

    void startArgument()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(parseStartArgument(text)), value);
    }
};

MARVANE_TEST_MAIN(TestSilentRun)
#include "tst_silentrun.moc"
