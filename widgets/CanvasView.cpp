#include "widgets/CanvasView.h"

#include "calendar/Canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace marvane {

CanvasView::CanvasView(Canvas &canvas, QWidget *parent) : QWidget(parent), m_canvas(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvasChanged();
}

void CanvasView::canvasChanged()
{
    setFixedSize(m_canvas.size());
    update();
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
}

} // namespace marvane
