#pragma once
// Layout of the contact drawing sheets: the sizes of the two bodies, the world windows of the
// sheets, where the geometry sits on the form sheet, and the shapes of the geometry drawing
// (front view at x = 0, side view at x = g; contact point at the origin, body 1 above).

#include <vector>

#include "contact/contact_case.h"

namespace zel3 {

enum class ContactSheet { Geometry = 1, Table = 2, FormSheet = 3 };

struct SheetSizes {
    double W1 = 0.0;  // largest front half-width
    double W2 = 0.0;  // largest side half-width
    double H = 0.0;   // largest front or side height
    double h2 = 0.0;  // body 2's larger height, signed
};

struct Extents {
    double xmin = 0.0;
    double ymin = 0.0;
    double xmax = 0.0;
    double ymax = 0.0;
};

struct Placement {
    double x = 0.0;
    double y = 0.0;
    double scale = 1.0;
};

SheetSizes ComputeSheetSizes(const ContactCase& c);
Extents SheetExtents(ContactSheet sheet, const SheetSizes& s);
// Where the block of the geometry drawing is inserted on the form sheet.
Placement FormSheetGeometryPlacement(const SheetSizes& s);
// x of the side view's centre.
double SideViewOffset(const SheetSizes& s);

struct SheetShape {
    enum Kind { Line, Circle, Rectangle } kind = Line;
    int layer = 0;
    // Line: (x1, y1)-(x2, y2); Rectangle: corners (x1, y1) and (x2, y2); Circle: centre
    // (x1, y1), radius r.
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0, r = 0.0;
};

constexpr int kCentreLineLayer = 1;
constexpr int kOutlineLayer = 5;

// The geometry drawing as a list of shapes in drawing order.
std::vector<SheetShape> GeometryShapes(const ContactCase& c, const SheetSizes& s);
// The geometry sheet's window grown until it holds every shape: the plain window leaves out
// the side view and the upper half of body 1.
Extents GeometryWindow(const std::vector<SheetShape>& shapes, const SheetSizes& s);

}  // namespace zel3
