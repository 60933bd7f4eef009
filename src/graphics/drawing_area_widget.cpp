#include "graphics/drawing_area_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWheelEvent>

#include "config/settings.h"
#include "graphics/qt_painter_canvas.h"
#include "graphics/screen_mapping.h"
#include "graphics/screen_replay.h"

namespace zel3 {

namespace {
// One notch of a common mouse wheel, and its zoom step. The configured key step is kept small
// for key repeat; a wheel notch takes a step the eye can follow.
constexpr int kWheelNotch = 120;
constexpr double kWheelZoom = 1.2;
// A print pass or another replay is running: try again shortly.
constexpr int kRetryMs = 30;
}  // namespace

DrawingAreaWidget::DrawingAreaWidget(GraphicsEngine& engine, const Settings& settings,
                                     QWidget* parent)
    : QWidget(parent), engine_(engine), settings_(settings) {
    setObjectName(QStringLiteral("drawingArea"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    renderTimer_.setSingleShot(true);
    connect(&renderTimer_, &QTimer::timeout, this, &DrawingAreaWidget::RenderNow);
}

QSize DrawingAreaWidget::sizeHint() const {
    return {engine_.mapping.MaxX + 1, engine_.mapping.MaxY + 1};
}

int DrawingAreaWidget::VirtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_F5:
            return 116;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        default:
            return 0;
    }
}

QColor DrawingAreaWidget::Background() const {
    const Rgb c = RgbFromStored(settings_.backgroundColor);
    return QColor(c.r, c.g, c.b);
}

void DrawingAreaWidget::RequestRender() {
    outdated_ = true;
    emit renderRequested();
    if (!renderTimer_.isActive()) renderTimer_.start(0);
}

void DrawingAreaWidget::RenderNow() {
    if (rendering_) {
        // Asked from inside a replay (its events): the running one stops, this one follows.
        renderTimer_.start(kRetryMs);
        return;
    }
    rendering_ = true;
    outdated_ = false;
    // The image shown last time but one is drawn over: no new buffer for every picture.
    const QSize want = size().expandedTo(QSize(1, 1));
    if (back_.size() != want) back_ = QImage(want, QImage::Format_ARGB32_Premultiplied);
    back_.fill(Background());
    drawing_ = &back_;
    {
        QPainter painter(&back_);
        QtPainterCanvas canvas(painter);
        PaintScreen(engine_, canvas, back_.width(), back_.height(), [this] { return outdated_; });
    }
    drawing_ = nullptr;
    rendering_ = false;
    if (outdated_) {
        if (!renderTimer_.isActive()) renderTimer_.start(0);
        return;
    }
    frame_.swap(back_);
    update();
    emit rendered();
}

void DrawingAreaWidget::ShowReplayProgress() {
    if (!drawing_) return;
    frame_ = drawing_->copy();
    repaint();
}

void DrawingAreaWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (!frame_.rect().contains(dirty)) painter.fillRect(dirty, Background());
    if (!frame_.isNull()) painter.drawImage(dirty, frame_, dirty);
    // The first show or a new size: the finished image follows from the event loop.
    if (frame_.size() != size() && !renderTimer_.isActive() && !rendering_) renderTimer_.start(0);
}

void DrawingAreaWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RequestRender();
}

void DrawingAreaWidget::keyPressEvent(QKeyEvent* event) {
    const int vk = VirtualKey(event->key());
    if (vk != 0 && engine_.processKey(vk)) {
        RequestRender();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingAreaWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        engine_.RightButtonReset();
        RequestRender();
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
    if (dragging_ && band_)
        band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized());
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
    RequestRender();
}

void DrawingAreaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt turns the second press of a double-click into this event: the reset to the whole
    // picture happens here.
    engine_.DoubleClickReset();
    RequestRender();
    event->accept();
}

void DrawingAreaWidget::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels and touchpads send parts of a notch: they add up to whole steps.
    wheelDelta_ += event->angleDelta().y();
    const int steps = wheelDelta_ / kWheelNotch;
    if (steps == 0) {
        event->accept();
        return;
    }
    wheelDelta_ -= steps * kWheelNotch;
    const QPoint at = event->position().toPoint();
    ZoomAbout(engine_.mapping, at.x(), at.y(), steps, kWheelZoom, width(), height());
    engine_.ClearViewPort();
    RequestRender();
    event->accept();
}

}  // namespace zel3
