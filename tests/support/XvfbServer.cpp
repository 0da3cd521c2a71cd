#include "tests/support/XvfbServer.h"

#include <QStandardPaths>

namespace marvane::test {

XvfbServer::XvfbServer(QSize size, int depth, bool resets)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return;
    }
    // -displayfd 1: the server picks a free display and writes its number to our pipe.
    QStringList arguments{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("%1x%2x%3").arg(size.width()).arg(size.height()).arg(depth)};
    if (!resets)
        arguments << QStringLiteral("-noreset");
    m_process.start(xvfb, arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("Xvfb did not start");
        return;
    }
    QByteArray out;
    while (!out.contains('\n') && m_process.waitForReadyRead(10000))
        out += m_process.readAllStandardOutput();
    const QByteArray number = out.trimmed();
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_process.readAllStandardError());
        return;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
}

XvfbServer::~XvfbServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
}

void XvfbServer::exportDisplay() const
{
    qputenv("DISPLAY", m_display.toLocal8Bit());
}

} // namespace marvane::test
