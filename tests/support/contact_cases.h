#pragma once
// Contact cases that tests draw: each kind of body and both contact types.

#include <string>
#include <vector>

#include "contact/contact_case.h"

namespace zel3::test {

struct NamedCase {
    std::string name;
    ContactCase c;
};

inline ContactCase SphereOnSphere(double d1, double d2, double F) {
    ContactCase c;
    c.body[0].kind = c.body[1].kind = BodyKind::Sphere;
    c.body[0].sphereDiameter = d1;
    c.body[1].sphereDiameter = d2;
    c.F = F;
    c.drawingName = "Kugel auf Kugel";
    c.drawingNumber = "Z-1";
    return c;
}

inline ContactCase CylinderOnPlane(double d, double L, double F) {
    ContactCase c;
    c.body[0].kind = BodyKind::Cylinder;
    c.body[0].cylinderDiameter = d;
    c.body[0].cylinderLength = L;
    c.body[1].kind = BodyKind::Plane;
    c.F = F;
    return c;
}

inline ContactCase SphereInHollow(double d, double rx2, double ry2, double F) {
    ContactCase c;
    c.body[0].kind = BodyKind::Sphere;
    c.body[0].sphereDiameter = d;
    c.body[1].kind = BodyKind::Special;
    c.body[1].rx = rx2;
    c.body[1].ry = ry2;
    c.F = F;
    return c;
}

inline std::vector<NamedCase> DrawingCases() {
    return {{"spheres", SphereOnSphere(20, 40, 1000)},
            {"cylinder", CylinderOnPlane(10, 30, 5000)},
            {"hollow", SphereInHollow(20, -50, -60, 800)}};
}

}  // namespace zel3::test
