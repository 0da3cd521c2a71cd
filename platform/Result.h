#pragma once

#include <QString>

#include <optional>
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
// Used as std::expected is: `if (const Result<int> r = parse(); !r) report(r.error());`.
template <typename T = void>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool has_value() const { return m_value.has_value(); }
    explicit operator bool() const { return has_value(); }
    const T &value() const { return *m_value; }
    const T &operator*() const { return *m_value; }
    T &operator*() { return *m_value; }
    const T *operator->() const { return &*m_value; }
    T *operator->() { return &*m_value; }
    T value_or(T fallback) const { return m_value ? *m_value : std::move(fallback); }
    const Failure &error() const { return *m_failure; }

private:
    std::optional<T> m_value;
    std::optional<Failure> m_failure;
};

template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool has_value() const { return !m_failure.has_value(); }
    explicit operator bool() const { return has_value(); }
    const Failure &error() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace marvane
