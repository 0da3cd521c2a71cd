// Every window on a small screen at a display scale: wholly inside the available area, every
// caption fitting its control, and the calendar in view. Run once per screen size and scale
// (MARVANE_SCREEN, QT_SCALE_FACTOR) on a private X server of that size.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/ProgramStart.h"
#include "app/ToDoDialog.h"
#include "calendar/CalendarPainter.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/WidgetDriver.h"
#include "tests/support/XvfbServer.h"
#include "widgets/CanvasView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace marvane;
using marvane::test::child;

namespace {

// The window's frame and every control that shows text: the text must fit the control.
void checkFits(QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    QVERIFY2(available.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                            .arg(window->objectName())
                            .arg(window->frameGeometry().x())
                            .arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width())
                            .arg(window->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->wordWrap())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth();
        QVERIFY2(needed <= label->width(), qPrintable(label->objectName()));
    }
    for (const QCheckBox *box : window->findChildren<QCheckBox *>())
        QVERIFY2(box->sizeHint().width() <= box->width() && box->sizeHint().height() <= box->height(),
                 qPrintable(box->objectName()));
    for (const QComboBox *list : window->findChildren<QComboBox *>())
        QVERIFY2(list->sizeHint().width() <= list->width(), qPrintable(list->objectName()));
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        const int caption = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
        QVERIFY2(caption + 4 <= button->width(), qPrintable(button->objectName()));
    }
}

// Label and field share a middle line, to the pixel.
void checkCentred(const QWidget *window, const QString &label, const QString &field)
{
    const QWidget *l = child<QWidget>(window, label);
    const QWidget *f = child<QWidget>(window, field);
    QVERIFY2(std::abs((l->y() * 2 + l->height()) - (f->y() * 2 + f->height())) <= 1, qPrintable(label));
}

} // namespace

class TestScreenFit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2026, 12, 7)};
    FixedScreen m_screen{QSize(1920, 1080)};
    LocaleNames m_names{QLocale(QLocale::English, QLocale::UnitedStates)};

    std::unique_ptr<MainWindow> mainWindow(int corner)
    {
        QFile options(m_dir.filePath(QStringLiteral("options.ini")));
        options.open(QIODevice::WriteOnly);
        options.write("[general]\nAutoRun=False\nCalendarPos=" + QByteArray::number(corner) + "\n");
        options.close();
        MainWindowServices s{.clock = m_clock, .screen = m_screen, .names = m_names,
                             .settingsDirectory = m_dir.path(), .executable = {},
                             .updateAutostart = [](bool) { return Result<>(); }, .installWallpaper = {},
                             .openOptions = {}, .openToDo = {}, .openAbout = {}, .openHelp = {},
                             .report = {}, .exit = {}, .desktopShowsOurPicture = {}, .restoreWallpaper = {}, .usersWallpaper = {}};
        auto window = std::make_unique<MainWindow>(std::move(s));
        window->start();
        return window;
    }

private Q_SLOTS:
    // The language the test runs under (LC_ALL), as the program takes it.
    void initTestCase() { installTranslations(true); }

    void mainWindowFitsAndShowsTheCalendar_data()
    {
        QTest::addColumn<int>("corner");
        for (int corner = 0; corner < 4; ++corner)
            QTest::addRow("corner %d", corner) << corner;
    }
    void mainWindowFitsAndShowsTheCalendar()
    {
        QFETCH(int, corner);
        auto window = mainWindow(corner);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checkFits(window.get());
        checkCentred(window.get(), QStringLiteral("yearLabel"), QStringLiteral("yearCombo"));
        auto *area = child<QScrollArea>(window.get(), QStringLiteral("pictureArea"));
        // The picture's view, scroll bars and all, lies inside the window.
        QVERIFY(window->rect().contains(QRect(area->mapTo(window.get(), QPoint(0, 0)), area->size())));
        const QRect visible(QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                            area->viewport()->size());
        // The picture is shown 1:1 in device pixels: on a scaled screen the view is smaller.
        auto *canvas = child<CanvasView>(window.get(), QStringLiteral("canvasView"));
        QCOMPARE(canvas->size(), (QSizeF(1920, 1080) / window->devicePixelRatioF()).toSize());
        QRect box = canvas->viewRect(
            calendarBox(window->options(), QSize(1920, 1080), LengthScale()).intersected(QRect(0, 0, 1920, 1080)));
        // A view smaller than the box shows its top-left part.
        box.setSize(box.size().boundedTo(visible.size()));
        QVERIFY(visible.contains(box));
        // The year list shows at most twelve rows at a time.
        auto *years = child<QComboBox>(window.get(), QStringLiteral("yearCombo"));
        years->showPopup();
        QAbstractItemView *view = years->view();
        QTRY_VERIFY(view->isVisible());
        const int rows = view->viewport()->height() / view->visualRect(view->model()->index(0, 0)).height();
        QVERIFY2(rows <= 12, qPrintable(QString::number(rows)));
        QVERIFY(view->window()->screen()->availableGeometry().contains(view->window()->frameGeometry()));
        years->hidePopup();
    }

    void dialogsFit()
    {
        auto owner = mainWindow(1);
        Options options = Options::defaults();
        const ToDoStore store(ToDoStore::fileIn(m_dir.path()), m_clock);
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::make_unique<OptionsDialog>(options, m_dir.filePath(QStringLiteral("o.ini")),
                                                          [](bool) { return Result<>(); },
                                                          OptionsDialog::PictureSources{}, owner.get()));
        dialogs.push_back(std::make_unique<ToDoDialog>(store, m_clock, owner.get()));
        dialogs.push_back(std::make_unique<AboutDialog>([](const QUrl &) { return true; }, owner.get()));
        for (const auto &dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            checkFits(dialog.get());
            // A dialog cut by the screen scrolls to its last control, once its scroll bars have
            // taken the size (on a loaded machine, a few events after it is shown).
            auto *area = child<QScrollArea>(dialog.get(), QStringLiteral("scrollArea"));
            const QWidget *content = area->widget();
            QTRY_VERIFY(area->horizontalScrollBar()->maximum() + area->viewport()->width() >= content->width());
            QTRY_VERIFY(area->verticalScrollBar()->maximum() + area->viewport()->height() >= content->height());
            dialog->hide();
        }
        checkCentred(dialogs[0].get(), QStringLiteral("cornerLabel"), QStringLiteral("cornerCombo"));
        checkCentred(dialogs[1].get(), QStringLiteral("itemLabels[11]"), QStringLiteral("itemEdits[11]"));
    }
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    const QStringList size = qEnvironmentVariable("MARVANE_SCREEN", QStringLiteral("1024x768")).split(u'x');
    marvane::test::XvfbServer xvfb(QSize(size.value(0).toInt(), size.value(1).toInt()));
    if (!xvfb.isRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(xvfb.error()));
        return 1;
    }
    xvfb.exportDisplay();
    qputenv("QT_QPA_PLATFORM", "xcb");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    int result = 0;
    {
        QApplication app(argc, argv);
        TestScreenFit tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    return result;
}

#include "tst_screenfit.moc"
