#include "app/BackgroundLoader.h"

#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace marvane {

QString BackgroundLoader::fileOf(const QString &stored, const QString &applicationDirectory)
{
    return QDir::isAbsolutePath(stored) ? stored : AppPaths::join(applicationDirectory, stored);
}

Result<const BackgroundPicture *> BackgroundLoader::picture(const Options &options, QSize screen)
{
    if (options.backgroundPicture.isEmpty())
        return static_cast<const BackgroundPicture *>(nullptr);
    const QString file = fileOf(options.backgroundPicture, m_applicationDirectory);
    const QFileInfo info(file);
    const Key key{file, options.backgroundStyle, screen, info.lastModified(), info.exists() ? info.size() : -1};
    if (!m_key || !(*m_key == key)) {
        m_read = BackgroundPicture::read(file, options.backgroundStyle, screen);
        m_key = key;
    }
    if (!*m_read)
        return std::unexpected(m_read->error());
    return &**m_read;
}

} // namespace marvane
