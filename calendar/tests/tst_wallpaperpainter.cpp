#include "calendar/WallpaperPainter.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "platform/Fonts.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

using namespace marvane;

class TestWallpaperPainter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2005, 5, 17)};
    FixedScreen m_screen{QSize(1024, 768)};
    LocaleNames m_names{QLocale(QLocale::English, QLocale::UnitedStates)};
    Canvas m_canvas;

    QImage firstRow(int month)
    {
        const ToDoStore store(ToDoStore::fileIn(m_dir.path()), m_clock);
        const Result<> painted = paintWallpaper(m_canvas, Options::defaults(), RenderContext{m_clock, m_screen, m_names},
                                                store.todayItems(), 2005, static_cast<std::int16_t>(month));
        if (!painted)
            qWarning("%s", qPrintable(painted.error().message()));
        return m_canvas.image().copy(614, 316 + 21, 400, 14);
    }
    void writeTodo(const QByteArray &text)
    {
        QFile f(ToDoStore::fileIn(m_dir.path()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(Fonts::ensureLoaded().has_value()); }

    void todaysItemsWhateverMonthIsShown()
    {
        const QImage empty = firstRow(5);
        writeTodo("[2005-5-17]\nTODO1=Dentist\n[2005-6-17]\nTODO1=Not today\n");
        const QImage may = firstRow(5);
        QVERIFY(may != empty);
        QCOMPARE(firstRow(6), may);
        QCOMPARE(firstRow(12), may);
    }

    void handEditShowsAtTheNextRefresh()
    {
        writeTodo("[2005-5-17]\nTODO1=Dentist\n");
        const QImage before = firstRow(5);
        writeTodo("[2005-5-17]\nTODO1=Dentist at 3 pm\n");
        QVERIFY(firstRow(5) != before);
        writeTodo("[2005-5-17]\nTODO1=Dentist\n");
        QCOMPARE(firstRow(5), before);
    }
};

MARVANE_TEST_MAIN(TestWallpaperPainter)
#include "tst_wallpaperpainter.moc"
