#include "tests/support/SmallDisk.h"

#include <QFile>

#include <sys/mount.h>

namespace marvane::test {

SmallDisk::SmallDisk(int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    m_mounted = m_dir.isValid() &&
                ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill() const
{
    QFile filler(m_dir.path() + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // Small writes may still fit in the last partial page.
    while (filler.write("x", 1) == 1) {
    }
    return true;
}

} // namespace marvane::test
