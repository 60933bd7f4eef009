#include "graphics/sheet_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel3 {
namespace {

ContactCase TwoSpheres(double d1, double d2) {
    ContactCase c;
    c.body[0].kind = c.body[1].kind = BodyKind::Sphere;
    c.body[0].sphereDiameter = d1;
    c.body[1].sphereDiameter = d2;
    return c;
}

std::vector<SheetShape> OfKind(const std::vector<SheetShape>& all, SheetShape::Kind k) {
    std::vector<SheetShape> out;
    for (const SheetShape& s : all)
        if (s.kind == k) out.push_back(s);
    return out;
}

TEST(SheetGeometry, TwoSpheres) {
    const ContactCase c = TwoSpheres(20, 40);
    const SheetSizes s = ComputeSheetSizes(c);
    EXPECT_EQ(s.W1, 20);
    EXPECT_EQ(s.W2, 20);
    EXPECT_EQ(s.H, 20);
    EXPECT_EQ(s.h2, 20);
    EXPECT_EQ(SideViewOffset(s), 50);

    const auto circles = OfKind(GeometryShapes(c, s), SheetShape::Circle);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[0].x1, 0);
    EXPECT_EQ(circles[0].y1, 10);
    EXPECT_EQ(circles[0].r, 10);
    EXPECT_EQ(circles[1].x1, 50);
    EXPECT_EQ(circles[2].y1, -20);
    EXPECT_EQ(circles[2].r, 20);

    const Extents e = SheetExtents(ContactSheet::Geometry, s);
    EXPECT_DOUBLE_EQ(e.xmin, -22);
    EXPECT_DOUBLE_EQ(e.ymin, -22);
    EXPECT_DOUBLE_EQ(e.xmax, 40);
    EXPECT_DOUBLE_EQ(e.ymax, 20);

    const Placement p = FormSheetGeometryPlacement(s);
    EXPECT_DOUBLE_EQ(p.scale, 1.25);
    EXPECT_DOUBLE_EQ(p.x, 105 - 1.25 * 20);
    EXPECT_DOUBLE_EQ(p.y, 180 + 1.25 * 20);
}

TEST(SheetGeometry, EveryCircleHasCentreLinesReachingBeyondIt) {
    const ContactCase c = TwoSpheres(20, 40);
    const auto shapes = GeometryShapes(c, ComputeSheetSizes(c));
    ASSERT_EQ(shapes.size(), 12u);
    for (std::size_t i = 0; i < shapes.size(); i += 3) {
        const SheetShape& h = shapes[i];
        const SheetShape& v = shapes[i + 1];
        const SheetShape& circle = shapes[i + 2];
        EXPECT_EQ(h.layer, kCentreLineLayer);
        EXPECT_EQ(v.layer, kCentreLineLayer);
        EXPECT_EQ(circle.layer, kOutlineLayer);
        EXPECT_DOUBLE_EQ(h.x1, circle.x1 - 1.1 * circle.r);
        EXPECT_DOUBLE_EQ(h.x2, circle.x1 + 1.1 * circle.r);
        EXPECT_DOUBLE_EQ(v.y1, circle.y1 - 1.1 * circle.r);
        EXPECT_DOUBLE_EQ(v.y2, circle.y1 + 1.1 * circle.r);
    }
}

TEST(SheetGeometry, CylinderOnPlane) {
    ContactCase c;
    c.body[0].kind = BodyKind::Cylinder;
    c.body[0].cylinderDiameter = 10;
    c.body[0].cylinderLength = 30;
    c.body[0].rx = 5;  // derived by the calculation
    c.body[1].kind = BodyKind::Plane;
    const SheetSizes s = ComputeSheetSizes(c);
    EXPECT_EQ(s.W1, 15);
    EXPECT_EQ(s.W2, 5);
    EXPECT_EQ(s.h2, 0);
    const double g = 25;
    const auto shapes = GeometryShapes(c, s);
    ASSERT_EQ(shapes.size(), 7u);
    EXPECT_EQ(shapes[0].kind, SheetShape::Rectangle);
    EXPECT_EQ(shapes[0].layer, kOutlineLayer);
    EXPECT_EQ(shapes[0].x1, -15);
    EXPECT_EQ(shapes[0].y1, 0);
    EXPECT_EQ(shapes[0].x2, 15);
    EXPECT_EQ(shapes[0].y2, 10);
    EXPECT_EQ(shapes[1].layer, kCentreLineLayer);
    EXPECT_DOUBLE_EQ(shapes[1].x1, -18);
    EXPECT_DOUBLE_EQ(shapes[1].x2, 18);
    EXPECT_EQ(shapes[1].y1, 5);
    EXPECT_EQ(shapes[4].kind, SheetShape::Circle);
    EXPECT_EQ(shapes[4].x1, g);
    EXPECT_EQ(shapes[4].y1, 5);
    EXPECT_EQ(shapes[4].r, 5);
    // The plane: a line as wide as body 1's rx in both views.
    EXPECT_EQ(shapes[5].x1, -5);
    EXPECT_EQ(shapes[5].x2, 5);
    EXPECT_EQ(shapes[5].y1, 0);
    EXPECT_EQ(shapes[6].x1, g - 5);
    EXPECT_EQ(shapes[6].x2, g + 5);
}

