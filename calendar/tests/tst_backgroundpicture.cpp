#include "calendar/BackgroundPicture.h"
#include "calendar/tests/PictureFiles.h"
#include "tests/support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QImageWriter>
#include <QObject>
#include <QTemporaryDir>

#include <optional>
#include <sys/stat.h>

using namespace marvane;
using namespace marvane::test;

namespace {

// Red tells a pixel's column and green its row; blue marks the picture.
QImage gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / (size.width() - 1), y * 255 / (size.height() - 1), 20));
    return image;
}

// Where on the picture the screen's pixel `at` comes from, by style; nothing where it shows the desktop.
std::optional<QPointF> sourceOf(int style, QSize picture, QPoint at)
{
    const double across = double(kScreen.width()) / picture.width();
    const double down = double(kScreen.height()) / picture.height();
    double sx = 1, sy = 1;
    if (style == BackgroundPicture::Fill || style == BackgroundPicture::Fit)
        sx = sy = style == BackgroundPicture::Fill ? std::max(across, down) : std::min(across, down);
    if (style == BackgroundPicture::Stretch) {
        sx = across;
        sy = down;
    }
    const QSizeF shown(picture.width() * sx, picture.height() * sy);
    QPointF offset((kScreen.width() - shown.width()) / 2, (kScreen.height() - shown.height()) / 2);
    if (style == BackgroundPicture::Stretch || style == BackgroundPicture::Tile)
        offset = QPointF();
    QPointF p((at.x() + 0.5 - offset.x()) / sx, (at.y() + 0.5 - offset.y()) / sy);
    if (style == BackgroundPicture::Tile)
        p = QPointF(std::fmod(p.x(), picture.width()), std::fmod(p.y(), picture.height()));
    if (p.x() < 0 || p.y() < 0 || p.x() >= picture.width() || p.y() >= picture.height())
        return std::nullopt;
    return p;
}

} // namespace

class TestBackgroundPicture : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString save(const QImage &image, const char *name)
    {
        const QString file = m_dir.filePath(QString::fromLatin1(name));
        image.save(file, "PNG");
        return file;
    }
    QString write(const QByteArray &bytes, const char *name) { return writeFile(m_dir, bytes, name); }

    // Files that are not pictures or are not whole, and raster pictures past a bound.
    void addDamagedAndHugeRows()
    {
        const QByteArray png = encoded(gradient(QSize(64, 64)), "PNG");
        const QByteArray jpeg = encoded(gradient(QSize(400, 400)), "JPEG");
        // A bitmap header claiming 16,000 x 5,000 pixels: 320 MB once read.
        QByteArray bmp("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
        const auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        bmp += le32(16000) + le32(5000) + QByteArray("\x01\0\x18\0\0\0\0\0", 8) + QByteArray(20, '\0');
        const QString fifo = m_dir.filePath(QStringLiteral("fifo.png"));
        ::mkfifo(fifo.toLocal8Bit().constData(), 0600);
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("gone.jpg")) << QStringLiteral("no such file");
        QTest::newRow("FIFO") << fifo << QStringLiteral("not a regular file");
        QTest::newRow("device") << QStringLiteral("/dev/zero") << QStringLiteral("not a regular file");
        QTest::newRow("text named .png") << write("<html>not a picture</html>", "page.png")
                                         << QStringLiteral("not a picture");
        QTest::newRow("PNG cut short") << write(png.left(png.size() / 2), "cut.png") << QStringLiteral("cannot read");
        QTest::newRow("PNG of 70,000 chunks of its own")
            << write(QByteArray(png).insert(33, QByteArray("\0\0\0\0prVtCRC!", 12).repeated(70000)), "chunks.png")
            << QStringLiteral("damaged");
        QTest::newRow("JPEG cut short") << write(jpeg.left(jpeg.size() * 4 / 5), "cut.jpg") << QStringLiteral("cut short");
        QTest::newRow("wider than 16384") << save(QImage(16385, 1, QImage::Format_RGB32), "wide.png")
                                          << QStringLiteral("more than 16384 a side");
        QTest::newRow("more than 256 MB") << write(bmp, "huge.bmp") << QStringLiteral("more than 256 MB");
        QImage bomb(3600, 3600, QImage::Format_RGB32);
        bomb.fill(Qt::white);
        QTest::newRow("PNG past the screen's bound") << save(bomb, "bomb.png") << QStringLiteral("on this screen");
        const QByteArray whole = encoded(gradient(QSize(64, 64)), "BMP");
        QTest::newRow("BMP cut short") << write(whole.left(whole.size() - 100), "cut.bmp") << QStringLiteral("cut short");
        const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
        QTest::newRow("GIF cut short") << write(gif.left(gif.size() - 3), "cut.gif") << QStringLiteral("cut short");
        QByteArray wideFrame = gif;
        wideFrame[32] = 4; // the frame 4 pixels wide on a screen of 1
        QTest::newRow("GIF frame past its screen") << write(wideFrame, "wide.gif") << QStringLiteral("damaged");
        QByteArray progressive;
        {
            QBuffer out(&progressive);
            out.open(QIODevice::WriteOnly);
            QImageWriter writer(&out, "jpeg");
            writer.setProgressiveScanWrite(true);
            writer.write(gradient(QSize(16, 16)));
        }
        // Said to be 8192 x 8192: decoding its scans would hold 192 MB of coefficients.
        progressive.replace(progressive.indexOf("\xFF\xC2") + 5, 4, QByteArray("\x20\0\x20\0", 4));
        QTest::newRow("progressive JPEG past the screen's bound") << write(progressive, "scans.jpg")
                                                                  << QStringLiteral("scans");
        QTest::newRow("TIFF of 25 MB") << write(encoded(gradient(QSize(8, 8)), "TIFF") + QByteArray(25 << 20, '\0'), "padded.tif")
                                       << QStringLiteral("twice");
    }
    // Drawings that would take too long or too much.
    void addSvgRows()
    {
        // Once unpacked, 40 MB of spaces after the opening tag.
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), {QStringLiteral("-c")});
        gzip.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">");
        for (int i = 0; i < 40; ++i)
            gzip.write(QByteArray(1 << 20, ' '));
        gzip.closeWriteChannel();
        gzip.waitForFinished();
        QTest::newRow("SVG of 100,001 elements")
            << write("<svg xmlns=\"http://www.w3.org/2000/svg\">" + QByteArray("<g/>").repeated(100001) + "</svg>",
                     "elements.svg")
            << QStringLiteral("more than 100000 elements");
        QTest::newRow("SVGZ bomb") << write(gzip.readAllStandardOutput(), "bomb.svgz") << QStringLiteral("once unpacked");
        QTest::newRow("SVG of 33 MB") << write("<svg>" + QByteArray(33 << 20, ' ') + "</svg>", "large.svg")
                                      << QStringLiteral("larger than 32 MB");
        QByteArray uses("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                        "width=\"10\" height=\"10\"><rect id=\"l0\" width=\"1\" height=\"1\"/>");
        for (int level = 1; level <= 8; ++level) {
            uses += "<g id=\"l" + QByteArray::number(level) + "\">";
            for (int i = 0; i < 10; ++i)
                uses += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
            uses += "</g>";
        }
        QTest::newRow("SVG drawing 10^8 shapes") << write(uses + "</svg>", "uses.svg") << QStringLiteral("shapes");
    }

