#include "graphics/drawing_area_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "graphics/qt_painter_canvas.h"

namespace zel3 {

DrawingAreaWidget::DrawingAreaWidget(GraphicsEngine& engine, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    setObjectName(QStringLiteral("drawingArea"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

QSize DrawingAreaWidget::sizeHint() const {
    return {engine_.mapping.MaxX + 1, engine_.mapping.MaxY + 1};
}

int DrawingAreaWidget::VirtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Escape: return 27;
        case Qt::Key_F5: return 116;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        default: return 0;
    }
}

void DrawingAreaWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QtPainterCanvas canvas(painter);
    engine_.FormPaint(canvas);
}

void DrawingAreaWidget::keyPressEvent(QKeyEvent* event) {
    const int vk = VirtualKey(event->key());
    if (vk != 0 && engine_.processKey(vk)) {
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingAreaWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        engine_.RightButtonReset();
        update();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    bandStart_ = event->position().toPoint();
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
    band_->setGeometry(QRect(bandStart_, QSize()));
    band_->show();
}

void DrawingAreaWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && band_) band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized());
}

void DrawingAreaWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (band_) band_->hide();
    const QPoint end = event->position().toPoint();
    if (end.x() == bandStart_.x() || end.y() == bandStart_.y()) return;
    const int xa = std::min(bandStart_.x(), end.x()), xb = std::max(bandStart_.x(), end.x());
    const int ya = std::min(bandStart_.y(), end.y()), yb = std::max(bandStart_.y(), end.y());
    engine_.RubberBandZoom(xa, ya, xb, yb, width(), height());
    update();
}

void DrawingAreaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt turns the second press of a double-click into this event: the reset to the whole
    // picture happens here.
    engine_.DoubleClickReset();
    update();
    event->accept();
}

}  // namespace zel3
