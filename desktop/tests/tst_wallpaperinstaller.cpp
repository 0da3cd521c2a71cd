#include "tests/support/StandIn.h"
#include "tests/support/TestMain.h"
#include "desktop/WallpaperInstaller.h"

#include <QDir>
#include <QObject>
#include <QTemporaryDir>

using namespace marvane;

class TestWallpaperInstaller : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_log;
    QByteArray m_path;

    static QImage picture(QRgb colour)
    {
        QImage img(320, 200, QImage::Format_RGB32);
        img.fill(colour);
        img.setPixel(5, 7, qRgb(1, 2, 3));
        return img;
    }
    static DesktopSession sway()
    {
        DesktopSession s;
        s.kind = DesktopSession::Kind::Sway;
        return s;
    }

    // What changed the desktop; questions about the outputs' layout change nothing.
    QList<QStringList> settingCalls() const
    {
        auto calls = marvane::test::standInCalls(m_log);
        calls.removeIf([](const QStringList &call) { return call.contains(QStringLiteral("get_outputs")); });
        return calls;
    }

private Q_SLOTS:
    void init()
    {
        m_log = m_dir.filePath(QStringLiteral("swaymsg.log"));
        QFile::remove(m_log);
        QVERIFY(marvane::test::writeStandIn(m_dir.filePath(QStringLiteral("bin")), QStringLiteral("swaymsg"), m_log));
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("bin"))) + ':' + m_path);
    }
    void cleanup() { qputenv("PATH", m_path); }

    void writesTheBitmapThenSetsIt()
    {
        const QString app = m_dir.filePath(QStringLiteral("app dir"));
        QVERIFY(QDir().mkpath(app));
        for (QRgb colour : {qRgb(200, 10, 10), qRgb(10, 200, 10)}) {
            const QImage img = picture(colour);
            const WriteError r = WallpaperInstaller::install(img, app, sway());
            QVERIFY2(!r, qPrintable(r.message()));
            const QImage saved(app + QStringLiteral("/temp.bmp"), "BMP");
            QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), img);
        }
        // Same file both times, installed both times; nothing else left in the folder.
        const auto calls = settingCalls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[0].at(3), QStringLiteral("\"%1/temp.bmp\"").arg(app));
        QCOMPARE(calls[1], calls[0]);
        QCOMPARE(QDir(app).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("temp.bmp")});
    }

    void unwritableBitmapLeavesTheDesktopAlone()
    {
        const QString missing = m_dir.filePath(QStringLiteral("no such folder"));
        const WriteError r = WallpaperInstaller::install(picture(qRgb(1, 1, 1)), missing, sway());
        QVERIFY(r);
        QCOMPARE(r.file(), missing + QStringLiteral("/temp.bmp"));
        QVERIFY(settingCalls().isEmpty());

        const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/temp.bmp")));
        QVERIFY(WallpaperInstaller::install(picture(qRgb(1, 1, 1)), blocked, sway()));
        QVERIFY(settingCalls().isEmpty());
    }

    void wallpaperFailureIsReportedAfterTheBitmap()
    {
        const QString app = m_dir.filePath(QStringLiteral("nodesk"));
        QVERIFY(QDir().mkpath(app));
        const WriteError r = WallpaperInstaller::install(picture(qRgb(9, 9, 9)), app, DesktopSession{});
        QVERIFY(r);
        QVERIFY(r.reason().contains(QStringLiteral("no supported desktop found")));
        QVERIFY(QFile::exists(app + QStringLiteral("/temp.bmp")));
    }
};

MARVANE_TEST_MAIN(TestWallpaperInstaller)
#include "tst_wallpaperinstaller.moc"
