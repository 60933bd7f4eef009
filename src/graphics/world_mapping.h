#pragma once
// The mapping from world coordinates (y upward) to pixels of the drawing area (rows downward),
// with the zoom rectangle of keys and mouse. Zooming changes only this mapping.

namespace zel3 {

// rnd(): to the nearest integer, halves to even.
int RoundEven(double v);

struct WorldMapping {
    int MaxX = 639;  // largest pixel column of the drawing area
    int MaxY = 479;

    int ViewX1 = 0, ViewY1 = 0, ViewX2 = 1, ViewY2 = 1;
    int savedView[4] = {0, 0, 1, 1};
    double WorldX1 = 0, WorldY1 = 0, WorldX2 = 1, WorldY2 = 1;
    double savedLimit[4] = {0, 0, 1, 1};
    int ZoomX1 = 0, ZoomY1 = 0, ZoomX2 = 640, ZoomY2 = 480;
    double ShownX1 = 0, ShownY1 = 0, ShownX2 = 1, ShownY2 = 1;
    double ScaleX = 1, ScaleY = 1;
    bool KeepAspect = true;
    double AspectFactor = 1;
    double ZoomFactor = 1.2;
    double PanFactor = 0.1;

    int px(double x) const { return RoundEven((x - ShownX1) * ScaleX) + ViewX1; }
    int py(double y) const { return ViewY2 - RoundEven((y - ShownY1) * ScaleY); }
    int LengthX(double l) const { return RoundEven(l * ScaleX); }
    int LengthY(double l) const { return RoundEven(l * ScaleY); }

    // Zoom to a rectangle in viewport pixel units (y upward); an empty rectangle is ignored.
    void SetScale(int x1, int y1, int x2, int y2);
    void ResetZoom() { SetScale(ViewX1, ViewY1, ViewX2, ViewY2); }
    // Viewport from fractions of the drawing area (y upward), shrunk by a pixel with border.
    void SetViewport(bool border, double vx1, double vy1, double vx2, double vy2);
    bool WorldDegenerate() const { return WorldX2 == WorldX1 || WorldY2 == WorldY1; }

    // The zoom and pan step of a key (Qt-independent virtual key codes 27, 116, 33, 34,
    // 37..40, 107, 109). False for any other key: nothing changes.
    bool KeyZoom(int virtualKey);
    // Zoom to a rubber band given in client pixels (W x H client area). False when the band
    // has no width or height.
    bool MouseZoom(int xa, int ya, int xb, int yb, int clientWidth, int clientHeight);
};

}  // namespace zel3
