#pragma once
// The client area of the graphics window: paints by replaying the display list and turns
// keys and mouse into zoom and pan.

#include <QPoint>
#include <QWidget>

#include "graphics/graphics_engine.h"

class QRubberBand;

namespace zel3 {

class DrawingAreaWidget : public QWidget {
    Q_OBJECT
public:
    explicit DrawingAreaWidget(GraphicsEngine& engine, QWidget* parent = nullptr);

    // Windows virtual key code of a Qt key; 0 for keys the view does not use.
    static int VirtualKey(int qtKey);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    GraphicsEngine& engine_;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
    bool dragging_ = false;
};

}  // namespace zel3
