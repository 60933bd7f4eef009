#include "graphics/sheet_geometry.h"

#include <algorithm>
#include <cmath>

namespace zel3 {

namespace {

struct BodySizes {
    double frontHalfWidth = 0.0;
    double sideHalfWidth = 0.0;
    double frontHeight = 0.0;
    double sideHeight = 0.0;
};

BodySizes SizesOf(const ContactBody& b, const ContactBody& other) {
    BodySizes s;
    switch (b.kind) {
        case BodyKind::Sphere:
            s.frontHalfWidth = s.sideHalfWidth = s.frontHeight = s.sideHeight =
                b.sphereDiameter / 2.0;
            break;
        case BodyKind::Cylinder:
            s.frontHalfWidth = b.cylinderLength / 2.0;
            s.sideHalfWidth = s.frontHeight = s.sideHeight = b.cylinderDiameter / 2.0;
            break;
        case BodyKind::Special:
            s.frontHalfWidth = std::fabs(b.rx);
            s.sideHalfWidth = std::fabs(b.ry);
            s.frontHeight = std::max(b.rx, -other.ry);
            s.sideHeight = std::max(b.ry, other.rx);
            break;
        case BodyKind::Plane:
            break;
    }
    return s;
}

void AddCircle(std::vector<SheetShape>& out, double x, double y, double r) {
    const double reach = 1.1 * std::fabs(r);
    out.push_back({SheetShape::Line, kCentreLineLayer, x - reach, y, x + reach, y, 0.0});
    out.push_back({SheetShape::Line, kCentreLineLayer, x, y - reach, x, y + reach, 0.0});
    out.push_back({SheetShape::Circle, kOutlineLayer, x, y, 0.0, 0.0, std::fabs(r)});
}

void AddBody(std::vector<SheetShape>& out, const ContactBody& b, double side, double g,
             double rx1) {
    switch (b.kind) {
        case BodyKind::Sphere: {
            const double r = b.sphereDiameter / 2.0;
            AddCircle(out, 0.0, side * r, r);
            AddCircle(out, g, side * r, r);
            break;
        }
        case BodyKind::Cylinder: {
            const double d = b.cylinderDiameter;
            const double L = b.cylinderLength;
            out.push_back(
                {SheetShape::Rectangle, kOutlineLayer, -L / 2.0, 0.0, L / 2.0, side * d, 0.0});
            out.push_back({SheetShape::Line, kCentreLineLayer, -0.6 * L, side * d / 2.0, 0.6 * L,
                           side * d / 2.0, 0.0});
            AddCircle(out, g, side * d / 2.0, d / 2.0);
            break;
        }
        case BodyKind::Special:
            AddCircle(out, 0.0, side * b.rx, b.rx);
            AddCircle(out, g, side * b.ry, b.ry);
            break;
        case BodyKind::Plane:
            out.push_back({SheetShape::Line, kOutlineLayer, -rx1, 0.0, rx1, 0.0, 0.0});
            out.push_back({SheetShape::Line, kOutlineLayer, g - rx1, 0.0, g + rx1, 0.0, 0.0});
            break;
    }
}

}  // namespace

SheetSizes ComputeSheetSizes(const ContactCase& c) {
    const BodySizes b1 = SizesOf(c.body[0], c.body[1]);
    const BodySizes b2 = SizesOf(c.body[1], c.body[0]);
    SheetSizes s;
    s.W1 = std::max(std::fabs(b1.frontHalfWidth), std::fabs(b2.frontHalfWidth));
    s.W2 = std::max(std::fabs(b1.sideHalfWidth), std::fabs(b2.sideHalfWidth));
    s.H = std::max({std::fabs(b1.frontHeight), std::fabs(b1.sideHeight), std::fabs(b2.frontHeight),
                    std::fabs(b2.sideHeight)});
    s.h2 = std::max(b2.frontHeight, b2.sideHeight);
    return s;
}

Extents SheetExtents(ContactSheet sheet, const SheetSizes& s) {
    switch (sheet) {
        case ContactSheet::Geometry: {
            Extents e{-1.1 * s.W1, -1.1 * s.H, s.W1 + s.W2, s.H};
            // A window without width or height cannot be mapped; give it one unit.
            if (!(e.xmax > e.xmin)) e.xmin -= 1.0, e.xmax += 1.0;
            if (!(e.ymax > e.ymin)) e.ymin -= 1.0, e.ymax += 1.0;
            return e;
        }
        case ContactSheet::Table:
            return {0.0, 0.0, 160.0, 120.0};
        case ContactSheet::FormSheet:
            break;
    }
    return {-5.0, -5.0, 225.0, 310.0};
}

Placement FormSheetGeometryPlacement(const SheetSizes& s) {
    // Bodies without any extent (all sizes 0) have nothing to scale; keep them unscaled
    // rather than dividing by zero.
    const double span = s.W1 + s.W2;
    const double scale = span > 0.0 && std::isfinite(span) ? 50.0 / span : 1.0;
    return {105.0 - scale * s.W1, 180.0 + scale * s.h2, scale};
}

double SideViewOffset(const SheetSizes& s) {
    return 1.25 * (s.W1 + s.W2);
}

std::vector<SheetShape> GeometryShapes(const ContactCase& c, const SheetSizes& s) {
    std::vector<SheetShape> out;
    const double g = SideViewOffset(s);
    const double rx1 = c.body[0].rx;
    AddBody(out, c.body[0], +1.0, g, rx1);
    AddBody(out, c.body[1], -1.0, g, rx1);
    return out;
}

Extents GeometryWindow(const std::vector<SheetShape>& shapes, const SheetSizes& s) {
    Extents e = SheetExtents(ContactSheet::Geometry, s);
    auto take = [&e](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        e.xmin = std::min(e.xmin, x);
        e.xmax = std::max(e.xmax, x);
        e.ymin = std::min(e.ymin, y);
        e.ymax = std::max(e.ymax, y);
    };
    for (const SheetShape& shape : shapes) {
        if (shape.kind == SheetShape::Circle) {
            const double r = std::fabs(shape.r);
            take(shape.x1 - r, shape.y1 - r);
            take(shape.x1 + r, shape.y1 + r);
        } else {
            take(shape.x1, shape.y1);
            take(shape.x2, shape.y2);
        }
    }
    return e;
}

}  // namespace zel3
