#pragma once

#include "tests/support/DbusSession.h"

#include <QProcess>
#include <QString>
#include <QUrl>

namespace marvane::test {

inline QString autostartEntry()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/Marvane.desktop");
}

// The pixmap the root window shows, 0 when nothing set one.
unsigned long rootPixmap(const QString &displayName);

// A GNOME session's settings store, private to the test, on a bus of its own.
struct GnomeStore
{
    marvane::test::DbusSession bus;
    QProcessEnvironment env;

    GnomeStore()
    {
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("dconf"));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    }
    QString gsettings(const QStringList &args) const
    {
        QProcess p;
        QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
        all.insert(env);
        p.setProcessEnvironment(all);
        p.start(QStringLiteral("gsettings"), args);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QString background(const QString &key) const
    {
        return gsettings({QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"), key});
    }
    // The file a picture key names.
    QString shownFile(const QString &key) const
    {
        const QString value = background(key);
        return QUrl(value.mid(1, value.size() - 2)).toLocalFile();
    }
};

} // namespace marvane::test
