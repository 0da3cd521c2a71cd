#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace marvane {

void fitToScreen(QWidget *window, QSize preferred)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(preferred);
        return;
    }
    const QRect available = screen->availableGeometry();
    // The frame is known once a window manager has framed the window; until then none is assumed.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize size = preferred.boundedTo(room).expandedTo(window->minimumSize().boundedTo(room));
    window->resize(size);
    const QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QPoint centre = parent && parent->isVisible() ? parent->frameGeometry().center() : available.center();
    const QSize outer = size + frame;
    QPoint topLeft = centre - QPoint(outer.width() / 2, outer.height() / 2);
    topLeft.setX(std::clamp(topLeft.x(), available.left(), std::max(available.left(), available.right() + 1 - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height())));
    window->move(topLeft);
}

} // namespace marvane
