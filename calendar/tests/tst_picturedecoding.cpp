#include "calendar/BackgroundPicture.h"
#include "calendar/tests/PictureFiles.h"
#include "tests/support/TestMain.h"

#include <QBuffer>
#include <QImageReader>
#include <QObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>

using namespace marvane;

using namespace marvane::test;

class TestPictureDecoding : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &bytes, const char *name) { return writeFile(m_dir, bytes, name); }

private Q_SLOTS:
    // A JPEG is shown as Qt's reader, decoding it whole and turned as its EXIF data says, would show
    // it; also one that even decoded in eighths would pass the screen's bound, and is made in part.
    void jpegIsShownAsStoredAndTurned_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("turned a quarter, fitted") << 6 << QSize(100, 400) << 1 << kScreen;
        QTest::newRow("past the bound, filled") << 1 << QSize(7679, 4319) << 0 << QSize(3840, 2160);
        QTest::newRow("past the bound, filled, turned a quarter") << 6 << QSize(4319, 7679) << 0 << QSize(3840, 2160);
        QTest::newRow("past the bound, tiled") << 1 << QSize(3600, 3600) << 4 << kScreen;
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("past the bound, centred, EXIF orientation %d", orientation)
                << orientation << QSize(3600, 3600) << 2 << kScreen;
    }
    void jpegIsShownAsStoredAndTurned()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, picture);
        QFETCH(int, style);
        QFETCH(QSize, screen);
        // Triangle waves, across in red and down in green: no two places near each other look alike.
        QImage pattern(picture, QImage::Format_RGB32);
        const auto wave = [](int at) { return std::abs(at % 510 - 255); };
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(pattern.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = qRgb(wave(x + 40), wave(y * 2 + 100), 20);
        }
        QByteArray jpeg = encoded(pattern, "JPEG", 95);
        pattern = QImage();
        // APP1 with one tag, the orientation; its name need not say what it is.
        const QByteArray exif = QByteArray("\xFF\xE1\x00\x22" "Exif\0\0" "II\x2A\0\x08\0\0\0" "\x01\0"
                                           "\x12\x01\x03\0\x01\0\0\0", 28) + char(orientation) +
                                QByteArray(7, '\0');
        jpeg.insert(2, exif);
        const Result<BackgroundPicture> read = BackgroundPicture::read(write(jpeg, "turned.png"), style, screen);
        QVERIFY2(read, qPrintable(test::messageOf(read)));
        Canvas canvas;
        canvas.reset(screen, kDesktop);
        read->paint(canvas);
        QBuffer in(&jpeg);
        QImageReader reader(&in);
        reader.setAutoTransform(true);
        const QImage whole = reader.read();
        QImage expected(screen, QImage::Format_RGB32);
        expected.fill(kDesktop);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const double across = double(screen.width()) / whole.width(), down = double(screen.height()) / whole.height();
        const double scale = style == 0 ? std::max(across, down) : style == 1 ? std::min(across, down) : 1.0;
        const QSize shown(int(std::lround(whole.width() * scale)), int(std::lround(whole.height() * scale)));
        if (style == 4)
            painter.fillRect(expected.rect(), QBrush(whole));
        else
            painter.drawImage(QRect((screen.width() - shown.width()) / 2, (screen.height() - shown.height()) / 2,
                                    shown.width(), shown.height()), whole);
        painter.end();
        const int right = screen.width() - 1, bottom = screen.height() - 1;
        for (const QPoint at : {QPoint(1, 1), QPoint(right - 1, 1), QPoint(1, bottom - 1), QPoint(right - 1, bottom - 1),
                                QPoint(right / 2, bottom / 2), QPoint(right / 3, bottom / 4)}) {
            const QRgb got = canvas.image().pixel(at), want = expected.pixel(at);
            QVERIFY2(std::abs(qRed(got) - qRed(want)) <= 12 && std::abs(qGreen(got) - qGreen(want)) <= 12,
                     qPrintable(QStringLiteral("(%1, %2): %3,%4 not %5,%6").arg(at.x()).arg(at.y()).arg(qRed(got))
                                    .arg(qGreen(got)).arg(qRed(want)).arg(qGreen(want))));
        }
    }

    // Text, comments, colour profiles and other metadata, which the readers would hold without a
    // bound, are left out, and the picture shows as without them; a JPEG's EXIF turn still holds.
    void metadataIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QPoint>("redAt");
        QTest::addColumn<QPoint>("blueAt");
        QImage halves(40, 20, QImage::Format_RGB32);
        halves.fill(Qt::red);
        QPainter(&halves).fillRect(20, 0, 20, 20, Qt::blue);
        QByteArray png = encoded(halves, "PNG"), jpeg = encoded(halves, "JPEG", 95);
        const auto chunk = [](const char *type, const QByteArray &data) -> QByteArray {
            const quint32 n = qToBigEndian(quint32(data.size()));
            return QByteArray(reinterpret_cast<const char *>(&n), 4) + type + data + "CRC!";
        };
        png.insert(33, chunk("tEXt", "Comment\0" + QByteArray(70000, 'x')) + chunk("zTXt", "Title\0\0\x78\x9c") +
                           chunk("iCCP", "icc\0\0junk") + chunk("prVt", QByteArray(100000, '\0')));
        const auto segment = [](char code, const QByteArray &data) -> QByteArray {
            return QByteArray("\xFF") + code + char((data.size() + 2) >> 8) + char((data.size() + 2) & 0xFF) + data;
        };
        // Orientation 6, a quarter turn clockwise, in the EXIF segment after an XMP one.
        const QByteArray exif("Exif\0\0" "II\x2A\0\x08\0\0\0" "\x01\0" "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0" "\0\0\0\0", 32);
        jpeg.insert(2, segment('\xFE', QByteArray(60000, 'c')) + segment('\xE2', "ICC_PROFILE" + QByteArray(9000, 'p')) +
                           segment('\xE1', "http://ns.adobe.com/xap/1.0/" + QByteArray(5000, 'x')) + segment('\xE1', exif));
        QTest::newRow("PNG with text, a profile and a chunk of its own") << png << QPoint(75, 100) << QPoint(225, 100);
        QTest::newRow("turned JPEG with comments, a profile and XMP") << jpeg << QPoint(150, 50) << QPoint(150, 150);
    }
    void metadataIsLeftOut()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QPoint, redAt);
        QFETCH(QPoint, blueAt);
        const Result<BackgroundPicture> read = BackgroundPicture::read(write(picture, "noted"), BackgroundPicture::Fit, kScreen);
        QVERIFY2(read, qPrintable(test::messageOf(read)));
        Canvas canvas;
        canvas.reset(kScreen, kDesktop);
        read->paint(canvas);
        QVERIFY(qRed(canvas.image().pixel(redAt)) > 200 && qBlue(canvas.image().pixel(redAt)) < 50);
        QVERIFY(qBlue(canvas.image().pixel(blueAt)) > 200 && qRed(canvas.image().pixel(blueAt)) < 50);
    }
};

MARVANE_TEST_MAIN(TestPictureDecoding)
#include "tst_picturedecoding.moc"
