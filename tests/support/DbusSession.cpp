#include "tests/support/DbusSession.h"

#include <QStandardPaths>

namespace marvane::test {

DbusSession::DbusSession()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon is not installed");
        return;
    }
    m_process.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                             QStringLiteral("--print-address=1")});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("dbus-daemon did not start");
        return;
    }
    QByteArray out;
    while (!out.contains('\n') && m_process.waitForReadyRead(10000))
        out += m_process.readAllStandardOutput();
    m_address = QString::fromLocal8Bit(out.trimmed());
    if (m_address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon gave no address: ") +
                  QString::fromLocal8Bit(m_process.readAllStandardError());
        return;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
}

DbusSession::~DbusSession()
{
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
}

} // namespace marvane::test
