#pragma once
// The client area of the graphics window: shows the picture of the display list and turns
// keys, mouse and wheel into zoom and pan. The list is replayed into an image outside the
// paint event (a replay may pause or wait for the animation step dialog); painting only
// shows the last finished image.

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "graphics/graphics_engine.h"

class QRubberBand;

namespace zel3 {

struct Settings;

class DrawingAreaWidget : public QWidget {
    Q_OBJECT
  public:
    DrawingAreaWidget(GraphicsEngine& engine, const Settings& settings, QWidget* parent = nullptr);

    // Windows virtual key code of a Qt key; 0 for keys the view does not use.
    static int VirtualKey(int qtKey);
    QSize sizeHint() const override;

    // A new replay is wanted (picture, view or size changed); it runs from the event loop.
    void RequestRender();
    // Replays the list into the window's image now (not from a paint event).
    void RenderNow();
    // What a replay has drawn so far goes on the screen (before a pause or an animation step).
    void ShowReplayProgress();
    // The picture on the screen: the configured background and the last finished replay.
    const QImage& Frame() const { return frame_; }

  signals:
    // A replay has finished and is on the screen.
    void rendered();
    // A replay was asked for (a waiting pause ends early).
    void renderRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QColor Background() const;

    GraphicsEngine& engine_;
    const Settings& settings_;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
    bool dragging_ = false;
    int wheelDelta_ = 0;  // eighths of a degree not yet turned into zoom steps
    QTimer renderTimer_;
    QImage frame_;               // on the screen
    QImage back_;                // drawn into by the next replay
    QImage* drawing_ = nullptr;  // being replayed into
    bool rendering_ = false;
    bool outdated_ = false;
};

}  // namespace zel3
