#include "tests/support/IsolatedEnvironment.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace marvane::test {

IsolatedEnvironment::IsolatedEnvironment() : m_root(QDir::tempPath() + QStringLiteral("/marvane-test-XXXXXX"))
{
    if (!m_root.isValid())
        std::abort();
    const QString root = m_root.path();
    const auto setPath = [&](const char *name, const QString &sub) {
        const QString path = root + QLatin1Char('/') + sub;
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(name, QFile::encodeName(path));
    };
    setPath("HOME", QStringLiteral("home"));
    setPath("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
    setPath("XDG_DATA_HOME", QStringLiteral("home/.local/share"));
    setPath("XDG_CACHE_HOME", QStringLiteral("home/.cache"));
    setPath("XDG_RUNTIME_DIR", QStringLiteral("runtime"));
    for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP",
                             "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "SWAYSOCK", "XAUTHORITY"})
        qunsetenv(name);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

IsolatedEnvironment::~IsolatedEnvironment() = default;

QString IsolatedEnvironment::home() const
{
    return m_root.path() + QStringLiteral("/home");
}

} // namespace marvane::test
