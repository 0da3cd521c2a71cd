#include "widgets/CanvasView.h"

#include "calendar/Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

namespace marvane {

CanvasView::CanvasView(Canvas &canvas, QWidget *parent) : QWidget(parent), m_canvas(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvasChanged();
}

void CanvasView::canvasChanged()
{
    setFixedSize(viewRect(QRect(QPoint(0, 0), m_canvas.size())).size());
    update();
}

QRect CanvasView::viewRect(const QRect &canvasRect) const
{
    const qreal ratio = devicePixelRatioF();
    const QPoint from(qFloor(canvasRect.left() / ratio), qFloor(canvasRect.top() / ratio));
    const QPoint to(qCeil((canvasRect.right() + 1) / ratio), qCeil((canvasRect.bottom() + 1) / ratio));
    return QRect(from, to - QPoint(1, 1));
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    // Moved to a screen of another scale: the view takes its size there once this paint is done.
    if (size() != viewRect(QRect(QPoint(0, 0), m_canvas.size())).size())
        QMetaObject::invokeMethod(this, &CanvasView::canvasChanged, Qt::QueuedConnection);
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QRectF area = event->rect();
    // Each canvas pixel on one device pixel: the area's device pixels are read from the canvas.
    painter.drawImage(area, m_canvas.image(),
                      QRectF(area.topLeft() * ratio, area.size() * ratio));
}


} // namespace marvane
