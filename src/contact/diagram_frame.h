#pragma once
// The diagram frame: a data window mapped onto a plot area of the diagram page (drawing
// units), with clipped lines, axes with automatic ticks, grid, labels and title, all drawn
// through the CAD driver.

#include <functional>
#include <string>

#include "contact/axis_scale.h"
#include "util/platform.h"

namespace zel3 {

class CadDriver;
struct NumberFormat;

using DiagramLimits = AxisLimits;

// Persists between diagrams; the driver sets size and origin before each one and DrawAxes
// sets the window.
struct DiagramFrame {
    double width = 160.0;
    double height = 120.0;
    double x0 = 0.0;
    double y0 = 0.0;
    double xMin = 0.0, xMax = 160.0;
    double yMin = 0.0, yMax = 120.0;
    double xRange = 1.0, yRange = 1.0;
    double xStep = 0.0;

    void SetPlotSize(double w, double h) { width = w, height = h; }
    void SetPlotOrigin(double x, double y) { x0 = x, y0 = y; }
    void SetWindow(double xmin, double xmax, double ymin, double ymax);
    // After the axes are drawn in the user's units, lets metric values plot at the right place.
    void ScaleWindowByUnits(double fy, double fx);
    double PlotX(double x) const { return (x - xMin) / xRange * width + x0; }
    double PlotY(double y) const { return (y - yMin) / yRange * height + y0; }
};

// The limits dialog's answer; entered is what the user confirmed last (kept between diagrams).
struct DiagramState {
    DiagramFrame frame;
    DiagramLimits entered;
};

// Unclipped line, circle (radius in drawing units) and text at data coordinates.
void DataLine(CadDriver& cad, const DiagramFrame& f, double x1, double y1, double x2, double y2);
void DataCircle(CadDriver& cad, const DiagramFrame& f, double x, double y, double r);
void DataText(CadDriver& cad, const DiagramFrame& f, const std::string& text, double x, double y);
// Drawn when both ends lie in the window widened by 1 % of its ranges; otherwise cut to the
// exact window when one end lies inside it, dropped when neither does.
void ClippedLine(CadDriver& cad, const DiagramFrame& f, double x1, double y1, double x2, double y2);
// Text sizes scaled with the plot area.
void ScaledTextStyle(CadDriver& cad, const DiagramFrame& f, int style, double w, double h,
                     double angle);
// Filled triangle with its tip at (x, y) in drawing units; direction 1 right, 2 up.
void Arrowhead(CadDriver& cad, int direction, double size, double x, double y);

struct AxesRequest {
    std::string xLabel;
    std::string yLabel;
    std::string title;
    int labelMode = 2;
    double yMax = 0.0, xMax = 0.0, yMin = 0.0, xMin = 0.0;
};

// Offers the automatic limits for overwriting, the edits filled with entered; true when the
// user confirmed (entered then holds the new limits), false to keep the automatic ones.
using AskLimits = std::function<bool(const AxesRequest& axes, const DiagramLimits& automatic,
                                     DiagramLimits& entered)>;

// Title, axes with arrows, ticks with labels, axis labels and grid. askLimits may be empty
// (no dialog); entered holds the limits confirmed last and receives new ones.
void DrawAxes(CadDriver& cad, DiagramFrame& f, const NumberFormat& nf, const AxesRequest& axes,
              const AskLimits& askLimits, DiagramLimits& entered);

}  // namespace zel3
