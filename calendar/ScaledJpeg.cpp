#include "calendar/ScaledJpeg.h"

#include <QIODevice>
#include <QLibrary>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio> // before jpeglib.h, which uses FILE
#include <deque>
#include <type_traits>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// How one axis of the decoded picture, `from` long, makes places [begin, end) of it scaled to `to`:
// a place shrunk is the average of the ones it covers, a place enlarged is drawn from the two nearest.
struct Taps
{
    std::vector<int> first;  // the first place it is made from
    std::vector<int> offset; // of its weights, which run to the next one's
    std::vector<float> weights;

    int count(size_t at) const
    {
        return (at + 1 < offset.size() ? offset[at + 1] : int(weights.size())) - offset[at];
    }
    int last() const { return first.back() + count(first.size() - 1) - 1; }
};

Taps tapsOf(int from, int to, int begin, int end)
{
    Taps taps;
    const double ratio = double(from) / to;
    for (int place = begin; place < end; ++place) {
        std::vector<float> weights;
        int lo = 0;
        if (ratio >= 1) {
            const double start = place * ratio, stop = (place + 1) * ratio;
            lo = std::clamp(int(start), 0, from - 1);
            const int hi = std::clamp(int(std::ceil(stop)) - 1, lo, from - 1);
            for (int s = lo; s <= hi; ++s)
                weights.push_back(float(std::max(0.0, std::min(stop, s + 1.0) - std::max(start, double(s)))));
        } else {
            const double at = (place + 0.5) * ratio - 0.5;
            const int below = int(std::floor(at));
            const float above = float(at - below);
            lo = std::clamp(below, 0, from - 1);
            if (lo == std::clamp(below + 1, 0, from - 1))
                weights = {1.0f};
            else
                weights = {1.0f - above, above};
        }
        float sum = 0;
        for (const float w : weights)
            sum += w;
        taps.first.push_back(lo);
        taps.offset.push_back(int(taps.weights.size()));
        for (const float w : weights)
            taps.weights.push_back(sum > 0 ? w / sum : 1.0f / weights.size());
    }
    return taps;
}

// Each row as it is decoded is scaled across, then added into the rows of the result it makes;
// a result row is written out once its last row has come.
class RowScaler
{
public:
    RowScaler(Taps across, Taps down, int left, QImage &out)
        : m_across(std::move(across)), m_down(std::move(down)), m_left(left), m_out(out),
          m_scaled(size_t(out.width()) * 3)
    {
    }

    int firstRow() const { return m_down.first.front(); }
    int lastRow() const { return m_down.last(); }

    // `row` holds pixels as blue, green, red and one byte unused, from column `left`.
    void add(const uchar *row, int at)
    {
        for (size_t x = 0; x < m_across.first.size(); ++x) {
            const uchar *from = row + size_t(m_across.first[x] - m_left) * 4;
            const float *w = m_across.weights.data() + m_across.offset[x];
            float b = 0, g = 0, r = 0;
            for (int k = 0, n = m_across.count(x); k < n; ++k, from += 4) {
                b += w[k] * from[0];
                g += w[k] * from[1];
                r += w[k] * from[2];
            }
            m_scaled[x * 3] = b;
            m_scaled[x * 3 + 1] = g;
            m_scaled[x * 3 + 2] = r;
        }
        while (m_opened < int(m_down.first.size()) && m_down.first[m_opened] <= at) {
            m_open.emplace_back(m_scaled.size(), 0.0f);
            ++m_opened;
        }
        for (size_t k = 0; k < m_open.size(); ++k) {
            const size_t y = size_t(m_done) + k;
            const int tap = at - m_down.first[y];
            if (tap < 0 || tap >= m_down.count(y))
                continue;
            const float w = m_down.weights[m_down.offset[y] + tap];
            std::vector<float> &sum = m_open[k];
            for (size_t i = 0; i < sum.size(); ++i)
                sum[i] += w * m_scaled[i];
        }
        while (!m_open.empty() && m_down.first[m_done] + m_down.count(m_done) - 1 <= at)
            finish();
    }

private:
    void finish()
    {
        const std::vector<float> &sum = m_open.front();
        auto *line = reinterpret_cast<QRgb *>(m_out.scanLine(m_done));
        const auto byte = [](float v) { return std::clamp(int(v + 0.5f), 0, 255); };
        for (int x = 0; x < m_out.width(); ++x)
            line[x] = qRgb(byte(sum[x * 3 + 2]), byte(sum[x * 3 + 1]), byte(sum[x * 3]));
        m_open.pop_front();
        ++m_done;
    }

