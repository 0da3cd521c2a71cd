#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "tests/support/IsolatedEnvironment.h"
#include "platform/NativeGeometry.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QObject>
#include <QTest>

#include <memory>

using namespace marvane;

class TestScreenAndFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Under a 1.5 scale the logical size is 911 x 512; the canvas must still be the native size.
    void nativeSizeUnderScaling()
    {
        QVERIFY(qGuiApp->devicePixelRatio() > 1.4);
        QCOMPARE(nativeGeometry(QGuiApplication::primaryScreen()).size(), QSize(1366, 768));
    }

    void faces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("arial 30") << QStringLiteral("arial") << 30.0 << 40;
        QTest::newRow("Arial 9") << QStringLiteral("Arial") << 9.0 << 12;
        QTest::newRow("verdana 16") << QStringLiteral("verdana") << 16.0 << 21;
        QTest::newRow("FixedSys 16") << QStringLiteral("FixedSys") << 16.0 << 16;
        QTest::newRow("fixedsys any size") << QStringLiteral("fixedsys") << 9.0 << 16;
    }
    void faces()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(int, pixels);
        QVERIFY(Fonts::ensureLoaded().has_value());
        const QFont font = Fonts::font(FontSpec{name, points, false, false, false});
        QCOMPARE(font.pixelSize(), pixels);
    }

    void fixedPitchIsEightPixels()
    {
        const QFont font = Fonts::font(FontSpec{QStringLiteral("FixedSys"), 16, false, false, false});
        const QFontMetrics metrics(font);
        for (QChar c : QStringLiteral("0189 .W-abcXYZ"))
            QCOMPARE(metrics.horizontalAdvance(c), 8);
        QCOMPARE(metrics.height(), 16);
    }

    void joinUsesOneSlash_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("joined");
        QTest::newRow("folder") << QStringLiteral("/opt/marvane") << QStringLiteral("/opt/marvane/options.ini");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/options.ini");
        QTest::newRow("trailing slash") << QStringLiteral("/opt/m/") << QStringLiteral("/opt/m/options.ini");
    }
    void joinUsesOneSlash()
    {
        QFETCH(QString, dir);
        QFETCH(QString, joined);
        QCOMPARE(AppPaths::join(dir, QStringLiteral("options.ini")), joined);
    }

    // The files stay beside a program in a folder of the user's own, and go to the XDG folders
    // from a system folder, even one that holds old files or that root may write.
    void filesBesideTheProgram_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("beside");
        QTest::newRow("own folder") << QCoreApplication::applicationDirPath() << true;
        QTest::newRow("/usr/bin") << QStringLiteral("/usr/bin") << false;
        QTest::newRow("/usr/local/bin") << QStringLiteral("/usr/local/bin") << false;
        QTest::newRow("/opt/marvane") << QStringLiteral("/opt/marvane") << false;
        QTest::newRow("/usr/../opt/x") << QStringLiteral("/usr/../opt/x") << false;
    }
    void filesBesideTheProgram()
    {
        QFETCH(QString, dir);
        QFETCH(bool, beside);
        QCOMPARE(AppPaths::keepsFilesBeside(dir), beside);
    }
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    marvane::test::XvfbServer xvfb(QSize(1366, 768));
    if (!xvfb.isRunning()) {
        fprintf(stderr, "%s\n", qPrintable(xvfb.error()));
        return 1;
    }
    xvfb.exportDisplay();
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "1.5");
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        TestScreenAndFonts tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    return result;
}

#include "tst_screenandfonts.moc"
