#include "graphics/graphics_engine.h"

#include <cmath>

#include "config/settings.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

namespace {
constexpr double kPi = 3.14159265358979323846;

// frac() that keeps the sign of its argument.
double Frac(double v) {
    return v - std::trunc(v);
}
}  // namespace

GraphicsEngine::GraphicsEngine(UiState& ui, const Settings& settings)
    : ui_(ui), settings_(settings) {}

void GraphicsEngine::ApplySettings(const ScreenInfo& screen) {
    int mx = settings_.MaxX;
    int my = settings_.MaxY;
    mapping.MaxX = (mx <= 0 || mx == 65535) ? screen.width - 9 : mx;
    mapping.MaxY = (my <= 0 || my == 65535) ? screen.height - 91 : my;
    if (mapping.MaxX < 1) mapping.MaxX = 1;
    if (mapping.MaxY < 1) mapping.MaxY = 1;
    mapping.ZoomFactor = settings_.zoomFactor == 0 ? 1.0 : settings_.zoomFactor;
    mapping.PanFactor = settings_.panFactor;
}

void GraphicsEngine::SetWindow(bool keepAspect, bool border, double vx1, double vy1, double vx2,
                               double vy2, double x1, double y1, double x2, double y2) {
    mapping.SetViewport(border, vx1, vy1, vx2, vy2);
    const int view[4] = {mapping.ViewX1, mapping.ViewY1, mapping.ViewX2, mapping.ViewY2};
    const double world[4] = {x1, y1, x2, y2};
    list.AddWindow(view, world);
    mapping.WorldX1 = x1;
    mapping.WorldY1 = y1;
    mapping.WorldX2 = x2;
    mapping.WorldY2 = y2;
    mapping.KeepAspect = keepAspect;
    if (mapping.WorldDegenerate()) {
        ui_.errorFlag = true;
        return;
    }
    mapping.ResetZoom();
}

void GraphicsEngine::Header(double x1, double y1, double x2, double y2) {
    const auto& m = mapping;
    double ww = m.WorldX2 - m.WorldX1;
    double wh = m.WorldY2 - m.WorldY1;
    if (ww != 0 && wh != 0 && m.MaxY != 0)
        mapping.AspectFactor = (m.MaxX * 0.75 / m.MaxY) * 640 / ww / (480 / wh);
    SetWindow(true, true, 0, 0, 1, 1, x1, y1, x2, y2);
    SetLineStyle(0);
    SaveLimit();
}

void GraphicsEngine::SaveLimit() {
    mapping.savedLimit[0] = mapping.WorldX1;
    mapping.savedLimit[1] = mapping.WorldY1;
    mapping.savedLimit[2] = mapping.WorldX2;
    mapping.savedLimit[3] = mapping.WorldY2;
}

void GraphicsEngine::RestoreLimit() {
    const double* s = mapping.savedLimit;
    SetWindow(true, true, 0, 0, 1, 1, s[0], s[1], s[2], s[3]);
}

void GraphicsEngine::SaveViewPort() {
    mapping.savedView[0] = mapping.ViewX1;
    mapping.savedView[1] = mapping.ViewY1;
    mapping.savedView[2] = mapping.ViewX2;
    mapping.savedView[3] = mapping.ViewY2;
}

void GraphicsEngine::RetrieveViewPort() {
    mapping.ViewX1 = mapping.savedView[0];
    mapping.ViewY1 = mapping.savedView[1];
    mapping.ViewX2 = mapping.savedView[2];
    mapping.ViewY2 = mapping.savedView[3];
}

void GraphicsEngine::ReSetWindow() {
    SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
    ResetZoom();
}

void GraphicsEngine::Regen() {
    RestoreLimit();
    SetWindow(true, true, 0, 0, 1, 1, 0, 0, 1, 1);
    ResetZoom();
    SetScale(mapping.ZoomX1, mapping.ZoomY1, mapping.ZoomX2, mapping.ZoomY2);
    ClearViewPort();
}

void GraphicsEngine::Clear() {
    list.Clear();
    ui_.platform.RequestRepaint();
}

