// The silent run (`pendrel 9`) at 3840x2160 over hostile background pictures, beside the same run
// over a screen-sized photo: each must still set the wallpaper (exit 0), within 10 s, and take at
// most 50 MB more memory at its peak than the photo's run.
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/XvfbServer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <tuple>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <zlib.h>

namespace {

struct Run
{
    double seconds = 0;
    double peakMb = 0;
    int status = -1;
};

Run runOver(const QString &exe, const QString &picture, const QByteArray &display, int style = 0)
{
    QFile options(QFileInfo(exe).absolutePath() + QStringLiteral("/options.ini"));
    if (!options.open(QIODevice::WriteOnly) ||
        options.write("[general]\nBackgroundPicture=" + QFile::encodeName(picture) + "\nBackgroundStyle=" +
                      QByteArray::number(style) + "\n") < 0)
        return {};
    options.close();
    timespec start{}, end{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("DISPLAY", display.constData(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        ::freopen("/dev/null", "w", stderr);
        const QByteArray path = QFile::encodeName(exe);
        ::execl(path.constData(), path.constData(), "9", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ::clock_gettime(CLOCK_MONOTONIC, &end);
    return {double(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9, usage.ru_maxrss / 1024.0,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

QString write(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    QFile f(dir.filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName() : QString();
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    const quint32 length = qToBigEndian(quint32(data.size()));
    const QByteArray body = type + data;
    const quint32 sum = qToBigEndian(quint32(::crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))));
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + body + QByteArray(reinterpret_cast<const char *>(&sum), 4);
}

// A screen-sized picture with `metadata` before its pixels: PNG chunks, or JPEG segments after the start.
QString noted(const QTemporaryDir &dir, const char *name, const char *format, const QByteArray &metadata)
{
    QImage image(3840, 2160, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer out(&bytes);
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, format))
        return {};
    bytes.insert(qstrcmp(format, "PNG") == 0 ? 33 : 2, metadata);
    return write(dir, name, bytes);
}

// A TIFF of one grey pixel whose description takes `bytes`, which its reader holds on reading the header.
QString describedTiff(const QTemporaryDir &dir, const char *name, quint32 bytes)
{
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelAt = 8 + 2 + 9 * 12 + 4;
    out.writeRawData("II*\0", 4);
    out << quint32(8) << quint16(9);
    const quint32 tags[9][3] = {{256, 3, 1}, {257, 3, 1}, {258, 3, 8}, {259, 3, 1}, {262, 3, 1},
                                {270, 2, pixelAt + 4}, {273, 4, pixelAt}, {278, 3, 1}, {279, 4, 1}};
    for (const auto &tag : tags)
        out << quint16(tag[0]) << quint16(tag[1]) << (tag[0] == 270 ? bytes : 1u) << tag[2];
    out << quint32(0) << quint32(0x80);
    return write(dir, name, tiff + QByteArray(bytes - 1, 'd') + '\0');
}

QString strip(const QTemporaryDir &dir, const char *name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString file = dir.filePath(QString::fromLatin1(name));
    return image.save(file, "PNG") ? file : QString();
}

using Pictures = QList<std::tuple<const char *, QString, int>>; // what, its file, its style

// SVGs naming other files, unpacking to 1 GiB, drawing without end, of many elements or of 100 MB.
Pictures svgPictures(const QTemporaryDir &dir)
{
    const QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                                       "width=\"100\" height=\"100\"><image width=\"100\" height=\"100\" xlink:href=\"%1\"/></svg>");
    const QString fifo = dir.filePath(QStringLiteral("named.fifo"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString bomb = dir.filePath(QStringLiteral("bomb.svgz"));
    const std::string makeBomb = "(printf '<svg xmlns=\"http://www.w3.org/2000/svg\">'; head -c 1073741824 /dev/zero | tr '\\0' ' ') | gzip -1 > '" +
                                 QFile::encodeName(bomb).toStdString() + "'";
    // The screen drawn over 11,111 times, through <use>; and 100,000 elements, the most an SVG may have.
    QByteArray uses("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                    "width=\"3840\" height=\"2160\"><rect id=\"l0\" width=\"3840\" height=\"2160\" fill-opacity=\".5\"/>");
    for (int level = 1; level <= 4; ++level)
        uses += "<g id=\"l" + QByteArray::number(level) + "\">" +
                QByteArray("<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>").repeated(10) + "</g>";
    const QByteArray elements = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"3840\" height=\"2160\">" +
                                QByteArray("<rect x=\"1\" y=\"1\" width=\"9\" height=\"9\"/>").repeated(99999) + "</svg>";
    return {
        {"SVG naming itself", write(dir, "self.svg", svg.arg(dir.filePath(QStringLiteral("self.svg"))).toUtf8()), 0},
        {"SVG naming a FIFO", write(dir, "fifo.svg", svg.arg(fifo).toUtf8()), 0},
        {"SVGZ of 1 GiB of spaces", std::system(makeBomb.c_str()) == 0 ? bomb : QString(), 0},
        {"SVG drawing the screen 11,111 times", write(dir, "uses.svg", uses + "</svg>"), 0},
        {"SVG of 100,000 elements", write(dir, "elements.svg", elements), 0},
        {"SVG of 100 MB",
         write(dir, "large.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\">" + QByteArray(100 << 20, ' ') + "</svg>"), 0},
    };
}

// Screen-sized pictures carrying text, comments or descriptions their readers would hold.
Pictures notedPictures(const QTemporaryDir &dir)
{
    QByteArray texts, packedTexts, comments;
    for (int i = 0; i < 20; ++i)
        texts += pngChunk("tEXt", "Comment\0" + QByteArray(5 << 20, 'x'));
    const QByteArray spaces(7000000, ' ');
    QByteArray packed(int(::compressBound(uLong(spaces.size()))), '\0');
    uLongf packedSize = uLongf(packed.size());
    ::compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(spaces.constData()),
                uLong(spaces.size()), 9);
    packed.truncate(qsizetype(packedSize));
    for (int i = 0; i < 200; ++i)
        packedTexts += pngChunk("zTXt", QByteArray("Title\0\0", 7) + packed);
    for (int i = 0; i < 1500; ++i)
        comments += "\xFF\xFE\xFF\xFF" + QByteArray(65533, 'c');
    return {
        {"PNG with 100 MB of text", noted(dir, "texts.png", "PNG", texts), 0},
        {"PNG whose 200 packed texts hold 1.4 GB", noted(dir, "packed.png", "PNG", packedTexts), 0},
        {"JPEG with 100 MB of comments", noted(dir, "comments.jpg", "JPEG", comments), 0},
        {"JPEG with 25 million empty comments",
         noted(dir, "empty.jpg", "JPEG", QByteArray("\xFF\xFE\0\x02", 4).repeated(25 << 20)), 0},
        {"PNG with 8 million empty chunks of its own", noted(dir, "empty.png", "PNG", pngChunk("prVt", {}).repeated(8 << 20)), 0},
        {"TIFF of 1x1 with a description of 100 MB", describedTiff(dir, "described.tif", 100 << 20), 0},
        {"TIFF of 1x1 with a description of 39 MB", describedTiff(dir, "described39.tif", 39 << 20), 0},
    };
}

// Pictures of the largest sizes allowed, or many times the screen, in each way they are read.
Pictures largePictures(const QTemporaryDir &dir)
{
    const QString progressive = dir.filePath(QStringLiteral("progressive.jpg"));
    QImage square(8192, 8192, QImage::Format_RGB32);
    square.fill(Qt::darkCyan);
    // The largest picture allowed, in scans: its coefficients alone would take 384 MB.
    QImageWriter writer(progressive, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(square);
    // Half of it is one pixel short of the screen, so no eighth of it will do.
    const QString baseline = dir.filePath(QStringLiteral("square.jpg"));
    square.copy(0, 0, 7679, 7679).save(baseline, "JPEG", 90);
    // Noise does not pack: the file is as large as the picture it holds.
    QImage rgba(4600, 4400, QImage::Format_ARGB32);
    for (int y = 0; y < rgba.height(); ++y)
        for (int x = 0; x < rgba.width(); ++x)
            rgba.setPixel(x, y, QRandomGenerator::global()->generate());
    const auto saved = [&dir](const QImage &image, const char *name, const char *format) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        return image.save(file, format, 100) ? file : QString();
    };
    // The largest their readers' cost allows, in formats read whole or at 8 bytes a pixel.
    const QImage noisy = rgba.copy(0, 0, 4000, 4000).convertToFormat(QImage::Format_RGB32);
    return {
        {"1000x1 PNG at Fill", strip(dir, "thin.png", QSize(1000, 1)), 0},
        {"16384x1 PNG at Fill", strip(dir, "thinner.png", QSize(16384, 1)), 0},
        {"the largest PNG allowed (4600x4400)", strip(dir, "large.png", QSize(4600, 4400)), 0},
        {"PNG of noise, the largest allowed, in a file of 81 MB", saved(rgba, "noise.png", "PNG"), 0},
        {"BMP of noise, 4000x4000", saved(noisy, "noise.bmp", "BMP"), 0},
        {"TIFF of noise, 4000x4000", saved(noisy, "noise.tif", "TIFF"), 0},
        {"lossless WebP of noise, 3840x2160", saved(noisy.copy(0, 0, 3840, 2160), "noise.webp", "WEBP"), 0},
        {"PNG of 16 bits a channel, 2300x2200 at Fill",
         saved(noisy.copy(0, 0, 2300, 2200).convertToFormat(QImage::Format_RGBX64), "deep.png", "PNG"), 0},
        {"progressive JPEG of 8192x8192", progressive, 0},
        {"baseline JPEG of 7679x7679 at Fill", baseline, 0},
        {"baseline JPEG of 7679x7679 at Centre", baseline, 2},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    marvane::test::IsolatedEnvironment isolated;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("pendrel"));
    if (!QFile::copy(QStringLiteral(PENDREL_PATH), exe))
        return 2;
    const QSize screen(3840, 2160);
    const QString photoFile = dir.filePath(QStringLiteral("photo.jpg"));
    {
        QImage photo(screen, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                photo.setPixel(x, y, QRandomGenerator::global()->generate() | 0xFF000000);
        photo.save(photoFile, "JPEG", 90);
    }
    // Made before the runs, whose peak counts what they were forked with, and freed: the heap the
    // large images grew is handed back too.
    const Pictures pictures = largePictures(dir) + svgPictures(dir) + notedPictures(dir);
    ::malloc_trim(0);
    marvane::test::XvfbServer xvfb(screen, 24);
    const QByteArray display = xvfb.display().toLocal8Bit();
    Run base = runOver(exe, photoFile, display);
    base.peakMb = std::max(base.peakMb, runOver(exe, photoFile, display).peakMb);
    std::printf("silent run 3840x2160 over a screen-sized JPEG: %.2f s, peak %.1f MB, exit %d\n", base.seconds,
                base.peakMb, base.status);
    int failures = base.status != 0;
    for (const auto &[what, file, style] : pictures) {
        const Run r = file.isEmpty() ? Run() : runOver(exe, file, display, style);
        const bool ok = r.status == 0 && r.seconds <= 10 && r.peakMb <= base.peakMb + 50;
        std::printf("  over %s: %.2f s (goal <= 10), peak %.1f MB, %+.1f MB (goal <= +50), exit %d: %s\n", what,
                    r.seconds, r.peakMb, r.peakMb - base.peakMb, r.status, ok ? "met" : "MISSED");
        failures += !ok;
    }
    return failures == 0 ? 0 : 1;
}
