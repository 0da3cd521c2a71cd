#pragma once

struct _XDisplay;

namespace marvane {

// A connection to the X display named by DISPLAY, held from open() until this object goes. It is
// made before the application object (Qt aborts when the display it was given does not answer)
// and held for the whole run: a bare X server resets whenever its last client leaves, which would
// refuse the short connections the run makes one after another.
class X11Connection
{
public:
    X11Connection() = default;
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    // False when the display does not answer.
    bool open();
    // Null until opened.
    _XDisplay *display() const { return m_display; }

    // The root pixmap this connection set last, which it frees (rather than kills its own client)
    // when it sets another.
    unsigned long rootPixmap() const { return m_rootPixmap; }
    void rememberRootPixmap(unsigned long pixmap) const { m_rootPixmap = pixmap; }

private:
    _XDisplay *m_display = nullptr;
    mutable unsigned long m_rootPixmap = 0;
};

} // namespace marvane