void GraphicsEngine::ClearViewPort() {
    // The replay itself shows the wait cursor while it runs; nothing may keep it afterwards.
    SetWaitCursor();
    ui_.platform.RequestRepaint();
    SetOldCursor();
}

void GraphicsEngine::SleepMs(int ms) {
    list.AddInt(kRecSleep, ms);
}

void GraphicsEngine::SetWaitCursor() {
    ui_.platform.SetBusy(true);
}
void GraphicsEngine::SetOldCursor() {
    ui_.platform.SetBusy(false);
}

bool GraphicsEngine::processKey(int virtualKey) {
    switch (virtualKey) {
        case 27:
        case 116:
        case 37:
        case 38:
        case 39:
        case 40:
        case 33:
        case 34:
        case 107:
        case 109:
            ClearViewPort();
            return mapping.KeyZoom(virtualKey);
        default:
            return false;
    }
}

void GraphicsEngine::RightButtonReset() {
    ResetZoom();
    ClearViewPort();
}

void GraphicsEngine::DoubleClickReset() {
    RestoreLimit();
    ResetZoom();
    ReSetWindow();
    ClearViewPort();
}

void GraphicsEngine::RubberBandZoom(int xa, int ya, int xb, int yb, int clientWidth,
                                    int clientHeight) {
    if (xa == xb || ya == yb) return;
    mapping.MouseZoom(xa, ya, xb, yb, clientWidth, clientHeight);
    ClearViewPort();
}

void GraphicsEngine::line(double x1, double y1, double x2, double y2) {
    list.Add(kRecLine, {x1, y1, x2, y2});
}

void GraphicsEngine::Rectangle(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}

void GraphicsEngine::circle(double x, double y, double r) {
    list.Add(kRecCircle, {x, y, r});
}

void GraphicsEngine::Arc(double x, double y, double stAngle, double endAngle, double r) {
    double sweep = (Frac(endAngle / 360) - Frac(stAngle / 360)) * 360;
    if (sweep < 0) sweep += 360;
    double sx = x + r * std::cos(stAngle * kPi / 180);
    double sy = y + r * std::sin(stAngle * kPi / 180);
    double ex = x + r * std::cos(endAngle * kPi / 180);
    double ey = y + r * std::sin(endAngle * kPi / 180);
    if (std::fabs(sweep) >= 4.0) {
        list.Add(kRecArc, {x - r, y - r, x + r, y + r, sx, sy, ex, ey});
    } else {
        line(sx, sy, ex, ey);
    }
}

void GraphicsEngine::Solid(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4) {
    list.Add(kRecSolid, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void GraphicsEngine::OutTextXY(double x, double y, const std::string& text) {
    list.AddText(x, y, text);
}

void GraphicsEngine::SetTextStyle(int font, double angle, double height, double width) {
    list.Add(kRecTextStyle, {height, width, static_cast<double>(font), angle});
}

void GraphicsEngine::SetColor(int color) {
    if (color <= 16 && color != color_) list.AddInt(kRecColor, color);
    color_ = color;
}

void GraphicsEngine::SetColorAcad(int cadColor) {
    SetColor(GetColorTurbo(cadColor));
}

void GraphicsEngine::SetLineStyle(int style) {
    if (style != lineStyle_) list.AddInt(kRecLineStyle, style);
    lineStyle_ = style;
}

void GraphicsEngine::SetLineWidth(int width) {
    if (width != lineWidth_) list.AddInt(kRecLineWidth, width);
    lineWidth_ = width;
}

int GraphicsEngine::GetColorTurbo(int cadColor) {
    static constexpr int kTable[17] = {0, 12, 14, 10, 11, 9, 13, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    int n = cadColor & 0xFF;
    if (n > 15) n = n % 16 + 1;
    return kTable[n];
}

int GraphicsEngine::LineStyleFromName(const std::string& name) {
    if (name == "DOTTED" || name == "PUNKT") return 1;
    if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return 2;
    if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return 3;
    return 0;
}

bool GraphicsEngine::GetDirection(double a) {
    return (a > 45 && a < 135) || (a > 225 && a < 315) || (a > -135 && a < -45);
}

}  // namespace zel3
