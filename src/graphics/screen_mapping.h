#pragma once
// Where the shown region lands on the window: the configured drawing area stretched onto the
// client area as it is now, and, while the aspect is kept, one scale for both axes with the
// shown region centred in its viewport, so circles stay round at any window size. The zoom
// state and the printer keep working in drawing-area pixels (WorldMapping).

#include "graphics/world_mapping.h"

namespace zel3 {

class ScreenMapping {
  public:
    // A client area of width x height pixels; 0 or less means the drawing area itself.
    ScreenMapping(const WorldMapping& m, int width, int height);

    int px(double x) const { return RoundEven(originX_ + (x - shownX1_) * scaleX_); }
    int py(double y) const { return RoundEven(originY_ - (y - shownY1_) * scaleY_); }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

    // The world point under a client pixel.
    double WorldX(double pixelX) const { return shownX1_ + (pixelX - originX_) / scaleX_; }
    double WorldY(double pixelY) const { return shownY1_ + (originY_ - pixelY) / scaleY_; }

  private:
    double shownX1_, shownY1_;
    double scaleX_ = 1, scaleY_ = 1;
    double originX_ = 0, originY_ = 0;  // client pixel of (ShownX1, ShownY1)
};

// Zoom rectangle units (drawing-area pixels, y upward) of a world point: the inverse of the
// shown region's formula in WorldMapping::SetScale.
double ZoomUnitX(const WorldMapping& m, double worldX);
double ZoomUnitY(const WorldMapping& m, double worldY);

// Zooms so that the client rectangle framed by the mouse is what the window shows. False
// when the frame has no width or height.
bool FrameZoom(WorldMapping& m, int xa, int ya, int xb, int yb, int clientWidth, int clientHeight);
// Zooms in (steps > 0) or out by factor per step, keeping the world point under the client
// pixel (x, y) where it is.
void ZoomAbout(WorldMapping& m, int x, int y, int steps, double factor, int clientWidth,
               int clientHeight);

}  // namespace zel3
