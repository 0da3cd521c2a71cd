#pragma once

#include <QString>

namespace marvane {

// The outcome of a write the user may need to hear about: the file and the reason when it failed.
struct WriteResult
{
    bool ok = true;
    QString file;
    QString error;

    explicit operator bool() const { return ok; }
    static WriteResult failure(const QString &file, const QString &error) { return {false, file, error}; }
    // Names the file and the reason, for a message box or standard error.
    QString message() const
    {
        if (ok)
            return {};
        return error.contains(file) ? error : file + QStringLiteral(": ") + error;
    }
};

} // namespace marvane
