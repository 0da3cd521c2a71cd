#pragma once

#include <QProcess>
#include <QString>

namespace marvane::test {

// A private D-Bus session bus for one test, exported in DBUS_SESSION_BUS_ADDRESS; stopped on
// destruction. Services such as dconf and xfconfd are started on it by activation.
class DbusSession
{
public:
    DbusSession();
    ~DbusSession();
    DbusSession(const DbusSession &) = delete;
    DbusSession &operator=(const DbusSession &) = delete;

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    QString error() const { return m_error; }

private:
    QProcess m_process;
    QString m_address;
    QString m_error;
};

} // namespace marvane::test
