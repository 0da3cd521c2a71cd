#pragma once

#include <QString>
#include <QTemporaryDir>

namespace marvane::test {

// A tmpfs of a few kilobytes mounted on a temporary folder, for writes that meet a full disk.
// Mounting needs root (tests/support/with-mount-rights.sh gives an unprivileged user a namespace
// of its own); where it fails, isMounted() is false and the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Fills what is left with one file, so the next write finds no room.
    bool fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace marvane::test
