#include "tests/support/StandIn.h"
#include "tests/support/TestMain.h"
#include "wallpaper/BmpWriter.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/WallpaperInstaller.h"

#include <QBuffer>
#include <QDir>
#include <QObject>
#include <QTemporaryDir>

#include <unistd.h>

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
    // Rows of every padding length: the pixels read back, the padding bytes are zero, and a plain
    // row is written in the background colour whatever its memory holds.
    void bitmapRows_data()
    {
        QTest::addColumn<int>("width");
        for (const int width : {1, 2, 3, 4, 5, 1366})
            QTest::addRow("%d wide", width) << width;
    }
    void bitmapRows()
    {
        QFETCH(int, width);
        constexpr int kRows = 4;
        QImage image(width, kRows, QImage::Format_RGB32);
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 7 + y, 255 - x, 40 * y + 1));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        MARVANE_VERIFY_WRITE(writeBmp24(image, buffer));
        const QByteArray bytes = buffer.data();
        const int stride = (width * 3 + 3) & ~3;
        QCOMPARE(bytes.size(), 54 + stride * kRows);
        for (int row = 0; row < kRows; ++row)
            for (int pad = width * 3; pad < stride; ++pad)
                QCOMPARE(bytes.at(54 + row * stride + pad), '\0');
        QCOMPARE(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), image);
    }

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
        QFile old(app + QStringLiteral("/temp.bmp"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.setPermissions(QFileDevice::Permissions(0x6644)));
        old.close();
        for (QRgb colour : {qRgb(200, 10, 10), qRgb(10, 200, 10)}) {
            const QImage img = picture(colour);
            const Result<> r = WallpaperInstaller::install(img, app, Desktop(sway()));
            QVERIFY2(r.has_value(), qPrintable(test::messageOf(r)));
            const QImage saved(app + QStringLiteral("/temp.bmp"), "BMP");
            QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), img);
            // A hard link to the first picture (as desktops' fresh copies are) keeps it.
            if (colour == qRgb(200, 10, 10))
                QCOMPARE(::link(QFile::encodeName(app + QStringLiteral("/temp.bmp")).constData(),
                                QFile::encodeName(app + QStringLiteral("/kept.bmp")).constData()),
                         0);
        }
        QCOMPARE(QImage(app + QStringLiteral("/kept.bmp"), "BMP").convertToFormat(QImage::Format_RGB32),
                 picture(qRgb(200, 10, 10)));
        QVERIFY(QFile::remove(app + QStringLiteral("/kept.bmp")));
        // Installed both times from a fresh PNG of the same picture; only the last one is left.
        const auto calls = settingCalls();
        QCOMPARE(calls.size(), 2);
        QVERIFY(calls[0].at(3) != calls[1].at(3));
        const QString shown = calls[1].at(3).mid(1).chopped(1);
        QVERIFY2(shown.startsWith(app + QStringLiteral("/.temp-wallpaper-")) && shown.endsWith(QStringLiteral(".png")),
                 qPrintable(shown));
        QCOMPARE(QImage(shown, "PNG").convertToFormat(QImage::Format_RGB32), picture(qRgb(10, 200, 10)));
        QCOMPARE(QDir(app).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QFileInfo(shown).fileName(), QStringLiteral("temp.bmp")}));
        // The pictures show the user's items: theirs alone to read, even over an older 644 file.
        for (const QString &file : QStringList{shown, app + QStringLiteral("/temp.bmp")})
            QCOMPARE(QFileInfo(file).permissions() & 0x00FF, QFileDevice::Permissions());
    }

    void unwritableBitmapLeavesTheDesktopAlone()
    {
        const QString missing = m_dir.filePath(QStringLiteral("no such folder"));
        const Result<> r = WallpaperInstaller::install(picture(qRgb(1, 1, 1)), missing, Desktop(sway()));
        QVERIFY(!r.has_value());
        QCOMPARE(r.error().subject(), missing + QStringLiteral("/temp.bmp"));
        QVERIFY(settingCalls().isEmpty());

        const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/temp.bmp")));
        QVERIFY(!WallpaperInstaller::install(picture(qRgb(1, 1, 1)), blocked, Desktop(sway())).has_value());
        QVERIFY(settingCalls().isEmpty());
    }

    void wallpaperFailureIsReportedAfterTheBitmap()
    {
        const QString app = m_dir.filePath(QStringLiteral("nodesk"));
        QVERIFY(QDir().mkpath(app));
        const Result<> r = WallpaperInstaller::install(picture(qRgb(9, 9, 9)), app, Desktop(DesktopSession{}));
        QVERIFY(!r.has_value());
        QVERIFY(r.error().reason().contains(QStringLiteral("no supported desktop found")));
        QVERIFY(QFile::exists(app + QStringLiteral("/temp.bmp")));
    }
};

MARVANE_TEST_MAIN(TestWallpaperInstaller)
#include "tst_wallpaperinstaller.moc"
