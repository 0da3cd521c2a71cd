// The real program, copied into a folder of its own with its two INI files, started with 9 on a
// private X server: it exits by itself and the root window shows the temp.bmp it wrote.
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void silentRunPaintsAndSetsTheWallpaper()
    {
        marvane::test::XvfbServer xvfb(QSize(1024, 768), 24);
        QVERIFY2(xvfb.isRunning(), qPrintable(xvfb.error()));
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Marvane copy"));
        QVERIFY(QDir().mkpath(folder));
        const QString exe = folder + QStringLiteral("/pendrel");
        QVERIFY(QFile::copy(QStringLiteral(PENDREL_PATH), exe));
        QFile options(folder + QStringLiteral("/options.ini"));
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write("[general]\nCalendarPos=2\nToDoBackColor=65535\n");
        options.close();
        QFile todo(folder + QStringLiteral("/todolist.ini"));
        QVERIFY(todo.open(QIODevice::WriteOnly));
        todo.write("[2000-1-1]\nTODO1=an old item\n");
        todo.close();

        QProcess pendrel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), xvfb.display());
        pendrel.setProcessEnvironment(env);
        pendrel.setProcessChannelMode(QProcess::ForwardedChannels);
        pendrel.start(exe, {QStringLiteral("9")});
        QVERIFY(pendrel.waitForFinished(20000));
        QCOMPARE(pendrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(pendrel.exitCode(), 0);

        const QImage bitmap(folder + QStringLiteral("/temp.bmp"), "BMP");
        QCOMPARE(bitmap.size(), QSize(1024, 768));
        // Silent runs leave no autostart entry behind.
        QVERIFY(!QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/Marvane.desktop")));

        Display *display = XOpenDisplay(xvfb.display().toLocal8Bit().constData());
        QVERIFY(display);
        XImage *root = XGetImage(display, DefaultRootWindow(display), 0, 0, 1024, 768, AllPlanes, ZPixmap);
        QVERIFY(root);
        int differing = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                differing += (XGetPixel(root, x, y) & 0xFFFFFF) != (bitmap.pixel(x, y) & 0xFFFFFF);
        XDestroyImage(root);
        XCloseDisplay(display);
        QCOMPARE(differing, 0);
        // The to-do panel (yellow: 65535) and the box in the bottom corner are on it.
        QCOMPARE(bitmap.pixel(614, 300) & 0xFFFFFF, 0xFFFF00u);
    }
};

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    TestEndToEnd tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_endtoend.moc"
