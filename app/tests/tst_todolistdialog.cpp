#include "FixedClock.h"
#include "Module2.h"
#include "TestMain.h"
#include "WidgetDriver.h"
#include "TextBox.h"
#include "ToDoStore.h"
#include "frmToDo.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;

namespace {

const QByteArray kFile = "[2020-5-17]\nTODO1=Pay the electricity bill\nTODO4=Dentist at 3 pm\n"
                         "[2020-6-17]\nTODO1=Buy stamps\n";

struct Rig
{
    QTemporaryDir dir;
    FixedClock clock{QDate(2020, 5, 17)};
    ToDoStore store{ToDoStore::fileIn(dir.path()), clock};

    std::unique_ptr<frmToDo> open()
    {
        auto dialog = std::make_unique<frmToDo>(store, clock);
        [&] { QVERIFY(test::showActive(dialog.get())); }();
        return dialog;
    }
    void write(const QByteArray &data) const
    {
        QFile f(store.file());
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
    }
    QByteArray contents() const
    {
        QFile f(store.file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString stored(const QString &key, int n) const
    {
        return store.ReadToDoItem(key, static_cast<std::int16_t>(n));
    }
};

QStringList boxes(const frmToDo &d)
{
    QStringList texts;
    for (const TextBox *box : d.txtToDo)
        texts << box->text();
    return texts;
}

} // namespace

class TestFrmToDo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTodaysItems()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Set To Do List"));
        QCOMPARE(d->size(), QSize(435, 395));
        QCOMPARE(d->cboYear->count(), 101);
        QCOMPARE(d->cboDay->count(), 31);
        QCOMPARE(d->cboYear->currentText(), QStringLiteral("2020"));
        QCOMPARE(d->cboMonth->currentText(), QStringLiteral("5"));
        QCOMPARE(d->cboDay->currentText(), QStringLiteral("17"));
        QCOMPARE(d->dateKey(), QStringLiteral("2020-5-17"));
        QStringList expected(12);
        expected[0] = QStringLiteral("Pay the electricity bill");
        expected[3] = QStringLiteral("Dentist at 3 pm");
        QCOMPARE(boxes(*d), expected);
        QCOMPARE(d->Label2[11]->text(), QStringLiteral("TODO 12"));
        QCOMPARE(d->txtToDo[11]->geometry(), QRect(72, 56 + 24 * 11, 345, 19));
        QCOMPARE(QApplication::focusWidget(), d->cmdClose);
    }

    void tabOrderStartsAtClose()
    {
        Rig rig;
        auto d = rig.open();
        QList<QWidget *> expected{d->cmdClose, d->cboYear, d->cboMonth, d->cboDay, d->cmdToday};
        for (TextBox *box : d->txtToDo)
            expected << box;
        expected << d->cmdSave << d->cmdClose;
        QCOMPARE(test::tabChain(expected.size()), expected);
    }