TEST(SheetGeometry, ConcaveSpecialBodyWrapsAroundItsPartner) {
    ContactCase c;
    c.body[0].kind = BodyKind::Sphere;
    c.body[0].sphereDiameter = 20;
    c.body[1].kind = BodyKind::Special;
    c.body[1].rx = -50;
    c.body[1].ry = -60;
    const auto circles = OfKind(GeometryShapes(c, ComputeSheetSizes(c)), SheetShape::Circle);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[2].x1, 0);
    EXPECT_EQ(circles[2].y1, 50);
    EXPECT_EQ(circles[2].r, 50);
    EXPECT_EQ(circles[3].y1, 60);
    EXPECT_EQ(circles[3].r, 60);
}

TEST(SheetGeometry, GeometryWindowHoldsBothViewsOfEveryBodyKind) {
    ContactCase spheres = TwoSpheres(20, 40);
    ContactCase cylinders;
    for (ContactBody& b : cylinders.body) {
        b.kind = BodyKind::Cylinder;
        b.cylinderDiameter = 30;
        b.cylinderLength = 80;
    }
    ContactCase concave;  // a ball in a groove: body 2 wraps around body 1
    concave.body[0].kind = BodyKind::Special;
    concave.body[0].rx = concave.body[0].ry = 10;
    concave.body[1].kind = BodyKind::Special;
    concave.body[1].rx = -10.5;
    concave.body[1].ry = 60;
    ContactCase onPlane;
    onPlane.body[0].kind = BodyKind::Special;
    onPlane.body[0].rx = 25;
    onPlane.body[0].ry = 5;
    onPlane.body[1].kind = BodyKind::Plane;

    for (const ContactCase* c : {&spheres, &cylinders, &concave, &onPlane}) {
        const SheetSizes s = ComputeSheetSizes(*c);
        const std::vector<SheetShape> shapes = GeometryShapes(*c, s);
        const Extents e = GeometryWindow(shapes, s);
        const Extents plain = SheetExtents(ContactSheet::Geometry, s);
        EXPECT_LE(e.xmin, plain.xmin);
        EXPECT_GE(e.xmax, plain.xmax);
        auto inside = [&e](double x, double y) {
            return x >= e.xmin && x <= e.xmax && y >= e.ymin && y <= e.ymax;
        };
        for (const SheetShape& sh : shapes) {
            if (sh.kind == SheetShape::Circle) {
                EXPECT_TRUE(inside(sh.x1 - sh.r, sh.y1 - sh.r) &&
                            inside(sh.x1 + sh.r, sh.y1 + sh.r))
                    << "circle at " << sh.x1 << ", " << sh.y1;
            } else {
                EXPECT_TRUE(inside(sh.x1, sh.y1) && inside(sh.x2, sh.y2))
                    << "shape from " << sh.x1 << ", " << sh.y1;
            }
        }
    }
}

TEST(SheetGeometry, TableAndFormSheetWindowsAreFixed) {
    const SheetSizes s{};
    const Extents t = SheetExtents(ContactSheet::Table, s);
    EXPECT_EQ(t.xmax, 160);
    EXPECT_EQ(t.ymax, 120);
    const Extents f = SheetExtents(ContactSheet::FormSheet, s);
    EXPECT_EQ(f.xmin, -5);
    EXPECT_EQ(f.ymin, -5);
    EXPECT_EQ(f.xmax, 225);
    EXPECT_EQ(f.ymax, 310);
}

TEST(SheetGeometry, BodiesWithoutSizeGiveAUsableWindowAndScale) {
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = c.body[0].ry = 0;
    c.body[1].kind = BodyKind::Plane;
    const SheetSizes s = ComputeSheetSizes(c);
    const Extents e = SheetExtents(ContactSheet::Geometry, s);
    EXPECT_GT(e.xmax, e.xmin);
    EXPECT_GT(e.ymax, e.ymin);
    const Placement p = FormSheetGeometryPlacement(s);
    EXPECT_TRUE(std::isfinite(p.scale));
    EXPECT_TRUE(std::isfinite(p.x));
}

}  // namespace
}  // namespace zel3
