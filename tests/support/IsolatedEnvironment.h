#pragma once

#include <QByteArray>
#include <QTemporaryDir>

namespace marvane::test {

// Points HOME, the XDG folders, D-Bus and the display at nothing real for the life of a test
// process, so no test can reach the user's settings, desktop or wallpaper.
class IsolatedEnvironment
{
public:
    IsolatedEnvironment();
    ~IsolatedEnvironment();
    IsolatedEnvironment(const IsolatedEnvironment &) = delete;
    IsolatedEnvironment &operator=(const IsolatedEnvironment &) = delete;

    QString home() const;

private:
    QTemporaryDir m_root;
};

} // namespace marvane::test
