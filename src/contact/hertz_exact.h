#pragma once
// The exact Hertz solution beside the coefficient table: the contact ellipse through the
// complete elliptic integrals K(e) and E(e), written in Carlson's symmetric forms, and the
// exact strip of a line contact. Johnson, Contact Mechanics (1985), sections 4.2 and 4.3.

namespace zel3 {

// 1/E' = (1 - nu1^2)/E1 + (1 - nu2^2)/E2, each body with its own Poisson's ratio.
double ContactModulus(double E1, double nu1, double E2, double nu2);

// Shape of the contact ellipse; it depends on the ratio of the relative curvatures only.
// With k = b/a and m = e^2 = 1 - k^2:
//   D = (K - E)/m = R_D(0, k^2, 1)/3,  Bm = (E - k^2 K)/m = k^2 R_D(0, 1, k^2)/3,  K = D + Bm,
// forms without the cancellation of K - E near the circle (DLMF 19.25.1).
struct EllipseShape {
    double k = 1.0;                        // b/a, minor over major half-axis, 0 < k <= 1
    double D = 0.78539816339744830962;     // (K - E)/e^2
    double K = 1.57079632679489661923;     // K(e)
};

// Solves Hertz's condition B/A = Bm/(k^2 D) (Johnson eq. 3.64) for the curvature ratio
// B/A >= 1 to full double precision; B/A = 1 gives the circle exactly. A ratio that is not a
// finite number >= 1 gives k = 0.
EllipseShape SolveEllipseShape(double curvatureRatio);

struct EllipseContact {
    double a = 0.0;         // major half-axis
    double b = 0.0;         // minor half-axis
    double pmax = 0.0;      // p0 = 3F / (2 pi a b)
    double approach = 0.0;  // delta = 3 F K / (2 pi a E')
};

// Ellipse of the force F for the smaller relative curvature A (1/mm) and the contact modulus
// E': a^3 = 3 F D / (2 pi E' A), b = k a.
EllipseContact SolveEllipseContact(const EllipseShape& shape, double A, double F,
                                   double modulus);

struct StripContact {
    double b = 0.0;     // half-width
    double pmax = 0.0;  // p0 = 2F / (pi b L)
};

// Line contact of length L with the reduced radius R: b = sqrt(4 F R / (pi L E')).
StripContact SolveStripContact(double F, double reducedRadius, double length, double modulus);

}  // namespace zel3
