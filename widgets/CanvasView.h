#pragma once

#include <QWidget>

namespace marvane {

class Canvas;

// Shows the canvas at 1:1 in device pixels inside a scroll area, reading it in place rather than
// copying it: on a scaled screen the view is the canvas's size over the window's pixel ratio.
class CanvasView : public QWidget
{
    Q_OBJECT

public:
    explicit CanvasView(Canvas &canvas, QWidget *parent = nullptr);
    // The canvas changed: take its size and repaint.
    void canvasChanged();
    // Where a rectangle of the canvas shows in the view.
    QRect viewRect(const QRect &canvasRect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Canvas &m_canvas;
};

} // namespace marvane
