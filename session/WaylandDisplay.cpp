#include "session/WaylandDisplay.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// Whether a compositor listens on `path`.
Result<> connectTo(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address {};
    if (native.size() >= qsizetype(sizeof(address.sun_path)))
        return Failure(path, u"its socket's path is too long"_s);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Failure(path, QString::fromLocal8Bit(std::strerror(errno)));
    int result = 0;
    do
        result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    while (result != 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    if (result != 0)
        return Failure(path, QString::fromLocal8Bit(std::strerror(error)));
    return {};
}

} // namespace

Result<> checkWaylandDisplay()
{
    // A socket handed down already connected needs no looking up.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return {};
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString path = name;
    if (!QDir::isAbsolutePath(name)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return Failure(
                name,
                u"cannot connect to the Wayland display \"%1\": XDG_RUNTIME_DIR is not set"_s.arg(name));
        path = QDir(runtime).filePath(name);
    }
    if (const Result<> connected = connectTo(path); !connected)
        return Failure(name, u"cannot connect to the Wayland display \"%1\": %2"_s.arg(
                                 name, connected.error().reason()));
    if (!qtHasWayland())
        return Failure(
            name,
            u"the Wayland display \"%1\" needs Qt's Wayland platform (Debian's qt6-wayland), which is not installed"_s
                .arg(name));
    return {};
}

bool qtHasWayland()
{
    // Where Qt looks for plugins, without asking QCoreApplication, which keeps what it found.
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString &folder : std::as_const(folders))
        if (!QDir(folder + u"/platforms"_s).entryList({u"libqwayland-*.so"_s}, QDir::Files).isEmpty())
            return true;
    return false;
}

} // namespace marvane
