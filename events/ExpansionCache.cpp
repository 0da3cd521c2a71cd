#include "events/ExpansionCache.h"

#include "files/AtomicFile.h"
#include "files/FileRead.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTimeZone>

#include <cstring>

namespace marvane {

namespace {

constexpr quint32 kMagic = 0x4D565835; // "MVX5"
constexpr quint32 kMostEvents = 1000000;

// The file is this machine's own, read back by the same program: numbers as the processor holds
// them, names as QString holds them, each read checked against what is left.
template<typename T>
void put(QByteArray &bytes, T value)
{
    bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void putText(QByteArray &bytes, QStringView text)
{
    put(bytes, quint32(text.size()));
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
}

class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_rest(bytes) {}

    template<typename T>
    bool take(T &value)
    {
        if (m_rest.size() < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, m_rest.data(), sizeof value);
        m_rest = m_rest.sliced(sizeof value);
        return true;
    }
    bool takeText(QString &text)
    {
        quint32 units = 0;
        if (!take(units) || m_rest.size() / 2 < qsizetype(units))
            return false;
        text = QString(reinterpret_cast<const QChar *>(m_rest.data()), units);
        m_rest = m_rest.sliced(qsizetype(units) * 2);
        return true;
    }
    bool takeBytes(QByteArrayView &bytes)
    {
        quint32 size = 0;
        if (!take(size) || m_rest.size() < qsizetype(size))
            return false;
        bytes = m_rest.first(size);
        m_rest = m_rest.sliced(size);
        return true;
    }
    bool atEnd() const { return m_rest.isEmpty(); }

private:
    QByteArrayView m_rest;
};

} // namespace

ExpansionCache::ExpansionCache(const QString &cacheDirectory, const QString &source, QDate first, QDate last)
{
    const QString name = QFileInfo(source).absoluteFilePath();
    m_path = QDir(cacheDirectory)
                 .filePath(QStringLiteral("expanded-") +
                           QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex()) +
                           QStringLiteral(".bin"));
    QDataStream out(&m_key, QIODevice::WriteOnly);
    out << name << first << last << QTimeZone::systemTimeZoneId() << QDateTime(first, QTime(0, 0)).offsetFromUtc()
        << QDateTime(last, QTime(0, 0)).offsetFromUtc();
}

ExpansionCache::Kept ExpansionCache::load() const
{
    const Result<FileContents> bytes = readFile(m_path, 64 * 1024 * 1024, false);
    if (!bytes)
        return {};
    Reader in(bytes->bytes);
    quint32 magic = 0, names = 0, files = 0, events = 0;
    QByteArrayView key;
    if (!in.take(magic) || magic != kMagic || !in.takeBytes(key) || key != m_key || !in.take(names) || names > kMostEvents)
        return {};
    QList<QString> summaries(names);
    for (QString &summary : summaries)
        if (!in.takeText(summary))
            return {};
    Kept kept;
    if (!in.take(files) || files > kMostEvents)
        return {};
    kept.files.resize(files);
    kept.counts.resize(files);
    qint64 total = 0;
    for (quint32 f = 0; f < files; ++f) {
        FileStamp &file = kept.files[f];
        if (!in.takeText(file.path) || !in.take(file.size) || !in.take(file.modifiedNs) || !in.take(file.changedNs) ||
            !in.take(kept.counts[f]) || kept.counts[f] < 0)
            return {};
        total += kept.counts[f];
    }
    if (!in.take(events) || events != total || events > kMostEvents)
        return {};
    kept.events.reserve(events);
    for (quint32 i = 0; i < events; ++i) {
        qint64 day = 0;
        qint32 msecs = 0;
        quint32 summary = 0;
        if (!in.take(day) || !in.take(msecs) || !in.take(summary) || summary >= names)
            return {};
        kept.events.append({QDate::fromJulianDay(day), msecs < 0 ? QTime() : QTime::fromMSecsSinceStartOfDay(msecs),
                            summaries[summary]});
    }
    return in.atEnd() ? kept : Kept();
}

void ExpansionCache::store(const Kept &kept) const
{
    // The days of one event share its summary: each is kept once.
    QHash<const QChar *, quint32> indexes;
    QList<QStringView> summaries;
    qsizetype size = 24 + m_key.size() + kept.events.size() * 16;
    for (const CalendarEvent &e : kept.events)
        if (!indexes.contains(e.summary.constData())) {
            indexes.insert(e.summary.constData(), quint32(summaries.size()));
            summaries << e.summary;
            size += 4 + e.summary.size() * 2;
        }
    for (const FileStamp &file : kept.files)
        size += 36 + file.path.size() * 2;
    QByteArray bytes;
    bytes.reserve(size);
    put(bytes, kMagic);
    put(bytes, quint32(m_key.size()));
    bytes += m_key;
    put(bytes, quint32(summaries.size()));
    for (QStringView summary : summaries)
        putText(bytes, summary);
    put(bytes, quint32(kept.files.size()));
    for (qsizetype f = 0; f < kept.files.size(); ++f) {
        putText(bytes, kept.files[f].path);
        put(bytes, kept.files[f].size);
        put(bytes, kept.files[f].modifiedNs);
        put(bytes, kept.files[f].changedNs);
        put(bytes, kept.counts[f]);
    }
    put(bytes, quint32(kept.events.size()));
    for (const CalendarEvent &e : kept.events) {
        put(bytes, qint64(e.date.toJulianDay()));
        put(bytes, qint32(e.start.isValid() ? e.start.msecsSinceStartOfDay() : -1));
        put(bytes, indexes.value(e.summary.constData()));
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A cache that cannot be written only costs the next run its time.
    (void)writeFileAtomically(m_path, [&bytes](QIODevice &device) { return writeAll(device, bytes); }, false, true);
}

} // namespace marvane