private Q_SLOTS:
    // Each corner and the centre of the screen show the right place of a wide and of a tall picture.
    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QByteArray>("format");
        const char *names[] = {"fill", "fit", "centre", "stretch", "tile"};
        for (int style = 0; style <= 4; ++style) {
            QTest::addRow("%s, wide", names[style]) << style << QSize(600, 100) << QByteArray("PNG");
            QTest::addRow("%s, tall", names[style]) << style << QSize(100, 400) << QByteArray("PNG");
        }
        // Decoded in eighths of its size, then scaled the rest of the way.
        QTest::newRow("fill, large JPEG") << 0 << QSize(1200, 1000) << QByteArray("JPEG");
        QTest::newRow("fit, large JPEG") << 1 << QSize(1200, 1000) << QByteArray("JPEG");
        // Decoded apart, in a process of its own.
        QTest::newRow("fill, progressive JPEG") << 0 << QSize(1200, 1000) << QByteArray("progressive");
        // Read as stored, scaled as painted.
        QTest::newRow("fill, enlarged PNG") << 0 << QSize(150, 120) << QByteArray("PNG");
        QTest::newRow("fill, WebP") << 0 << QSize(400, 300) << QByteArray("WEBP");
        QTest::newRow("fit, TIFF") << 1 << QSize(400, 300) << QByteArray("TIFF");
    }
    void styles()
    {
        QFETCH(int, style);
        QFETCH(QSize, picture);
        QFETCH(QByteArray, format);
        const QString file = m_dir.filePath(QStringLiteral("g.") + QString::fromLatin1(format).toLower());
        QImageWriter writer(file, format == "progressive" ? "jpeg" : format);
        writer.setQuality(95);
        writer.setProgressiveScanWrite(true);
        QVERIFY(writer.write(gradient(picture)));
        const Result<BackgroundPicture> read = BackgroundPicture::read(file, style, kScreen);
        QVERIFY2(read, qPrintable(read ? QString() : read.error().message()));
        Canvas canvas;
        canvas.reset(kScreen, kDesktop);
        read->paint(canvas);
        const QImage &img = canvas.image();
        for (const QPoint at : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199), QPoint(150, 100)}) {
            const QRgb got = img.pixel(at);
            const std::optional<QPointF> from = sourceOf(style, picture, at);
            const QString where = QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y());
            if (!from) {
                QCOMPARE(got, kDesktop | 0xFF000000);
                continue;
            }
            QVERIFY2(qBlue(got) < 40, qPrintable(where));
            const int red = int(from->x() * 255 / (picture.width() - 1));
            const int green = int(from->y() * 255 / (picture.height() - 1));
            QVERIFY2(std::abs(qRed(got) - red) <= 12 && std::abs(qGreen(got) - green) <= 12,
                     qPrintable(where + QStringLiteral(": %1,%2 not %3,%4").arg(qRed(got)).arg(qGreen(got)).arg(red).arg(green)));
        }
    }

    // Refused with the file and the reason, never read.
    void hostilePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        addDamagedAndHugeRows();
        addSvgRows();
    }
    void hostilePictures()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const Result<BackgroundPicture> read = BackgroundPicture::read(file, BackgroundPicture::Fill, kScreen);
        QVERIFY(!read);
        QCOMPARE(read.error().subject(), file);
        QVERIFY2(read.error().reason().contains(reason) && read.error().reason().contains(file),
                 qPrintable(read.error().reason()));
    }

    // An SVG draws only what it holds: a picture it names (itself, a FIFO, another file, by a
    // relative or an absolute name, or through a style sheet) is left out; one inside it is drawn.
    void svgReadsNoOtherFile_data()
    {
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<bool>("drawn");
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QByteArray other = QFile::encodeName(save(red, "red.png"));
        const QString fifo = m_dir.filePath(QStringLiteral("named.fifo"));
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        const QByteArray inside = encoded(red, "PNG");
        QTest::newRow("itself") << QByteArray("self.svg") << false;
        QTest::newRow("a FIFO") << QFile::encodeName(fifo) << false;
        QTest::newRow("another picture") << other << false;
        QTest::newRow("relative") << QByteArray("../") + QFile::encodeName(QDir(m_dir.path()).dirName()) + "/red.png" << false;
        QTest::newRow("file address") << QByteArray("file://") + other << false;
        QTest::newRow("inside") << QByteArray("data:image/png;base64,") + inside.toBase64() << true;
    }
    void svgReadsNoOtherFile()
    {
        QFETCH(QByteArray, reference);
        QFETCH(bool, drawn);
        const QString file = write("<?xml-stylesheet href=\"/etc/passwd\"?><svg xmlns=\"http://www.w3.org/2000/svg\" "
                                   "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"30\" height=\"20\">"
                                   "<image width=\"30\" height=\"20\" xlink:href=\"" + reference + "\"/></svg>",
                                   "self.svg");
        const Result<BackgroundPicture> read = BackgroundPicture::read(file, BackgroundPicture::Stretch, kScreen);
        QVERIFY2(read, qPrintable(test::messageOf(read)));
        Canvas canvas;
        canvas.reset(kScreen, kDesktop);
        read->paint(canvas);
        QCOMPARE(canvas.image().pixel(150, 100) == qRgb(255, 0, 0), drawn);
    }

    // An SVG that draws the screen over 10^5 times is stopped at the time it may take.
    void drawingStopsAtItsTime()
    {
        QByteArray uses("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                        "width=\"300\" height=\"200\"><rect id=\"l0\" width=\"300\" height=\"200\" fill-opacity=\".5\"/>");
        for (int level = 1; level <= 5; ++level)
            uses += "<g id=\"l" + QByteArray::number(level) + "\">" +
                    QByteArray("<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>").repeated(10) + "</g>";
        const QString file = write(uses + "</svg>", "slow.svg");
        const Result<BackgroundPicture> read =
            BackgroundPicture::read(file, BackgroundPicture::Fill, kScreen, std::chrono::milliseconds(200));
        QVERIFY(!read);
        QCOMPARE(read.error().reason(), QStringLiteral("cannot read %1: it took longer than 0.2 s").arg(file));
    }

    // A thin strip at Fill is many times the screen: only the part on the screen is made.
    void stripFillsTheScreen_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::newRow("1000 x 1") << QSize(1000, 1);
        QTest::newRow("16384 x 1") << QSize(16384, 1);
        QTest::newRow("1 x 16384") << QSize(1, 16384);
    }
    void stripFillsTheScreen()
    {
        QFETCH(QSize, picture);
        const QSize screen(3840, 2160);
        QImage strip(picture, QImage::Format_RGB32);
        strip.fill(Qt::green);
        const Result<BackgroundPicture> read =
            BackgroundPicture::read(save(strip, "strip.png"), BackgroundPicture::Fill, screen);
        QVERIFY2(read, qPrintable(test::messageOf(read)));
        Canvas canvas;
        canvas.reset(screen, kDesktop);
        read->paint(canvas);
        for (const QPoint at : {QPoint(0, 0), QPoint(1920, 1080), QPoint(3839, 2159)})
            QCOMPARE(canvas.image().pixel(at), qRgb(0, 255, 0));
    }
};

MARVANE_TEST_MAIN(TestBackgroundPicture)
#include "tst_backgroundpicture.moc"
