#pragma once

#include "calendar/BackgroundPicture.h"
#include "platform/Result.h"
#include "settings/Options.h"

#include <QDateTime>
#include <QSize>
#include <QString>

#include <optional>

namespace marvane {

// The background picture the settings name, read again only when the file, its style or the
// screen changed: decoding a photo costs more than painting the whole calendar.
class BackgroundLoader
{
public:
    explicit BackgroundLoader(QString applicationDirectory) : m_applicationDirectory(std::move(applicationDirectory)) {}

    // Null when the settings name none; the failure, naming the file, when it cannot be read.
    Result<const BackgroundPicture *> picture(const Options &options, QSize screen);

    // The file a stored path names: as it is when absolute, else in the program's folder.
    static QString fileOf(const QString &stored, const QString &applicationDirectory);

private:
    struct Key
    {
        QString file;
        int style = 0;
        QSize screen;
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Key &) const = default;
    };

    QString m_applicationDirectory;
    std::optional<Key> m_key;
    std::optional<Result<BackgroundPicture>> m_read;
};

} // namespace marvane
