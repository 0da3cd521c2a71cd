#pragma once

#include <QString>

#include <expected>
#include <utility>

namespace marvane {

// Why something failed: the file or program it concerned (empty where there is none) and the
// reason, which says what was being done ("cannot write /x/temp.bmp: No space left on device").
class Failure
{
public:
    Failure(QString subject, QString reason)
        : m_subject(std::move(subject)), m_reason(reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason))
    {
    }

    const QString &subject() const { return m_subject; }
    const QString &reason() const { return m_reason; }

    // Names the subject and the reason, for a message box or standard error.
    QString message() const
    {
        if (m_subject.isEmpty() || m_reason.contains(m_subject))
            return m_reason;
        return m_subject + QStringLiteral(": ") + m_reason;
    }

private:
    QString m_subject;
    QString m_reason;
};

// What everything that can fail returns: a value, or the failure that kept it from being made.
template <typename T = void>
using Result = std::expected<T, Failure>;

// The failed result of any type: `return fail(file, reason);`.
inline std::unexpected<Failure> fail(QString subject, QString reason)
{
    return std::unexpected<Failure>(std::in_place, std::move(subject), std::move(reason));
}

} // namespace marvane