    Taps m_across;
    Taps m_down;
    int m_left;
    QImage &m_out;
    std::vector<float> m_scaled;
    std::deque<std::vector<float>> m_open; // result rows from m_done on, still being made
    int m_opened = 0;
    int m_done = 0;
};

// libjpeg, looked up when a picture needs it rather than linked: Qt's JPEG reader has loaded it
// by then, and a run that shows no such picture does not map it (0.2 MB of the peak at 1920 x 1080).
struct LibJpeg
{
    decltype(&jpeg_std_error) stdError = nullptr;
    decltype(&jpeg_CreateDecompress) create = nullptr;
    decltype(&jpeg_destroy_decompress) destroy = nullptr;
    decltype(&jpeg_read_header) readHeader = nullptr;
    decltype(&jpeg_start_decompress) start = nullptr;
    decltype(&jpeg_crop_scanline) crop = nullptr;
    decltype(&jpeg_skip_scanlines) skip = nullptr;
    decltype(&jpeg_read_scanlines) readScanlines = nullptr;
    decltype(&jpeg_resync_to_restart) resync = nullptr;

    bool load()
    {
        QLibrary library(QStringLiteral("jpeg"), 62);
        const auto find = [&library](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            return function != nullptr;
        };
        return find(stdError, "jpeg_std_error") && find(create, "jpeg_CreateDecompress") &&
               find(destroy, "jpeg_destroy_decompress") && find(readHeader, "jpeg_read_header") &&
               find(start, "jpeg_start_decompress") && find(crop, "jpeg_crop_scanline") &&
               find(skip, "jpeg_skip_scanlines") && find(readScanlines, "jpeg_read_scanlines") &&
               find(resync, "jpeg_resync_to_restart");
    }
};

// libjpeg reads the file through the device, a block at a time.
struct DeviceSource
{
    jpeg_source_mgr manager; // first: libjpeg hands back a pointer to it
    QIODevice *device;
    JOCTET block[65536];

    static void start(j_decompress_ptr) {}
    static void end(j_decompress_ptr) {}
    static boolean fill(j_decompress_ptr info)
    {
        auto *source = reinterpret_cast<DeviceSource *>(info->src);
        qint64 n = source->device->read(reinterpret_cast<char *>(source->block), sizeof source->block);
        if (n <= 0) {
            // As libjpeg's own sources do at the end: a warning, then an end marker.
            WARNMS(info, JWRN_JPEG_EOF);
            source->block[0] = 0xFF;
            source->block[1] = JPEG_EOI;
            n = 2;
        }
        source->manager.next_input_byte = source->block;
        source->manager.bytes_in_buffer = size_t(n);
        return TRUE;
    }
    static void skip(j_decompress_ptr info, long count)
    {
        auto *source = reinterpret_cast<DeviceSource *>(info->src);
        if (count <= 0)
            return;
        if (size_t(count) <= source->manager.bytes_in_buffer) {
            source->manager.next_input_byte += count;
            source->manager.bytes_in_buffer -= size_t(count);
            return;
        }
        source->device->skip(qint64(count) - qint64(source->manager.bytes_in_buffer));
        source->manager.bytes_in_buffer = 0;
    }
};

// libjpeg's state, whose failures come back by a jump to the step that was running.
class JpegDecoder
{
public:
    explicit JpegDecoder(QIODevice &device)
    {
        if (!m_lib.load())
            return;
        m_info.err = m_lib.stdError(&m_error.manager);
        m_error.manager.error_exit = &JpegDecoder::jumpOut;
        m_error.manager.emit_message = &JpegDecoder::warned;
        m_made = run([this](j_decompress_ptr info) { m_lib.create(info, JPEG_LIB_VERSION, sizeof *info); });
        m_source.manager = {nullptr, 0, &DeviceSource::start, &DeviceSource::fill, &DeviceSource::skip,
                            m_lib.resync, &DeviceSource::end};
        m_source.device = &device;
        m_info.src = &m_source.manager;
    }
    ~JpegDecoder()
    {
        if (m_made)
            m_lib.destroy(&m_info);
    }
    JpegDecoder(const JpegDecoder &) = delete;
    JpegDecoder &operator=(const JpegDecoder &) = delete;

