#pragma once

#include <QString>

namespace marvane {

// Why a write failed: the file and the reason. A default-constructed one means success, so a
// write returns it and the caller tests it like an error code: `if (const WriteError e = save())`.
class WriteError
{
public:
    WriteError() = default;
    WriteError(QString file, QString reason)
        : m_file(std::move(file)), m_reason(reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason))
    {
    }

    explicit operator bool() const { return !m_reason.isEmpty(); }
    const QString &file() const { return m_file; }
    const QString &reason() const { return m_reason; }

    // Names the file and the reason, for a message box or standard error.
    QString message() const
    {
        if (m_reason.isEmpty() || m_file.isEmpty() || m_reason.contains(m_file))
            return m_reason;
        return m_file + QStringLiteral(": ") + m_reason;
    }

private:
    QString m_file;
    QString m_reason;
};

} // namespace marvane
