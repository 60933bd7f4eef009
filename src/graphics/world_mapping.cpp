#include "graphics/world_mapping.h"

#include <cmath>

#include "graphics/screen_mapping.h"

namespace zel3 {

// Far outside any screen or page, yet small enough that the sums and differences of a few
// pixel values (viewport origin + offset, centre +- radius) stay inside int: a picture with
// absurd coordinates then draws off the page instead of overflowing.
constexpr double kPixelLimit = 536870912.0;  // 2^29

int RoundEven(double v) {
    if (!std::isfinite(v)) return 0;
    double r = std::nearbyint(v);  // default rounding mode: halves to even
    if (r > kPixelLimit) return static_cast<int>(kPixelLimit);
    if (r < -kPixelLimit) return -static_cast<int>(kPixelLimit);
    return static_cast<int>(r);
}

void WorldMapping::SetScale(int x1, int y1, int x2, int y2) {
    if (x2 == x1 || y2 == y1) return;
    ZoomX1 = x1;
    ZoomY1 = y1;
    ZoomX2 = x2;
    ZoomY2 = y2;
    double vw = ViewX2 - ViewX1;
    double vh = ViewY2 - ViewY1;
    if (vw == 0 || vh == 0) return;  // a viewport without area has no scale
    ShownX1 = (x1 - ViewX1) / vw * (WorldX2 - WorldX1) + WorldX1;
    ShownX2 = (x2 - ViewX1) / vw * (WorldX2 - WorldX1) + WorldX1;
    ShownY1 = (y1 - ViewY1) / vh * (WorldY2 - WorldY1) + WorldY1;
    ShownY2 = (y2 - ViewY1) / vh * (WorldY2 - WorldY1) + WorldY1;
    if (ShownX2 == ShownX1 || ShownY2 == ShownY1) return;
    ScaleX = vw / (ShownX2 - ShownX1);
    ScaleY = vh / (ShownY2 - ShownY1);
    if (KeepAspect && MaxX > 0 && MaxY > 0) {
        double ratio = 0.75 * MaxX / MaxY;
        double t = ScaleY * ratio;
        if (ScaleX >= t) {
            ScaleX = t;
        } else {
            ScaleY = ScaleX / ratio;
        }
    }
}

void WorldMapping::SetViewport(bool border, double vx1, double vy1, double vx2, double vy2) {
    ViewX1 = RoundEven(vx1 * MaxX);
    ViewX2 = RoundEven(vx2 * MaxX);
    ViewY1 = RoundEven((1 - vy2) * MaxY);
    ViewY2 = RoundEven((1 - vy1) * MaxY);
    if (border) {
        ++ViewX1;
        ++ViewY1;
        --ViewX2;
        --ViewY2;
    }
}

bool WorldMapping::KeyZoom(int key) {
    int x1 = ZoomX1, y1 = ZoomY1, x2 = ZoomX2, y2 = ZoomY2;
    auto step = [](double f, int span) { return RoundEven(f * span); };
    switch (key) {
        case 27:
        case 116:
            ResetZoom();
            return true;
        case 37: {
            int d = step(PanFactor, x2 - x1);
            SetScale(x1 + d, y1, x2 + d, y2);
            return true;
        }
        case 39: {
            int d = step(PanFactor, x2 - x1);
            SetScale(x1 - d, y1, x2 - d, y2);
            return true;
        }
        case 38:
        case 33: {
            int d = step(key == 33 ? 5 * PanFactor : PanFactor, y2 - y1);
            SetScale(x1, y1 - d, x2, y2 - d);
            return true;
        }
        case 40:
        case 34: {
            int d = step(key == 34 ? 5 * PanFactor : PanFactor, y2 - y1);
            SetScale(x1, y1 + d, x2, y2 + d);
            return true;
        }
        case 107:
        case 109: {
            if (ZoomFactor == 0) return true;
            int cx = (x1 + x2) / 2;
            int cy = (y1 + y2) / 2;
            double f = key == 107 ? 1.0 / ZoomFactor : ZoomFactor;
            int h = RoundEven((y2 - y1) * f) / 2;
            int w = RoundEven((x2 - x1) * f) / 2;
            SetScale(cx - w, cy - h, cx + w, cy + h);
            return true;
        }
        default:
            return false;
    }
}

// The band is framed on the window as it is shown now (ScreenMapping).
bool WorldMapping::MouseZoom(int xa, int ya, int xb, int yb, int W, int H) {
    return FrameZoom(*this, xa, ya, xb, yb, W, H);
}

}  // namespace zel3
