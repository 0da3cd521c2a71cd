#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

namespace marvane::test {

// A private X server for one test: started on a free display, stopped on destruction. It never
// resets unless `resets`: then, like a bare X server, it starts afresh whenever its last client leaves.
class XvfbServer
{
public:
    explicit XvfbServer(QSize size = QSize(1024, 768), int depth = 24, bool resets = false);
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    bool isRunning() const { return !m_display.isEmpty(); }
    QString display() const { return m_display; }
    QString error() const { return m_error; }
    // Sets DISPLAY for this process and its children.
    void exportDisplay() const;

private:
    QProcess m_process;
    QString m_display;
    QString m_error;
};

} // namespace marvane::test
