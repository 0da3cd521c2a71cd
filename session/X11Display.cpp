#include "session/X11Display.h"

#include <X11/Xlib.h>

namespace marvane {

X11Connection::~X11Connection()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool X11Connection::open()
{
    if (!m_display)
        m_display = XOpenDisplay(nullptr);
    return m_display != nullptr;
}

} // namespace marvane