    // Runs one step; false if libjpeg gave up in it. Nothing the step holds needs a destructor.
    template <typename Step>
    bool run(Step step)
    {
        if (setjmp(m_error.jump))
            return false;
        step(&m_info);
        return !m_error.cutShort;
    }

    bool made() const { return m_made; }
    const LibJpeg &lib() const { return m_lib; }
    jpeg_decompress_struct &info() { return m_info; }
    QString reason() const
    {
        if (!m_lib.resync)
            return u"libjpeg 62 cannot be loaded"_s;
        return m_error.cutShort ? u"the picture is cut short or damaged"_s : QString::fromLatin1(m_error.message);
    }

private:
    struct Error
    {
        jpeg_error_mgr manager; // first: libjpeg hands back a pointer to it
        std::jmp_buf jump;
        bool cutShort = false;
        char message[JMSG_LENGTH_MAX] = {};
    };

    [[noreturn]] static void jumpOut(j_common_ptr info)
    {
        auto *error = reinterpret_cast<Error *>(info->err);
        info->err->format_message(info, error->message);
        std::longjmp(error->jump, 1);
    }
    // Warnings are kept off standard error; the one that says the data ran out fails the picture.
    static void warned(j_common_ptr info, int level)
    {
        if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
            reinterpret_cast<Error *>(info->err)->cutShort = true;
    }

    LibJpeg m_lib;
    jpeg_decompress_struct m_info{};
    Error m_error;
    DeviceSource m_source{};
    bool m_made = false;
};

// The largest eighth libjpeg can decode to that is still at least `size` (libjpeg rounds up).
unsigned eighthsFor(const jpeg_decompress_struct &info, QSize size)
{
    unsigned eighths = 8;
    const auto atLeast = [&](unsigned d) {
        return (info.image_width + d - 1) / d >= unsigned(size.width()) &&
               (info.image_height + d - 1) / d >= unsigned(size.height());
    };
    while (eighths > 1 && !atLeast(eighths))
        eighths /= 2;
    return eighths;
}

// Adobe's CMYK, stored inverted, made into the blue, green, red order of the other rows.
void cmykToBgr(uchar *row, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        const int c = row[0], m = row[1], y = row[2], k = row[3];
        row[0] = uchar(y * k / 255);
        row[1] = uchar(m * k / 255);
        row[2] = uchar(c * k / 255);
    }
}

} // namespace

Result<QImage> readScaledJpeg(QIODevice &device, QSize size, QRect part, const QString &file)
{
    part &= QRect(QPoint(), size);
    QImage out(part.size(), QImage::Format_RGB32);
    if (part.isEmpty() || out.isNull())
        return fail(file, u"cannot read %1: there is not enough memory for its part on the screen"_s.arg(file));
    JpegDecoder jpeg(device);
    jpeg_decompress_struct &info = jpeg.info();
    const LibJpeg &lib = jpeg.lib();
    const auto failed = [&] { return fail(file, u"cannot read %1: %2"_s.arg(file, jpeg.reason())); };
    if (!jpeg.made() || !jpeg.run([&lib](j_decompress_ptr i) { lib.readHeader(i, TRUE); }))
        return failed();
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    info.scale_num = 1;
    info.scale_denom = eighthsFor(info, size);
    if (!jpeg.run([&lib](j_decompress_ptr i) { lib.start(i); }))
        return failed();
    Taps across = tapsOf(int(info.output_width), size.width(), part.left(), part.right() + 1);
    JDIMENSION left = JDIMENSION(across.first.front());
    JDIMENSION width = JDIMENSION(across.last()) - left + 1;
    if (!jpeg.run([&](j_decompress_ptr i) { lib.crop(i, &left, &width); }))
        return failed();
    RowScaler scaler(std::move(across), tapsOf(int(info.output_height), size.height(), part.top(), part.bottom() + 1),
                     int(left), out);
    if (!jpeg.run([&](j_decompress_ptr i) { lib.skip(i, JDIMENSION(scaler.firstRow())); }))
        return failed();
    std::vector<uchar> row(size_t(info.output_width) * 4);
    JSAMPROW rows[] = {row.data()};
    for (int at = scaler.firstRow(); at <= scaler.lastRow(); ++at) {
        if (!jpeg.run([&](j_decompress_ptr i) { lib.readScanlines(i, rows, 1); }))
            return failed();
        if (cmyk)
            cmykToBgr(row.data(), info.output_width);
        scaler.add(row.data(), at);
    }
    return out;
}

} // namespace marvane