    void yearFromTheClock_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("key");
        QTest::newRow("1999 opens on 2000") << QDate(1999, 5, 17) << QStringLiteral("2000-5-17");
        QTest::newRow("2026") << QDate(2026, 12, 7) << QStringLiteral("2026-12-7");
        QTest::newRow("2100") << QDate(2100, 1, 31) << QStringLiteral("2100-1-31");
        QTest::newRow("2150 opens on 2100") << QDate(2150, 2, 28) << QStringLiteral("2100-2-28");
    }
    void yearFromTheClock()
    {
        QFETCH(QDate, today);
        QFETCH(QString, key);
        Rig rig;
        rig.clock.setToday(today);
        auto d = rig.open();
        QCOMPARE(d->dateKey(), key);
    }

    void anotherDateDropsUnsavedText()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        test::retype(d->txtToDo[0], QStringLiteral("not saved"));
        test::retype(d->txtToDo[5], QStringLiteral("nor this"));
        d->cboMonth->setCurrentIndex(5);
        QCOMPARE(d->dateKey(), QStringLiteral("2020-6-17"));
        QStringList expected(12);
        expected[0] = QStringLiteral("Buy stamps");
        QCOMPARE(boxes(*d), expected);
        QCOMPARE(rig.contents(), kFile);

        // Today goes back and reloads.
        QTest::mouseClick(d->cmdToday, Qt::LeftButton);
        QCOMPARE(d->dateKey(), QStringLiteral("2020-5-17"));
        QCOMPARE(d->txtToDo[0]->text(), QStringLiteral("Pay the electricity bill"));
    }

    void saveTrimsAndDeletes()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        test::retype(d->txtToDo[0], QStringLiteral("   buy milk  "));
        test::retype(d->txtToDo[2], QStringLiteral("    "));
        test::retype(d->txtToDo[3], QString());
        test::retype(d->txtToDo[11], QStringLiteral("last"));
        QTest::mouseClick(d->cmdSave, Qt::LeftButton);
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 1), QStringLiteral("buy milk"));
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 4), QString());
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 12), QStringLiteral("last"));
        QVERIFY(!rig.contents().contains("TODO3"));
        QVERIFY(!rig.contents().contains("TODO4"));
        QCOMPARE(rig.stored(QStringLiteral("2020-6-17"), 1), QStringLiteral("Buy stamps"));
        // Not reloaded: the boxes show what was typed.
        QCOMPARE(d->txtToDo[0]->text(), QStringLiteral("   buy milk  "));
        QCOMPARE(d->txtToDo[2]->text(), QStringLiteral("    "));
        QVERIFY(d->isVisible());
    }

    void savingEmptyBoxesRemovesEveryKey()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        for (TextBox *box : d->txtToDo)
            box->clear();
        d->cmdSave->click();
        const QByteArray after = rig.contents();
        QVERIFY(!after.mid(0, after.indexOf("[2020-6-17]")).contains("TODO"));
        QVERIFY(after.contains("TODO1=Buy stamps"));
    }

    void dayThatDoesNotExist()
    {
        Rig rig;
        auto d = rig.open();
        d->cboMonth->setCurrentIndex(1);
        d->cboDay->setCurrentIndex(30);
        QCOMPARE(d->dateKey(), QStringLiteral("2020-2-31"));
        test::retype(d->txtToDo[1], QStringLiteral("a day that never comes"));
        d->cmdSave->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-2-31"), 2), QStringLiteral("a day that never comes"));
        d->cboDay->setCurrentIndex(0);
        QCOMPARE(d->txtToDo[1]->text(), QString());
        d->cboDay->setCurrentIndex(30);
        QCOMPARE(d->txtToDo[1]->text(), QStringLiteral("a day that never comes"));
    }

    void reopeningShowsTodayAgain()
    {
        Rig rig;
        rig.write(kFile);
        {
            auto d = rig.open();
            d->cboMonth->setCurrentIndex(5);
            QTest::mouseClick(d->cmdClose, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        }
        auto again = rig.open();
        QCOMPARE(again->dateKey(), QStringLiteral("2020-5-17"));
        QCOMPARE(again->txtToDo[0]->text(), QStringLiteral("Pay the electricity bill"));
        QCOMPARE(rig.contents(), kFile);
    }

    void typingStopsAtFifty_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("kept");
        QTest::newRow("49") << 49 << 49;
        QTest::newRow("50") << 50 << 50;
        QTest::newRow("51") << 51 << 50;
        QTest::newRow("80") << 80 << 50;
    }
    void typingStopsAtFifty()
    {
        QFETCH(int, typed);
        QFETCH(int, kept);
        Rig rig;
        auto d = rig.open();
        test::retype(d->txtToDo[0], QString(typed, u'x'));
        QCOMPARE(d->txtToDo[0]->text().size(), kept);
        d->cmdSave->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 1).size(), kept);
    }

    void pasteIsCutToFit()
    {
        Rig rig;
        auto d = rig.open();
        test::retype(d->txtToDo[0], QString(45, u'a'));
        d->txtToDo[0]->insert(QString(10, u'b'));
        QCOMPARE(d->txtToDo[0]->text(), QString(45, u'a') + QString(5, u'b'));
    }

    void longHandEditedItemKeptWhole()
    {
        Rig rig;
        const QString item = QStringLiteral("word ").repeated(60).trimmed();
        QCOMPARE(item.size(), 299);
        rig.write("[2020-5-17]\nTODO7=" + item.toUtf8() + "\n");
        auto d = rig.open();
        QCOMPARE(d->txtToDo[6]->text(), item);
        // Typing cannot lengthen it; deleting still works.
        d->txtToDo[6]->setFocus();
        d->txtToDo[6]->end(false);
        QTest::keyClicks(d->txtToDo[6], QStringLiteral("zz"));
        QCOMPARE(d->txtToDo[6]->text(), item);
        const QByteArray before = rig.contents();
        d->cmdSave->click();
        QCOMPARE(rig.contents(), before);
        QTest::keyClick(d->txtToDo[6], Qt::Key_Backspace);
        d->cmdSave->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 7), item.chopped(1));
    }

    void failedSaveIsShownAndTextKept()
    {
        Rig rig;
        QVERIFY(QDir().mkpath(rig.store.file()));
        auto d = rig.open();
        test::retype(d->txtToDo[0], QStringLiteral("keep me"));
        QString shown;
        QTimer::singleShot(0, d.get(), [&] {
            auto *box = d->findChild<QMessageBox *>();
            QVERIFY(box);
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(d->cmdSave, Qt::LeftButton);
        QVERIFY2(shown.contains(rig.store.file()), qPrintable(shown));
        QCOMPARE(shown.count(rig.store.file()), 1);
        QCOMPARE(d->txtToDo[0]->text(), QStringLiteral("keep me"));
        QVERIFY(d->isVisible());
    }

    void escapeDoesNotClose()
    {
        Rig rig;
        auto d = rig.open();
        test::retype(d->txtToDo[0], QStringLiteral("typed"));
        QTest::keyClick(d->txtToDo[0], Qt::Key_Escape);
        QTest::keyClick(d->txtToDo[0], Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(d->txtToDo[0]->text(), QStringLiteral("typed"));
        QCOMPARE(rig.contents(), QByteArray("<missing>"));
    }
};

MARVANE_TEST_MAIN(TestFrmToDo)
#include "tst_frmtodo.moc"
