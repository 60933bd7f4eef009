#include "contact/hertz_exact.h"

#include <cmath>

#include "contact/carlson_integrals.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct ShapeTerms {
    double D = 0.0;   // (K - E)/m
    double Bm = 0.0;  // (E - k^2 K)/m
};

ShapeTerms TermsAt(double k2) {
    return {CarlsonRD(0.0, k2, 1.0) / 3.0, k2 * CarlsonRD(0.0, 1.0, k2) / 3.0};
}

}  // namespace

double ContactModulus(double E1, double nu1, double E2, double nu2) {
    return 1.0 / ((1.0 - nu1 * nu1) / E1 + (1.0 - nu2 * nu2) / E2);
}

EllipseShape SolveEllipseShape(double curvatureRatio) {
    EllipseShape shape;
    const double q = curvatureRatio;
    if (!(q >= 1.0) || !std::isfinite(q)) {
        shape.k = 0.0;
        return shape;
    }
    if (q == 1.0) return shape;

    // Newton on u = ln k for g(u) = ln(Bm / (k^2 D)) - ln q, which falls steadily from 0 at
    // k = 1 (slope -1.5 there, -2 for a long ellipse); a bracket keeps every step inside.
    const double target = std::log(q);
    double hi = 0.0;     // g(hi) <= 0
    double lo = -1e300;  // g(lo) > 0 once known
    bool loKnown = false;
    // Start: k = (A/B)^(2/3) near the circle, Brewe and Hamrock's 1.0339 (A/B)^0.636 beyond.
    double u = q < 10.0 ? -target * (2.0 / 3.0) : std::log(1.0339) - 0.636 * target;
    if (u > 0.0) u = 0.0;
    for (int i = 0; i < 100; ++i) {
        const double k2 = std::exp(2.0 * u);
        const double m = -std::expm1(2.0 * u);
        const ShapeTerms t = TermsAt(k2);
        const double g = std::log(t.Bm / (k2 * t.D)) - target;
        if (g > 0.0) {
            lo = u;
            loKnown = true;
        } else {
            hi = u;
        }
        // dg/du = -k^2 (D - Bm)/(m Bm) + (Bm - k^2 D)/(m D) - 2; near the circle both
        // quotients lose their digits, their limits 1/4 and 3/4 are close enough for Newton.
        const double slope =
            m < 1e-4 ? -0.25 * k2 + 0.75 - 2.0
                     : -k2 * (t.D - t.Bm) / (m * t.Bm) + (t.Bm - k2 * t.D) / (m * t.D) - 2.0;
        const double step = -g / slope;
        if (std::fabs(step) <= 1e-15 * (1.0 + std::fabs(u))) {
            u += step;
            break;
        }
        double next = u + step;
        if (!(next < hi) || (loKnown && !(next > lo))) {
            next = loKnown ? 0.5 * (lo + hi) : u - 1.0;
        }
        u = next;
    }
    const double k2 = std::exp(2.0 * u);
    const ShapeTerms t = TermsAt(k2);
    shape.k = std::exp(u);
    shape.D = t.D;
    shape.K = t.D + t.Bm;
    return shape;
}

EllipseContact SolveEllipseContact(const EllipseShape& shape, double A, double F, double modulus) {
    EllipseContact c;
    c.a = std::cbrt(3.0 * F * shape.D / (2.0 * kPi * modulus * A));
    c.b = shape.k * c.a;
    c.pmax = 3.0 * F / (2.0 * kPi * c.a * c.b);
    c.approach = 3.0 * F * shape.K / (2.0 * kPi * c.a * modulus);
    return c;
}

StripContact SolveStripContact(double F, double reducedRadius, double length, double modulus) {
    StripContact s;
    s.b = std::sqrt(4.0 * F * reducedRadius / (kPi * length * modulus));
    s.pmax = 2.0 * F / (kPi * s.b * length);
    return s;
}

}  // namespace zel3
