#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace marvane {

namespace {

Result<QString> locate()
{
    // Grown until the whole link fits; the kernel itself refuses paths beyond a page.
    std::string buffer(4096, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return fail({}, QStringLiteral("cannot find the program's own path: %1")
                                   .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (static_cast<std::size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const QByteArray bytes = QByteArray::fromStdString(buffer);
    const QString path = QFile::decodeName(bytes);
    // A name that does not survive the round trip would be written to a different file.
    if (path.isEmpty() || path.front() != u'/' || QFile::encodeName(path) != bytes)
        return fail(
            {}, QStringLiteral("the program's folder \"%1\" has a name that is not valid UTF-8; move the "
                               "program to a folder with a plain name")
                    .arg(QString::fromLatin1(bytes.toPercentEncoding("/ "))));
    return path;
}

const Result<QString> &location()
{
    static const Result<QString> l = locate();
    return l;
}

} // namespace

QString AppPaths::executablePath()
{
    return location().value_or(QString());
}

QString AppPaths::applicationDirectory()
{
    return location() ? QFileInfo(*location()).absolutePath() : QString();
}

Result<> AppPaths::checkLocation()
{
    if (const Result<QString> &l = location(); !l)
        return std::unexpected(l.error());
    return {};
}

QString AppPaths::configHome()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return config.isEmpty() || !QDir::isAbsolutePath(config) ? QDir::homePath() + QStringLiteral("/.config") : config;
}

QString AppPaths::dataHome()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    return data.isEmpty() || !QDir::isAbsolutePath(data) ? QDir::homePath() + QStringLiteral("/.local/share") : data;
}

QString AppPaths::cacheHome()
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    return cache.isEmpty() || !QDir::isAbsolutePath(cache) ? QDir::homePath() + QStringLiteral("/.cache") : cache;
}

bool AppPaths::keepsFilesBeside(const QString &programDirectory)
{
    const QString dir = QDir::cleanPath(programDirectory);
    for (const QString &system : {QStringLiteral("/usr"), QStringLiteral("/opt")})
        if (dir == system || dir.startsWith(system + u'/'))
            return false;
    if (QFileInfo::exists(join(dir, QStringLiteral("options.ini"))) ||
        QFileInfo::exists(join(dir, QStringLiteral("todolist.ini"))))
        return true;
    const QFileInfo info(dir);
    return info.ownerId() == ::getuid() && ::access(QFile::encodeName(dir).constData(), W_OK) == 0;
}

namespace {

// Made on first use, so the first save finds its folder.
QString madeFolder(const QString &path)
{
    QDir().mkpath(path);
    return path;
}

} // namespace

QString AppPaths::settingsDirectoryFor(const QString &programDirectory)
{
    return keepsFilesBeside(programDirectory) ? programDirectory : join(configHome(), QStringLiteral("marvane"));
}

QString AppPaths::settingsDirectory()
{
    static const QString dir = madeFolder(settingsDirectoryFor(applicationDirectory()));
    return dir;
}

QString AppPaths::pictureDirectory()
{
    static const QString dir = keepsFilesBeside(applicationDirectory())
                                   ? applicationDirectory()
                                   : madeFolder(join(dataHome(), QStringLiteral("marvane")));
    return dir;
}

QString AppPaths::join(const QString &directory, const QString &fileName)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + fileName;
    return directory + QLatin1Char('/') + fileName;
}

} // namespace marvane
