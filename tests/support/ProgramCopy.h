#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace marvane::test {

// The real program copied into a folder of its own, as a user installs it, run with a chosen
// environment. QT_QPA_PLATFORM is left to the program, DISPLAY to the caller.
class ProgramCopy
{
public:
    explicit ProgramCopy(const QString &folderName = QStringLiteral("Marvane copy"));

    bool isValid() const { return !m_folder.isEmpty(); }
    QString folder() const { return m_folder; }
    QString file(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    bool write(const QString &name, const QByteArray &bytes) const;

    struct Run
    {
        bool finished = false;
        int exitCode = -1;
        QString errors; // standard error
        QString output; // standard output
    };
    // Runs it with `arguments`; `display` empty means none. Killed after `timeoutMs`.
    Run run(const QStringList &arguments, const QString &display, int timeoutMs = 20000,
            const QProcessEnvironment &extra = {}) const;
    // Starts it and leaves it running, for an interactive start.
    void start(QProcess &process, const QStringList &arguments, const QString &display) const;

private:
    QProcessEnvironment environment(const QString &display, const QProcessEnvironment &extra) const;

    QTemporaryDir m_dir;
    QString m_folder;
};

} // namespace marvane::test
