#include "session/WaylandDisplay.h"

#include <QDir>
#include <QLibraryInfo>

#include <cerrno>
#include <cstring>

#include <wayland-client-core.h>

namespace marvane {

using namespace Qt::StringLiterals;

Result<> checkWaylandDisplay()
{
    // A socket handed down already connected is Qt's to take: connecting would use it up.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return {};
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    const auto cannot = [&name](const QString &why) {
        return fail(name, u"cannot connect to the Wayland display \"%1\": %2"_s.arg(name, why));
    };
    // Said here: libwayland would print a line of its own.
    if (!QDir::isAbsolutePath(name) && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return cannot(u"XDG_RUNTIME_DIR is not set"_s);
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return cannot(QString::fromLocal8Bit(std::strerror(errno)));
    wl_display_disconnect(display);
    if (!qtHasWayland())
        return fail(
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
