#include "events/ExpansionCache.h"

#include "files/AtomicFile.h"
#include "files/FileRead.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

namespace marvane {

namespace {

constexpr quint32 kMagic = 0x4D565831; // "MVX1"
constexpr quint32 kMostEvents = 1000000;

} // namespace

ExpansionCache::ExpansionCache(QString cacheDirectory, QString file, QDate first, QDate last)
{
    const QFileInfo info(file);
    const QString name = info.absoluteFilePath();
    m_path = QDir(cacheDirectory)
                 .filePath(QStringLiteral("expanded-") +
                           QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex()) +
                           QStringLiteral(".bin"));
    QDataStream key(&m_key, QIODevice::WriteOnly);
    key << name << info.size() << info.lastModified().toMSecsSinceEpoch()
        << info.metadataChangeTime().toMSecsSinceEpoch() << first << last << QTimeZone::systemTimeZoneId()
        << QDateTime(first, QTime(0, 0)).offsetFromUtc() << QDateTime(last, QTime(0, 0)).offsetFromUtc();
}

std::optional<QList<CalendarEvent>> ExpansionCache::load() const
{
    const Result<FileContents> bytes = readFile(m_path, 64 * 1024 * 1024, false);
    if (!bytes)
        return std::nullopt;
    QDataStream in(bytes->bytes);
    quint32 magic = 0, count = 0;
    QByteArray key;
    in >> magic >> key >> count;
    if (magic != kMagic || key != m_key || count > kMostEvents)
        return std::nullopt;
    QList<CalendarEvent> events;
    events.reserve(count);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        CalendarEvent e;
        in >> e.date >> e.start >> e.summary;
        events << e;
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return events;
}

void ExpansionCache::store(const QList<CalendarEvent> &events) const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMagic << m_key << quint32(events.size());
    for (const CalendarEvent &e : events)
        out << e.date << e.start << e.summary;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A cache that cannot be written only costs the next run its time.
    (void)writeFileAtomically(m_path, [&bytes](QIODevice &device) { return writeAll(device, bytes); }, false, true);
}

} // namespace marvane
