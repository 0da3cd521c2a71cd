// The silent run (`pendrel 9`) at 3840x2160 over hostile background pictures, beside the same run
// over a screen-sized photo: each must still set the wallpaper (exit 0), within 10 s, and take at
// most 50 MB more memory at its peak than the photo's run.
#include "tests/support/IsolatedEnvironment.h"
#include "tests/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <tuple>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

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

QString strip(const QTemporaryDir &dir, const char *name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString file = dir.filePath(QString::fromLatin1(name));
    return image.save(file, "PNG") ? file : QString();
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
        // Freed before the runs, whose peak counts what they were forked with.
        QImage photo(screen, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                photo.setPixel(x, y, QRandomGenerator::global()->generate() | 0xFF000000);
        photo.save(photoFile, "JPEG", 90);
    }
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
    const QString progressive = dir.filePath(QStringLiteral("progressive.jpg"));
    {
        // The largest picture allowed, in scans: its coefficients alone would take 384 MB.
        QImage square(8192, 8192, QImage::Format_RGB32);
        square.fill(Qt::darkCyan);
        QImageWriter writer(progressive, "jpeg");
        writer.setProgressiveScanWrite(true);
        writer.write(square);
    }
    const QString square = dir.filePath(QStringLiteral("square.jpg"));
    {
        // Half of it is one pixel short of the screen, so no eighth of it will do.
        QImage big(7679, 7679, QImage::Format_RGB32);
        big.fill(Qt::darkRed);
        big.save(square, "JPEG", 90);
    }
    const QList<std::tuple<const char *, QString, int>> pictures{
        {"1000x1 PNG at Fill", strip(dir, "thin.png", QSize(1000, 1)), 0},
        {"16384x1 PNG at Fill", strip(dir, "thinner.png", QSize(16384, 1)), 0},
        {"the largest PNG allowed (4600x4400)", strip(dir, "large.png", QSize(4600, 4400)), 0},
        {"SVG naming itself", write(dir, "self.svg", svg.arg(dir.filePath(QStringLiteral("self.svg"))).toUtf8()), 0},
        {"SVG naming a FIFO", write(dir, "fifo.svg", svg.arg(fifo).toUtf8()), 0},
        {"SVGZ of 1 GiB of spaces", std::system(makeBomb.c_str()) == 0 ? bomb : QString(), 0},
        {"SVG drawing the screen 11,111 times", write(dir, "uses.svg", uses + "</svg>"), 0},
        {"SVG of 100,000 elements", write(dir, "elements.svg", elements), 0},
        {"progressive JPEG of 8192x8192", progressive, 0},
        {"baseline JPEG of 7679x7679 at Fill", square, 0},
        {"baseline JPEG of 7679x7679 at Centre", square, 2},
    };
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
