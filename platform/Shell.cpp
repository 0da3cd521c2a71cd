#include "platform/Shell.h"

#include <QDesktopServices>

namespace marvane::Shell {

bool open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace marvane::Shell
