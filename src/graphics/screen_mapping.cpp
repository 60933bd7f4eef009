#include "graphics/screen_mapping.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zel3 {

ScreenMapping::ScreenMapping(const WorldMapping& m, int width, int height)
    : shownX1_(m.ShownX1), shownY1_(m.ShownY1) {
    const double fx = (width > 1 && m.MaxX > 0) ? double(width - 1) / m.MaxX : 1.0;
    const double fy = (height > 1 && m.MaxY > 0) ? double(height - 1) / m.MaxY : 1.0;
    const double vx1 = m.ViewX1 * fx, vx2 = m.ViewX2 * fx;
    const double vy1 = m.ViewY1 * fy, vy2 = m.ViewY2 * fy;
    const double sw = m.ShownX2 - m.ShownX1;
    const double sh = m.ShownY2 - m.ShownY1;
    if (sw != 0) scaleX_ = (vx2 - vx1) / sw;
    if (sh != 0) scaleY_ = (vy2 - vy1) / sh;
    if (m.KeepAspect) {
        const double s = std::min(std::fabs(scaleX_), std::fabs(scaleY_));
        if (s > 0) {
            scaleX_ = std::copysign(s, scaleX_);
            scaleY_ = std::copysign(s, scaleY_);
        }
    }
    if (scaleX_ == 0 || !std::isfinite(scaleX_)) scaleX_ = 1;
    if (scaleY_ == 0 || !std::isfinite(scaleY_)) scaleY_ = 1;
    // The spare room of the smaller scale is shared out on both sides.
    originX_ = vx1 + ((vx2 - vx1) - sw * scaleX_) / 2;
    originY_ = vy2 - ((vy2 - vy1) - sh * scaleY_) / 2;
}

double ZoomUnitX(const WorldMapping& m, double worldX) {
    const double ww = m.WorldX2 - m.WorldX1;
    if (ww == 0) return m.ViewX1;
    return (worldX - m.WorldX1) / ww * (m.ViewX2 - m.ViewX1) + m.ViewX1;
}

double ZoomUnitY(const WorldMapping& m, double worldY) {
    const double wh = m.WorldY2 - m.WorldY1;
    if (wh == 0) return m.ViewY1;
    return (worldY - m.WorldY1) / wh * (m.ViewY2 - m.ViewY1) + m.ViewY1;
}

bool FrameZoom(WorldMapping& m, int xa, int ya, int xb, int yb, int clientWidth, int clientHeight) {
    if (xa == xb || ya == yb) return false;
    if (xa > xb) std::swap(xa, xb);
    if (ya > yb) std::swap(ya, yb);
    const ScreenMapping s(m, clientWidth, clientHeight);
    const int x1 = RoundEven(ZoomUnitX(m, s.WorldX(xa)));
    const int x2 = RoundEven(ZoomUnitX(m, s.WorldX(xb)));
    // Client rows grow downward, zoom units upward.
    const int y1 = RoundEven(ZoomUnitY(m, s.WorldY(yb)));
    const int y2 = RoundEven(ZoomUnitY(m, s.WorldY(ya)));
    if (x1 == x2 || y1 == y2) return false;
    m.SetScale(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    return true;
}

void ZoomAbout(WorldMapping& m, int x, int y, int steps, double factor, int clientWidth,
               int clientHeight) {
    if (steps == 0 || factor <= 0) return;
    const ScreenMapping s(m, clientWidth, clientHeight);
    const double cx = ZoomUnitX(m, s.WorldX(x));
    const double cy = ZoomUnitY(m, s.WorldY(y));
    const double f = std::pow(factor, -steps);  // zooming in divides the sides
    const int x1 = RoundEven(cx + (m.ZoomX1 - cx) * f);
    const int x2 = RoundEven(cx + (m.ZoomX2 - cx) * f);
    const int y1 = RoundEven(cy + (m.ZoomY1 - cy) * f);
    const int y2 = RoundEven(cy + (m.ZoomY2 - cy) * f);
    m.SetScale(x1, y1, x2, y2);  // a rectangle shrunk to nothing is ignored
}

}  // namespace zel3
