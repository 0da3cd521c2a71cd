#include "AutostartEntry.h"
#include "ColorSwatch.h"
#include "Module1.h"
#include "Module2.h"
#include "TestMain.h"
#include "WidgetDriver.h"
#include "TextBox.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;

namespace {

// A record unlike the defaults in every field.
Options sample()
{
    Options o;
    o.DesktopColor = 0x00102030;
    o.CalendarColor = 0x00405060;
    o.ToDoBackColor = 0x00708090;
    o.ToDoTextColor = 0x00A0B0C0;
    o.CalendarPos = 2;
    o.OffsetX = 25;
    o.OffsetY = -7;
    o.ShowToDoList = false;
    o.AutoRun = false;
    return o;
}

struct Rig
{
    QTemporaryDir dir;
    Options options = sample();
    QList<bool> autoRuns;
    QString autoRunFailure;

    QString file() const { return Module1::optionsFile(dir.path()); }
    QString exe() const { return dir.filePath(QStringLiteral("pendrel")); }

    std::unique_ptr<frmOptions> open()
    {
        auto setAutoRun = [this](bool on) {
            autoRuns << on;
            if (!autoRunFailure.isEmpty())
                return WriteResult::failure(AutostartEntry::path(), autoRunFailure);
            const QString error = AutostartEntry::write(on, exe());
            return error.isEmpty() ? WriteResult{} : WriteResult::failure(AutostartEntry::path(), error);
        };
        auto dialog = std::make_unique<frmOptions>(options, file(), setAutoRun);
        [&] { QVERIFY(test::showActive(dialog.get())); }();
        return dialog;
    }
    Options stored() const
    {
        Options o;
        Module1::LoadOptions(o, file());
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

class TestFrmOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(AutostartEntry::path()); }

