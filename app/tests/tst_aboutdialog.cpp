#include "app/AppIcon.h"
#include "app/Help.h"
#include "tests/support/IniReads.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriver.h"
#include "app/AboutDialog.h"
#include "settings/OptionsFile.h"
#include "tests/support/FixedClock.h"
#include "todo/ToDoStore.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QDialog>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace marvane;
using marvane::test::child;

namespace {

struct Opener
{
    QList<QUrl> opened;
    bool succeeds = true;
    UrlOpener function()
    {
        return [this](const QUrl &url) {
            opened << url;
            return succeeds;
        };
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
}

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts()
    {
        Opener opener;
        AboutDialog box(opener.function());
        QCOMPARE(box.windowTitle(), QStringLiteral("About Marvane"));
        QCOMPARE(child<QLabel>(&box, QStringLiteral("nameLabel"))->text(), QStringLiteral("Marvane 1.0"));
        QVERIFY(child<QLabel>(&box, QStringLiteral("nameLabel"))->font().bold());
        QVERIFY(child<QLabel>(&box, QStringLiteral("descriptionLabel"))->text().startsWith(QStringLiteral("This free software adds a calendar")));
        QVERIFY(child<QLabel>(&box, QStringLiteral("descriptionLabel"))->wordWrap());
        QCOMPARE(child<QLabel>(&box, QStringLiteral("webSiteCaption"))->text(), QStringLiteral("Website:"));
        QCOMPARE(child<QLabel>(&box, QStringLiteral("supportCaption"))->text(), QStringLiteral("Support:"));
        QCOMPARE(child<QLabel>(&box, QStringLiteral("supportAddressLabel"))->text(), QStringLiteral("support@marvane.example"));
        QCOMPARE(child<QLabel>(&box, QStringLiteral("webSiteLink"))->text(), QStringLiteral("www.marvane.example"));
        QVERIFY(child<QLabel>(&box, QStringLiteral("webSiteLink"))->font().underline());
        QCOMPARE(child<QLabel>(&box, QStringLiteral("webSiteLink"))->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(child<QLabel>(&box, QStringLiteral("iconLabel"))->pixmap().size(), QSize(32, 32));
    }

    void onlyTheWebAddressReacts_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("opened");
        QTest::newRow("name") << QStringLiteral("nameLabel") << 0;
        QTest::newRow("description") << QStringLiteral("descriptionLabel") << 0;
        QTest::newRow("Website:") << QStringLiteral("webSiteCaption") << 0;
        QTest::newRow("Support:") << QStringLiteral("supportCaption") << 0;
        QTest::newRow("e-mail address") << QStringLiteral("supportAddressLabel") << 0;
        QTest::newRow("web address") << QStringLiteral("webSiteLink") << 1;
        QTest::newRow("icon") << QStringLiteral("iconLabel") << 0;
    }
    void onlyTheWebAddressReacts()
    {
        QFETCH(QString, label);
        QFETCH(int, opened);
        Opener opener;
        AboutDialog box(opener.function());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *target = box.findChild<QLabel *>(label);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(opener.opened.size(), opened);
        if (opened)
            QCOMPARE(opener.opened.first(), QUrl(QStringLiteral("https://www.marvane.example/")));
        // The box stays open after the link.
        QVERIFY(box.isVisible());
        QTest::mouseClick(child<QPushButton>(&box, QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void brokenBrowserIsTold()
    {
        Opener opener;
        opener.succeeds = false;
        AboutDialog box(opener.function());
        box.show();
        QString told;
        test::answerNextMessageBox(&told);
        QTest::mouseClick(child<QLabel>(&box, QStringLiteral("webSiteLink")), Qt::LeftButton);
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY2(told.contains(AboutDialog::webSite()) && told.contains(QStringLiteral("browser")), qPrintable(told));
        QVERIFY(box.isVisible());
    }

    void icon()
    {
        const QImage icon = AppIcon::image();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        // A white page under a red band, on a transparent ground.
        QCOMPARE(icon.pixelColor(5, 13), QColor(Qt::white));
        QCOMPARE(icon.pixelColor(15, 8), QColor(200, 36, 36));
        QVERIFY(!AppIcon::icon().isNull());
        // Painted at twice the pixels for a scaled display, not magnified: the ring is one device
        // pixel wide there too, so its pixels differ from a 2x blow-up of the 32 x 32 picture.
        const QImage sharp = AppIcon::image(2.0);
        QCOMPARE(sharp.size(), QSize(64, 64));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QVERIFY(sharp != icon.scaled(64, 64));
        QCOMPARE(AppIcon::icon().availableSizes().size(), 2);
    }

    void helpPage_data()
    {
        QTest::addColumn<bool>("inCurrent");
        QTest::addColumn<bool>("inApplication");
        QTest::addColumn<QString>("found"); // "current", "application" or empty
        QTest::addColumn<bool>("opens");
        QTest::newRow("in the current directory") << true << false << QStringLiteral("current") << true;
        QTest::newRow("beside the program") << false << true << QStringLiteral("application") << true;
        QTest::newRow("both: the current one first") << true << true << QStringLiteral("current") << true;
        QTest::newRow("missing") << false << false << QString() << true;
        QTest::newRow("no program to open it") << false << true << QStringLiteral("application") << false;
    }
    void helpPage()
    {
        QFETCH(bool, inCurrent);
        QFETCH(bool, inApplication);
        QFETCH(QString, found);
        QFETCH(bool, opens);
        QTemporaryDir current;
        QTemporaryDir application;
        if (inCurrent)
            touch(current.filePath(QStringLiteral("help.htm")));
        if (inApplication)
            touch(application.filePath(QStringLiteral("help.htm")));
        Opener opener;
        opener.succeeds = opens;
        QString told;
        if (found.isEmpty())
            test::answerNextMessageBox(&told);
        QWidget owner;
        Help::open(&owner, current.path(), application.path(), opener.function());
        if (found.isEmpty()) {
            QVERIFY(opener.opened.isEmpty());
            QVERIFY2(told.contains(QStringLiteral("help.htm")), qPrintable(told));
            return;
        }
        const QString page = QDir(found == QStringLiteral("current") ? current.path() : application.path())
                                 .filePath(QStringLiteral("help.htm"));
        QCOMPARE(opener.opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        // Where no program for web pages answers, the page shows in a window of Marvane's own.
        auto *own = owner.findChild<QDialog *>(QStringLiteral("helpWindow"));
        QCOMPARE(own != nullptr, !opens);
        if (own)
            QCOMPARE(own->findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))->source(), QUrl::fromLocalFile(page));
    }

    void helpIsAFileNotAFolder()
    {
        QTemporaryDir current;
        QTemporaryDir application;
        QVERIFY(QDir(current.path()).mkdir(QStringLiteral("help.htm")));
        touch(application.filePath(QStringLiteral("help.htm")));
        QCOMPARE(Help::page(current.path(), application.path()),
                 application.filePath(QStringLiteral("help.htm")));
    }

    // The build puts the page beside the program, where a launcher-started Help finds it.
    void helpShipsWithTheProgram()
    {
        const QString beside =
            QDir(QStringLiteral(QT_TESTCASE_BUILDDIR "/../../bin")).filePath(QStringLiteral("help.htm"));
        QFile page(beside);
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(beside));
        const QByteArray html = page.readAll();
        for (const char *topic :
             {"options.ini", "todolist.ini", "temp.bmp", "pendrel 9", "autostart/Marvane.desktop"})
            QVERIFY2(html.contains(topic), topic);
    }

    // The page's example files are exactly what the program writes, and read back as it says.
    void helpExamplesAreWhatTheProgramWrites()
    {
        QFile page(QStringLiteral(QT_TESTCASE_BUILDDIR "/../../bin/help.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        const auto example = [&html](const QString &start) {
            const qsizetype from = html.indexOf(QStringLiteral("<pre>") + start);
            const qsizetype to = html.indexOf(QStringLiteral("</pre>"), from);
            return from < 0 ? QByteArray() : html.mid(from + 5, to - from - 5).toUtf8() + '\n';
        };
        QTemporaryDir dir;
        const QString options = OptionsFile::path(dir.path());
        MARVANE_VERIFY_WRITE(OptionsFile::save(Options::defaults(), options));
        QCOMPARE(readAll(options), example(QStringLiteral("[general]")));
        Options read;
        OptionsFile::load(read, options);
        QCOMPARE(read, Options::defaults());

        const FixedClock clock(QDate(2026, 12, 7));
        const ToDoStore store(ToDoStore::fileIn(dir.path()), clock);
        MARVANE_VERIFY_WRITE(test::storeItem(store, ToDoStore::dateKey(clock.today()), 1, QStringLiteral("Pay the electricity bill")));
        MARVANE_VERIFY_WRITE(test::storeItem(store, ToDoStore::dateKey(clock.today()), 4, QStringLiteral("Dentist at 3 pm")));
        QCOMPARE(readAll(store.file()), example(QStringLiteral("[2026-12-7]")));
        // The date line and the desktop colour are as the page says.
        QVERIFY(html.contains(QStringLiteral("Today: 12-7-2026")));
        QCOMPARE(SystemColors::resolve(Options::defaults().desktopColor), qRgb(58, 110, 165));
    }
};

MARVANE_TEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
