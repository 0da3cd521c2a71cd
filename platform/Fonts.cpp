#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <cmath>

#include <zlib.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

struct Face
{
    QString file;
    QString fallbackFamily;
};

struct Loaded
{
    QString sans = u"Liberation Sans"_s;
    QString verdana = u"DejaVu Sans"_s;
    QString fixed = u"Terminus"_s;
    bool sansBold = false;
    // The fixed-pitch face by height in pixels: a Terminus bitmap, empty where there is none.
    QHash<int, QString> fixedBitmaps;
    QString fixedScalable;
    QStringList problems;
};

constexpr int kFixedHeight = 16;

QString addFont(const QString &path, const QString &fallback, QStringList &problems)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList{};
    if (families.isEmpty()) {
        problems << u"font file not loaded: %1 (using %2)"_s.arg(path, fallback);
        return fallback;
    }
    return families.first();
}

// FreeType reads a gzipped font through a stream it inflates again at every backward seek, which
// makes registering the bitmap face slow; inflate it once here instead.
QString addGzipFont(const QString &path, const QString &fallback, QStringList &problems)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return addFont(path, fallback, problems);
    QByteArray packed = in.readAll();
    QByteArray data(4 << 20, Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return addFont(path, fallback, problems);
    z.next_in = reinterpret_cast<Bytef *>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef *>(data.data());
    z.avail_out = static_cast<uInt>(data.size());
    const int status = inflate(&z, Z_FINISH);
    data.resize(static_cast<qsizetype>(z.total_out));
    inflateEnd(&z);
    const int id = status == Z_STREAM_END ? QFontDatabase::addApplicationFontFromData(data) : -1;
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList{};
    if (families.isEmpty())
        return addFont(path, fallback, problems);
    return families.first();
}

QString terminusFile(int pixels)
{
    return u"/usr/share/fonts/X11/misc/ter-u%1b_unicode.pcf.gz"_s.arg(pixels);
}

int fixedAdvance(const QString &family, int pixels)
{
    QFont probe(family);
    probe.setPixelSize(pixels);
    probe.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(probe).horizontalAdvance(QLatin1Char('8'));
}

Loaded load()
{
    Loaded l;
    const QString liberation = u"/usr/share/fonts/truetype/liberation2/"_s;
    // The faces the wallpaper uses; the plain bold one only the settings window needs, so it is
    // registered when first asked for (see font()), and the plain italic one nothing uses.
    l.sans = addFont(liberation + u"LiberationSans-Regular.ttf"_s, l.sans, l.problems);
    addFont(liberation + u"LiberationSans-BoldItalic.ttf"_s, l.sans, l.problems);
    l.verdana = addFont(u"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"_s, l.verdana, l.problems);
    l.fixed = addGzipFont(terminusFile(kFixedHeight), l.fixed, l.problems);
    const int advance = fixedAdvance(l.fixed, kFixedHeight);
    if (advance != kFixedHeight / 2) {
        l.problems << u"fixed-pitch face %1 is %2 px wide, not 8; falling back to a monospace face"_s
                          .arg(l.fixed)
                          .arg(advance);
        l.fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }
    return l;
}

Loaded &loaded()
{
    static Loaded l = load();
    return l;
}

int pixelsFor(double points)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

// The fixed-pitch face, cells half as wide as high, 16 pixels high at 1 whatever size is asked
// for: Terminus's bitmap of that height where there is one, else a scalable face narrowed to the
// same cells. Whether it is the bitmap.
bool fixedFace(Loaded &l, QFont &f, double scale)
{
    const int pixels = std::max(1, static_cast<int>(std::lround(kFixedHeight * scale)));
    if (pixels == kFixedHeight || l.fixedBitmaps.contains(pixels) || QFile::exists(terminusFile(pixels))) {
        if (pixels != kFixedHeight && !l.fixedBitmaps.contains(pixels)) {
            QStringList ignored;
            const QString family = addGzipFont(terminusFile(pixels), QString(), ignored);
            l.fixedBitmaps.insert(pixels, !family.isEmpty() && fixedAdvance(family, pixels) == pixels / 2 ? family
                                                                                                : QString());
        }
        const QString family = pixels == kFixedHeight ? l.fixed : l.fixedBitmaps.value(pixels);
        if (!family.isEmpty()) {
            f.setFamily(family);
            f.setPixelSize(pixels);
            f.setStyleStrategy(QFont::NoAntialias);
            return true;
        }
    }
    if (l.fixedScalable.isEmpty())
        l.fixedScalable = addFont(u"/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"_s,
                                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), l.problems);
    f.setFamily(l.fixedScalable);
    f.setPixelSize(pixels);
    const double advance = QFontMetricsF(f).horizontalAdvance(QLatin1Char('8'));
    if (advance > 0)
        f.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * pixels / 2.0 / advance)), 1, 4000));
    return false;
}

} // namespace

Result<> Fonts::ensureLoaded()
{
    const QStringList &problems = loaded().problems;
    if (problems.isEmpty())
        return {};
    return fail({}, problems.join(u'\n'));
}

QFont Fonts::font(const FontSpec &face)
{
    Loaded &l = loaded();
    const QString key = face.name.toLower();
    if (face.bold && !face.italic && key != u"fixedsys"_s && key != u"verdana"_s && !l.sansBold) {
        l.sansBold = true;
        addFont(u"/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"_s, l.sans, l.problems);
    }
    QFont f;
    const bool bitmap = key == u"fixedsys"_s && fixedFace(l, f, face.scale);
    if (key != u"fixedsys"_s) {
        f.setFamily(key == u"verdana"_s ? l.verdana : l.sans);
        f.setPixelSize(pixelsFor(face.points * face.scale));
    }
    f.setBold(face.bold);
    f.setItalic(face.italic);
    f.setUnderline(face.underline);
    // Hinting and grey-level edges are fixed here, not left to the desktop's settings (which Qt reads
    // only on some platforms), so that every run paints the same pixels.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    if (!bitmap)
        f.setStyleStrategy(QFont::NoSubpixelAntialias);
    f.setKerning(false);
    return f;
}

QFont Fonts::formFont()
{
    QFont f = font(FontSpec{u"MS Sans Serif"_s, 8.25});
    f.setHintingPreference(QFont::PreferDefaultHinting);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setKerning(true);
    return f;
}

int Fonts::baseline(const FontSpec &face, const QFont &font)
{
    // The substitute for Verdana sits about a pixel higher than the original; Verdana's ascent is
    // 2059/2048 of its pixel size.
    if (face.name.compare(u"verdana"_s, Qt::CaseInsensitive) == 0)
        return static_cast<int>(std::lround(font.pixelSize() * 2059.0 / 2048.0));
    // The scalable stand-in for the fixed-pitch face sits on Terminus's baseline, 12 of 16 pixels down.
    if (face.name.compare(u"fixedsys"_s, Qt::CaseInsensitive) == 0 && font.family() == loaded().fixedScalable)
        return static_cast<int>(std::lround(font.pixelSize() * 0.75));
    return QFontMetrics(font).ascent();
}

} // namespace marvane
