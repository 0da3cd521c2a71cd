#pragma once

#include <QWidget>

namespace marvane {

class Canvas;

// Shows the canvas at 1:1 inside a scroll area, reading it in place rather than copying it.
class CanvasView : public QWidget
{
    Q_OBJECT

public:
    explicit CanvasView(Canvas &canvas, QWidget *parent = nullptr);
    // The canvas changed: take its size and repaint.
    void canvasChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Canvas &m_canvas;
};

} // namespace marvane
