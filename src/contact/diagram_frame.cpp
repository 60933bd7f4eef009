#include "contact/diagram_frame.h"

#include <algorithm>
#include <cmath>

#include "cad/cad_driver.h"
#include "graphics/plane_geometry.h"
#include "util/number_text.h"

namespace zel3 {

namespace {

constexpr int kTitleLayer = 4;
constexpr int kAxesLayer = 17;

}  // namespace

void DiagramFrame::SetWindow(double xmin, double xmax, double ymin, double ymax) {
    xMin = xmin;
    xMax = xmax;
    yMin = ymin;
    yMax = ymax;
    xRange = xMax - xMin;
    yRange = yMax - yMin;
}

void DiagramFrame::ScaleWindowByUnits(double fy, double fx) {
    xMin /= fx;
    xMax /= fx;
    xStep /= fx;
    yMin /= fy;
    yMax /= fy;
    xRange = xMax - xMin;
    yRange = yMax - yMin;
}

void DataLine(CadDriver& cad, const DiagramFrame& f, double x1, double y1, double x2, double y2) {
    cad.CadLine(f.PlotX(x1), f.PlotY(y1), f.PlotX(x2), f.PlotY(y2));
}

void DataCircle(CadDriver& cad, const DiagramFrame& f, double x, double y, double r) {
    cad.CadCircle(f.PlotX(x), f.PlotY(y), r);
}

void DataText(CadDriver& cad, const DiagramFrame& f, const std::string& text, double x, double y) {
    cad.CadTextOut(text, f.PlotX(x), f.PlotY(y));
}

void ClippedLine(CadDriver& cad, const DiagramFrame& f, double x1, double y1, double x2,
                 double y2) {
    const double lowX = std::min(f.xMin, f.xMax), highX = std::max(f.xMin, f.xMax);
    const double lowY = std::min(f.yMin, f.yMax), highY = std::max(f.yMin, f.yMax);
    const double mx = 0.01 * (highX - lowX);
    const double my = 0.01 * (highY - lowY);
    if (PointInRectangle(x1, y1, lowX - mx, lowY - my, highX + mx, highY + my) &&
        PointInRectangle(x2, y2, lowX - mx, lowY - my, highX + mx, highY + my)) {
        DataLine(cad, f, x1, y1, x2, y2);
        return;
    }
    if (ClipSegment(x1, y1, x2, y2, lowX, lowY, highX, highY)) DataLine(cad, f, x1, y1, x2, y2);
}

void ScaledTextStyle(CadDriver& cad, const DiagramFrame& f, int style, double w, double h,
                     double angle) {
    const double factor = std::max(0.01 * f.height, 0.00625 * f.width);
    cad.CadSetTextStyle(style, angle, h * factor, w * factor);
}

void Arrowhead(CadDriver& cad, int direction, double size, double x, double y) {
    const double half = size / 8.0;
    if (direction == 1)
        cad.CadSolid(x - size, y - half, x - size, y + half, x, y, x, y);
    else
        cad.CadSolid(x - half, y - size, x + half, y - size, x, y, x, y);
}

void DrawAxes(CadDriver& cad, DiagramFrame& f, const NumberFormat& nf, const AxesRequest& axes,
              const AskLimits& askLimits, DiagramLimits& entered) {
    cad.CadSetLayer(kTitleLayer);
    ScaledTextStyle(cad, f, 2, 2.5, 3.5, 0);
    const double titleX =
        std::max(f.x0 + f.width / 2 - 1.75 * static_cast<double>(axes.title.size()), f.x0);
    cad.CadTextOut(axes.title, titleX, f.y0 + f.height + 3);

    AxisTicks xt = AxisScale(axes.xMin, axes.xMax, 6);
    AxisTicks yt = AxisScale(axes.yMin, axes.yMax, 6);
    if (askLimits) {
        const DiagramLimits automatic{xt.low, yt.low, xt.high, yt.high};
        if (askLimits(axes, automatic, entered)) {
            xt = AxisScale(entered.xMin, entered.xMax, 6);
            yt = AxisScale(entered.yMin, entered.yMax, 6);
        }
    }
    f.SetWindow(xt.low, xt.high, yt.low, yt.high);
    f.xStep = xt.step;

    cad.CadSetLayer(kAxesLayer);
    if (yt.low <= 0 && 0 <= yt.high) {
        const double end = xt.high + 0.05 * f.xRange;
        DataLine(cad, f, xt.low, 0, end, 0);
        Arrowhead(cad, 1, 0.04 * f.width, f.PlotX(end), f.PlotY(0));
    }
    const int nx = TickCount(xt);
    const int ny = TickCount(yt);
    ScaledTextStyle(cad, f, 2, 1.9, 2.3, 0);
    for (int i = 0; i < nx; ++i) {
        const double x = xt.low + i * xt.step;
        DataLine(cad, f, x, yt.low, x, yt.low - 0.01 * f.yRange);
        DataText(cad, f, FormatValueWide(nf, x), x - 0.03 * xt.high, yt.low - 0.07 * f.yRange);
    }
    if (axes.labelMode == 2)
        DataText(cad, f, axes.xLabel, 1.01 * xt.high, yt.low + 0.03 * f.yRange);
    else
        DataText(cad, f, axes.xLabel, 1.06 * xt.high, yt.low - 0.07 * f.yRange);

    if (xt.low <= 0 && 0 <= xt.high) {
        const double end = yt.high + 0.05 * f.yRange;
        DataLine(cad, f, 0, yt.low, 0, end);
        Arrowhead(cad, 2, 0.04 * f.height, f.PlotX(0), f.PlotY(end));
    }
    ScaledTextStyle(cad, f, 2, 1.9, 2.3, 0);
    for (int i = 0; i < ny; ++i) {
        const double y = yt.low + i * yt.step;
        DataLine(cad, f, xt.low - 0.01 * f.xRange, y, xt.low, y);
        DataText(cad, f, FormatValueWide(nf, y), xt.low - 0.1 * f.xRange, y - 0.01 * f.yRange);
    }
    DataText(cad, f, axes.yLabel, xt.low - 0.1 * f.xRange, yt.high + 0.07 * f.yRange);

    cad.CadSetLayer(kAxesLayer);
    cad.CadSetLineStyle(1);
    for (int i = 0; i < nx; ++i) {
        const double x = xt.low + i * xt.step;
        DataLine(cad, f, x, yt.low, x, yt.high);
    }
    for (int i = 0; i < ny; ++i) {
        const double y = yt.low + i * yt.step;
        DataLine(cad, f, xt.low, y, xt.high, y);
    }
}

}  // namespace zel3