    void opensOnTheRecord()
    {
        Rig rig;
        auto d = rig.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(d->size(), QSize(345, 376));
        QCOMPARE(d->lblDesktop->color(), 0x00102030);
        QCOMPARE(d->lblCalendarColor->color(), 0x00405060);
        QCOMPARE(d->lblToDoBack->color(), 0x00708090);
        QCOMPARE(d->lblToDoText->color(), 0x00A0B0C0);
        // 0x00BBGGRR is painted as RGB.
        QCOMPARE(d->lblDesktop->palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
        QCOMPARE(d->cboPos->count(), 4);
        QCOMPARE(d->cboPos->itemText(3), QStringLiteral("3 - Left,Bottom"));
        QCOMPARE(d->cboPos->currentIndex(), 2);
        QCOMPARE(d->txtX->text(), QStringLiteral("25"));
        QCOMPARE(d->txtY->text(), QStringLiteral("-7"));
        QVERIFY(!d->chkToDO->isChecked());
        QVERIFY(!d->chkAuto->isChecked());
        QCOMPARE(QApplication::focusWidget(), d->OKButton);
    }

    void tabOrderFollowsTheLayout()
    {
        Rig rig;
        auto d = rig.open();
        const QList<QWidget *> expected{d->OKButton,    d->CancelButton, d->cmdBackColor, d->cboPos,
                                        d->txtX,        d->txtY,         d->cmdCanColor,  d->cmdApply,
                                        d->cmdToDoText, d->cmdToDoback,  d->cmdDefault,   d->chkToDO,
                                        d->chkAuto,     d->OKButton};
        QCOMPARE(test::tabChain(expected.size()), expected);
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
        rig.options.CalendarPos = stored;
        auto d = rig.open();
        QCOMPARE(d->cboPos->currentIndex(), shown);
        // Showing it does not change the record; Apply does.
        QCOMPARE(rig.options.CalendarPos, stored);
        d->cmdApply->click();
        QCOMPARE(rig.options.CalendarPos, shown);
    }

    void okWithoutChangesStoresEveryKey()
    {
        Rig rig;
        auto d = rig.open();
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(!d->isVisible());
        QCOMPARE(rig.options, sample());
        for (const char *key : {"DesktopColor", "CalendarColor", "ToDoBackColor", "ToDoTextColor",
                                "CalendarPos", "OffsetX", "OffsetY", "ShowToDoList", "AutoRun"})
            QVERIFY2(!Module2::ReadIniString(QStringLiteral("general"), QString::fromLatin1(key), QString(),
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
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QCOMPARE(d->lblDesktop->color(), SystemColors::system(1));
        QCOMPARE(d->cboPos->currentIndex(), 1);
        QCOMPARE(d->txtX->text(), QStringLiteral("-10"));
        QVERIFY(d->chkAuto->isChecked());
        QTest::mouseClick(d->CancelButton, Qt::LeftButton);
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
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        QCOMPARE(rig.options, Options::defaults());
        QCOMPARE(rig.stored(), Options::defaults());
        QCOMPARE(Module2::ReadIniString(QStringLiteral("general"), QStringLiteral("DesktopColor"), QString(),
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
        test::retype(d->txtX, typed);
        QCOMPARE(d->txtX->text(), shown);
        d->cboPos->setCurrentIndex(0);
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        Options expected = sample();
        expected.OffsetX = offsetX;
        expected.CalendarPos = 0;
        QCOMPARE(rig.options, expected);
        QCOMPARE(rig.stored(), expected);
        QVERIFY(!d->isVisible());
    }

    void longerStoredOffsetIsShownWhole()
    {
        Rig rig;
        rig.options.OffsetX = -123456;
        auto d = rig.open();
        QCOMPARE(d->txtX->text(), QStringLiteral("-123456"));
        // It can be shortened, not lengthened.
        d->txtX->setFocus();
        d->txtX->end(false);
        QTest::keyClicks(d->txtX, QStringLiteral("7"));
        QCOMPARE(d->txtX->text(), QStringLiteral("-123456"));
        QTest::keyClick(d->txtX, Qt::Key_Backspace);
        QCOMPARE(d->txtX->text(), QStringLiteral("-12345"));
        d->OKButton->click();
        QCOMPARE(rig.options.OffsetX, -12345);
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
        d->chkToDO->setTristate(true);
        d->chkToDO->setCheckState(Qt::CheckState(state));
        d->chkAuto->setTristate(true);
        d->chkAuto->setCheckState(Qt::CheckState(state));
        d->cmdApply->click();
        QCOMPARE(rig.options.ShowToDoList, value);
        QCOMPARE(rig.options.AutoRun, value);
    }

    void applyThenCancelStaysInMemory()
    {
        Rig rig;
        Module1::SaveOptions(sample(), rig.file());
        AutostartEntry::write(true, rig.exe());
        const QByteArray entryBefore = Rig::autostart();
        {
            auto d = rig.open();
            QSignalSpy applied(d.get(), &frmOptions::applied);
            d->lblCalendarColor->setColor(0x000000FF);
            QTest::mouseClick(d->chkToDO, Qt::LeftButton);
            test::retype(d->txtY, QStringLiteral("42"));
            QTest::mouseClick(d->cmdApply, Qt::LeftButton);
            QCOMPARE(applied.count(), 1);
            QVERIFY(d->isVisible());
            QCOMPARE(rig.options.CalendarColor, 0x000000FF);
            QCOMPARE(rig.options.ShowToDoList, true);
            QCOMPARE(rig.options.OffsetY, 42);
            QTest::mouseClick(d->CancelButton, Qt::LeftButton);
            QCOMPARE(applied.count(), 1);
        }
        QCOMPARE(rig.stored(), sample());
        QCOMPARE(Rig::autostart(), entryBefore);
        QVERIFY(rig.autoRuns.isEmpty());

        auto again = rig.open();
        QCOMPARE(again->lblCalendarColor->color(), 0x000000FF);
        QVERIFY(again->chkToDO->isChecked());
        QCOMPARE(again->txtY->text(), QStringLiteral("42"));
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
        d->txtX->setFocus();
        QTest::keyClick(d->txtX, Qt::Key(key));
        QVERIFY(d->isVisible());
        QVERIFY(!QFile::exists(rig.file()));
    }

    void enterPressesTheFocusedButton()
    {
        Rig rig;
        auto d = rig.open();
        d->CancelButton->setFocus();
        QTest::keyClick(d->CancelButton, Qt::Key_Return);
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
        rig.options.DesktopColor = stored;
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
        QTest::mouseClick(d->cmdBackColor, Qt::LeftButton);
        QCOMPARE(startedFrom, QColor::fromRgb(SystemColors::resolve(stored)));
        QVERIFY(modal);
        QCOMPARE(d->lblDesktop->color(), after);
        // Only the swatch changed.
        QCOMPARE(rig.options.DesktopColor, stored);
        QVERIFY(d->isVisible());
    }

    void failedWritesAreShownAndTheDialogCloses()
    {
        Rig rig;
        rig.autoRunFailure = QStringLiteral("the folder is read-only");
        // A folder where the file should be: the settings cannot be written.
        QVERIFY(QDir().mkpath(rig.file()));
        auto d = rig.open();
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QString shown;
        answerNext<QMessageBox>(d.get(), [&](QMessageBox *box) {
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        QVERIFY2(shown.contains(AutostartEntry::path()), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("the folder is read-only")));
        QVERIFY2(shown.contains(rig.file()), qPrintable(shown));
        QVERIFY(!d->isVisible());
        QCOMPARE(rig.options, Options::defaults());
    }
};

MARVANE_TEST_MAIN(TestFrmOptions)
#include "tst_frmoptions.moc"
