// The Calendars setting's sources, apart from their reading: every start may need these, and
// none of them maps libical or Qt Network.
#include "events/CalendarSources.h"

#include <QCryptographicHash>
#include <QDir>

namespace marvane {

using namespace Qt::StringLiterals;

QStringList CalendarSources::split(const QString &setting)
{
    QStringList sources;
    for (const QString &part : setting.split(u';'))
        if (!part.trimmed().isEmpty())
            sources << part.trimmed();
    return sources;
}

bool CalendarSources::isAddress(const QString &source)
{
    return source.startsWith(u"http://"_s, Qt::CaseInsensitive) || source.startsWith(u"https://"_s, Qt::CaseInsensitive);
}

QString CalendarSources::cacheFile(const QString &cacheDirectory, const QString &address)
{
    const QByteArray name = QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(cacheDirectory).filePath(QString::fromLatin1(name) + u".ics"_s);
}

} // namespace marvane
