#include "tests/support/IniReads.h"
#include "tests/support/FixedClock.h"
#include "ini/IniStrings.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "widgets/TextBox.h"
#include "todo/ToDoStore.h"
#include "app/ToDoDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace marvane;
using marvane::test::child;

namespace {

TextBox *itemEdit(const ToDoDialog *dialog, int index)
{
    return child<TextBox>(dialog, QStringLiteral("itemEdits[%1]").arg(index));
}

QList<TextBox *> itemEdits(const ToDoDialog *dialog)
{
    QList<TextBox *> edits;
    for (int i = 0; i < ToDoDialog::kItems; ++i)
        edits << itemEdit(dialog, i);
    return edits;
}

const QByteArray kFile = "[2020-5-17]\nTODO1=Pay the electricity bill\nTODO4=Dentist at 3 pm\n"
                         "[2020-6-17]\nTODO1=Buy stamps\n";

struct Rig
{
    QTemporaryDir dir;
    FixedClock clock{QDate(2020, 5, 17)};
    ToDoStore store{ToDoStore::fileIn(dir.path()), clock};

    std::unique_ptr<ToDoDialog> open()
    {
        auto dialog = std::make_unique<ToDoDialog>(store, clock);
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
        return test::storedItem(store, key, n);
    }
};

QStringList boxes(const ToDoDialog &d)
{
    QStringList texts;
    for (const TextBox *box : itemEdits(&d))
        texts << box->text();
    return texts;
}

} // namespace

class TestToDoDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTodaysItems()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Set To Do List"));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("yearCombo"))->count(), 101);
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("dayCombo"))->count(), 31);
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("yearCombo"))->currentText(), QStringLiteral("2020"));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("monthCombo"))->currentText(), QStringLiteral("5"));
        QCOMPARE(child<QComboBox>(&*d, QStringLiteral("dayCombo"))->currentText(), QStringLiteral("17"));
        QCOMPARE(d->dateKey(), QStringLiteral("2020-5-17"));
        QStringList expected(12);
        expected[0] = QStringLiteral("Pay the electricity bill");
        expected[3] = QStringLiteral("Dentist at 3 pm");
        QCOMPARE(boxes(*d), expected);
        QCOMPARE(child<QLabel>(&*d, QStringLiteral("itemLabels[%1]").arg(11))->text(), QStringLiteral("TODO 12"));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&*d, QStringLiteral("closeButton")));
    }

    void tabReachesEveryControlOnce()
    {
        Rig rig;
        auto d = rig.open();
        QCOMPARE(test::tabCycleFaults(&*d), QString());
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

    // Leaving a date with typed changes asks first: Save stores them and goes on, Discard goes on,
    // Cancel keeps the date and the text. Nothing is asked when nothing changed.
    void leavingChangedItemsAsks_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("answer");
        for (const QString &leave : {QStringLiteral("month"), QStringLiteral("today"), QStringLiteral("close")})
            for (const auto answer : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                QTest::newRow(qPrintable(leave + QStringLiteral(", %1").arg(int(answer)))) << leave << int(answer);
        QTest::newRow("month, unchanged") << QStringLiteral("month") << int(QMessageBox::NoButton);
    }
    void leavingChangedItemsAsks()
    {
        QFETCH(QString, leave);
        QFETCH(int, answer);
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        if (leave != u"today")
            child<QComboBox>(&*d, QStringLiteral("dayCombo"))->setCurrentIndex(16); // June 17 for Today below
        if (leave == u"today")
            child<QComboBox>(&*d, QStringLiteral("monthCombo"))->setCurrentIndex(5);
        const QString shown = d->dateKey();
        if (answer != QMessageBox::NoButton)
            test::retype(itemEdit(&*d, 1), QStringLiteral("typed"));
        QString asked;
        if (answer != QMessageBox::NoButton)
            test::answerNextQuestion(&asked, QMessageBox::StandardButton(answer));
        if (leave == u"month")
            child<QComboBox>(&*d, QStringLiteral("monthCombo"))->setCurrentIndex(0);
        else if (leave == u"today")
            QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("todayButton")), Qt::LeftButton);
        else
            QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("closeButton")), Qt::LeftButton);

        const bool stays = answer == QMessageBox::Cancel;
        if (answer != QMessageBox::NoButton)
            QCOMPARE(asked, QStringLiteral("Save the changes to the to-do list of %1?")
                                .arg(leave == u"today" ? QStringLiteral("6-17-2020") : QStringLiteral("5-17-2020")));
        QCOMPARE(rig.stored(shown, 2), answer == QMessageBox::Save ? QStringLiteral("typed") : QString());
        QCOMPARE(d->dateKey() == shown, stays || leave == u"close");
        QCOMPARE(d->isVisible(), stays || leave != u"close");
        if (stays)
            QCOMPARE(itemEdit(&*d, 1)->text(), QStringLiteral("typed"));
    }

    void saveTrimsAndDeletes()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        test::retype(itemEdit(&*d, 0), QStringLiteral("   buy milk  "));
        test::retype(itemEdit(&*d, 2), QStringLiteral("    "));
        test::retype(itemEdit(&*d, 3), QString());
        test::retype(itemEdit(&*d, 11), QStringLiteral("last"));
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("saveButton")), Qt::LeftButton);
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 1), QStringLiteral("buy milk"));
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 4), QString());
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 12), QStringLiteral("last"));
        QVERIFY(!rig.contents().contains("TODO3"));
        QVERIFY(!rig.contents().contains("TODO4"));
        QCOMPARE(rig.stored(QStringLiteral("2020-6-17"), 1), QStringLiteral("Buy stamps"));
        // Not reloaded: the boxes show what was typed.
        QCOMPARE(itemEdit(&*d, 0)->text(), QStringLiteral("   buy milk  "));
        QCOMPARE(itemEdit(&*d, 2)->text(), QStringLiteral("    "));
        QVERIFY(d->isVisible());
    }

    void savingEmptyBoxesRemovesEveryKey()
    {
        Rig rig;
        rig.write(kFile);
        auto d = rig.open();
        for (TextBox *box : itemEdits(&*d))
            box->clear();
        child<QPushButton>(&*d, QStringLiteral("saveButton"))->click();
        const QByteArray after = rig.contents();
        QVERIFY(!after.mid(0, after.indexOf("[2020-6-17]")).contains("TODO"));
        QVERIFY(after.contains("TODO1=Buy stamps"));
    }

    void dayThatDoesNotExist()
    {
        Rig rig;
        auto d = rig.open();
        child<QComboBox>(&*d, QStringLiteral("monthCombo"))->setCurrentIndex(1);
        child<QComboBox>(&*d, QStringLiteral("dayCombo"))->setCurrentIndex(30);
        QCOMPARE(d->dateKey(), QStringLiteral("2020-2-31"));
        test::retype(itemEdit(&*d, 1), QStringLiteral("a day that never comes"));
        child<QPushButton>(&*d, QStringLiteral("saveButton"))->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-2-31"), 2), QStringLiteral("a day that never comes"));
        child<QComboBox>(&*d, QStringLiteral("dayCombo"))->setCurrentIndex(0);
        QCOMPARE(itemEdit(&*d, 1)->text(), QString());
        child<QComboBox>(&*d, QStringLiteral("dayCombo"))->setCurrentIndex(30);
        QCOMPARE(itemEdit(&*d, 1)->text(), QStringLiteral("a day that never comes"));
    }

    void reopeningShowsTodayAgain()
    {
        Rig rig;
        rig.write(kFile);
        {
            auto d = rig.open();
            child<QComboBox>(&*d, QStringLiteral("monthCombo"))->setCurrentIndex(5);
            QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("closeButton")), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        }
        auto again = rig.open();
        QCOMPARE(again->dateKey(), QStringLiteral("2020-5-17"));
        QCOMPARE(itemEdit(&*again, 0)->text(), QStringLiteral("Pay the electricity bill"));
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
        test::retype(itemEdit(&*d, 0), QString(typed, u'x'));
        QCOMPARE(itemEdit(&*d, 0)->text().size(), kept);
        child<QPushButton>(&*d, QStringLiteral("saveButton"))->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 1).size(), kept);
    }

    void pasteIsCutToFit()
    {
        Rig rig;
        auto d = rig.open();
        test::retype(itemEdit(&*d, 0), QString(45, u'a'));
        itemEdit(&*d, 0)->insert(QString(10, u'b'));
        QCOMPARE(itemEdit(&*d, 0)->text(), QString(45, u'a') + QString(5, u'b'));
    }

    void longHandEditedItemKeptWhole()
    {
        Rig rig;
        const QString item = QStringLiteral("word ").repeated(60).trimmed();
        QCOMPARE(item.size(), 299);
        rig.write("[2020-5-17]\nTODO7=" + item.toUtf8() + "\n");
        auto d = rig.open();
        QCOMPARE(itemEdit(&*d, 6)->text(), item);
        // Typing cannot lengthen it; deleting still works.
        itemEdit(&*d, 6)->setFocus();
        itemEdit(&*d, 6)->end(false);
        QTest::keyClicks(itemEdit(&*d, 6), QStringLiteral("zz"));
        QCOMPARE(itemEdit(&*d, 6)->text(), item);
        const QByteArray before = rig.contents();
        child<QPushButton>(&*d, QStringLiteral("saveButton"))->click();
        QCOMPARE(rig.contents(), before);
        QTest::keyClick(itemEdit(&*d, 6), Qt::Key_Backspace);
        child<QPushButton>(&*d, QStringLiteral("saveButton"))->click();
        QCOMPARE(rig.stored(QStringLiteral("2020-5-17"), 7), item.chopped(1));
    }

    void failedSaveIsShownAndTextKept()
    {
        Rig rig;
        QVERIFY(QDir().mkpath(rig.store.file()));
        auto d = rig.open();
        test::retype(itemEdit(&*d, 0), QStringLiteral("keep me"));
        QString shown;
        QTimer::singleShot(0, d.get(), [&] {
            auto *box = d->findChild<QMessageBox *>();
            QVERIFY(box);
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(child<QPushButton>(&*d, QStringLiteral("saveButton")), Qt::LeftButton);
        QVERIFY2(shown.contains(rig.store.file()), qPrintable(shown));
        QCOMPARE(shown.count(rig.store.file()), 1);
        QCOMPARE(itemEdit(&*d, 0)->text(), QStringLiteral("keep me"));
        QVERIFY(d->isVisible());
    }

    void escapeDoesNotClose()
    {
        Rig rig;
        auto d = rig.open();
        test::retype(itemEdit(&*d, 0), QStringLiteral("typed"));
        QTest::keyClick(itemEdit(&*d, 0), Qt::Key_Escape);
        QTest::keyClick(itemEdit(&*d, 0), Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(itemEdit(&*d, 0)->text(), QStringLiteral("typed"));
        QCOMPARE(rig.contents(), QByteArray("<missing>"));
    }
};

MARVANE_TEST_MAIN(TestToDoDialog)
#include "tst_tododialog.moc"
