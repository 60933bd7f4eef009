#include "contact/subsurface_stress.h"

#include <algorithm>
#include <cmath>

#include "contact/carlson_integrals.h"

namespace zel3 {

namespace {

// Below this depth z^2 vanishes beside b^2 = 1 and the surface limits hold to the last digit.
constexpr double kSurfaceDepth = 1e-150;

// The maxima lie between the surface and about 0.9 b for Poisson's ratios from -1 to 1 and
// every ellipse; the scan brackets them before the root of the slope is sought.
constexpr int kScanPoints = 6;
constexpr double kScanStep = 0.3;
// Depths are found to this relative tolerance (1e-6 is asked for).
constexpr double kDepthTolerance = 1e-10;

// The stresses at a depth and their slopes d/dzeta.
struct StressPoint {
    AxisStresses s;
    AxisStresses ds;
};

StressPoint EllipsePoint(double ratio, double nu, double zeta) {
    // Boussinesq's potentials of the elliptic Hertz pressure on the axis (Johnson, Contact
    // Mechanics, 1985, ch. 3, eq. 3.18 ff. with the pressure of eq. 3.55), p0 = 1, b = 1,
    // a = 1/ratio, Aa = a^2 + z^2, Ab = b^2 + z^2:
    //   J0 = int_{z^2}^inf dw / (w^1.5 sqrt((a^2 + w)(b^2 + w)))  = 2/3 R_D(Aa, Ab, z^2)
    //   Ja = int dw / ((a^2 + w)^1.5 sqrt((b^2 + w) w))            = 2/3 R_D(z^2, Ab, Aa)
    //   Jb = the same with a and b exchanged;  J0 + Ja + Jb = 2 / (z sqrt(Aa Ab)) (DLMF 19.21.10)
    //   Ma = int dw / ((a^2 + w)^1.5 sqrt(b^2 + w)) = 2 / (sqrt(Aa) (sqrt(Aa) + sqrt(Ab)))
    //   sigma_x = ab/2 [-2 nu z J0 + z Ja - (1 - 2 nu)(Ma - z Ja)],  sigma_z = -ab / sqrt(Aa Ab)
    // The slopes follow from d/dz int_{z^2}^inf f(w) dw = -2 z f(z^2).
    const double a = 1.0 / ratio;
    const double ab = a;
    StressPoint p;
    if (!(zeta > kSurfaceDepth)) {
        // Surface limits: z J0 -> 2/(ab), z Ja -> 0, Ma -> 2/(a(a+b)); slopes are not needed.
        p.s.x = -(2.0 * nu + (1.0 - 2.0 * nu) / (a + 1.0));
        p.s.y = -(2.0 * nu + (1.0 - 2.0 * nu) * a / (a + 1.0));
        p.s.z = -1.0;
        return p;
    }
    const double z = zeta, z2 = z * z;
    const double Aa = z2 + a * a, Ab = z2 + 1.0;
    const double ra = std::sqrt(Aa), rb = std::sqrt(Ab), rab = ra * rb;
    const double zJa = z * (2.0 / 3.0) * CarlsonRD(z2, Ab, Aa);
    const double zJb = z * (2.0 / 3.0) * CarlsonRD(z2, Aa, Ab);
    const double zJ0 = 2.0 / rab - zJa - zJb;
    const double Ma = 2.0 / (ra * (ra + rb));
    const double Mb = 2.0 / (rb * (ra + rb));
    const double c = 1.0 - 2.0 * nu;
    p.s.x = 0.5 * ab * (-2.0 * nu * zJ0 + zJa - c * (Ma - zJa));
    p.s.y = 0.5 * ab * (-2.0 * nu * zJ0 + zJb - c * (Mb - zJb));
    p.s.z = -ab / rab;
    // d(z J0)/dz = J0 - 2/(z rab), d(z Ja)/dz = Ja - 2 z/(Aa rab), dMa/dz = -2 z/(Aa rab)
    const double dzJ0 = (zJ0 - 2.0 / rab) / z;
    const double dzJa = zJa / z - 2.0 * z / (Aa * rab);
    const double dzJb = zJb / z - 2.0 * z / (Ab * rab);
    const double dMa = -2.0 * z / (Aa * rab);
    const double dMb = -2.0 * z / (Ab * rab);
    p.ds.x = 0.5 * ab * (-2.0 * nu * dzJ0 + dzJa - c * (dMa - dzJa));
    p.ds.y = 0.5 * ab * (-2.0 * nu * dzJ0 + dzJb - c * (dMb - dzJb));
    p.ds.z = ab * z * (Aa + Ab) / (rab * Aa * Ab);
    return p;
}

StressPoint StripPoint(double nu, double zeta) {
    // Plane strain below a Hertz strip on its axis (Johnson, Contact Mechanics, 1985, sec. 4.2):
    // sigma_x = -[(b^2 + 2z^2)/sqrt(b^2 + z^2) - 2z]/b, sigma_z = -b/sqrt(b^2 + z^2).
    const double z = zeta, r = std::sqrt(1.0 + z * z), r3 = r * r * r;
    StressPoint p;
    p.s.x = -((1.0 + 2.0 * z * z) / r - 2.0 * z);
    p.s.z = -1.0 / r;
    p.s.y = nu * (p.s.x + p.s.z);
    p.ds.x = -(4.0 * z / r - (1.0 + 2.0 * z * z) * z / r3 - 2.0);
    p.ds.z = z / r3;
    p.ds.y = nu * (p.ds.x + p.ds.z);
    return p;
}

double Component(const AxisStresses& s, int i) {
    return i == 0 ? s.x : (i == 1 ? s.y : s.z);
}

// Value and slope of the greatest shear stress.
void ShearOf(const StressPoint& p, double& value, double& slope) {
    int hi = 0, lo = 0;
    for (int i = 1; i < 3; ++i) {
        if (Component(p.s, i) > Component(p.s, hi)) hi = i;
        if (Component(p.s, i) < Component(p.s, lo)) lo = i;
    }
    value = 0.5 * (Component(p.s, hi) - Component(p.s, lo));
    slope = 0.5 * (Component(p.ds, hi) - Component(p.ds, lo));
}

// Value and slope of the von Mises stress.
void VonMisesOf(const StressPoint& p, double& value, double& slope) {
    const double xy = p.s.x - p.s.y, yz = p.s.y - p.s.z, zx = p.s.z - p.s.x;
    value = std::sqrt(0.5 * (xy * xy + yz * yz + zx * zx));
    const double dxy = p.ds.x - p.ds.y, dyz = p.ds.y - p.ds.z, dzx = p.ds.z - p.ds.x;
    slope = value > 0.0 ? 0.5 * (xy * dxy + yz * dyz + zx * dzx) / value : 0.0;
}

// Root of the slope between lo (rising) and hi (falling): Brent's method (Brent, Algorithms for
// Minimization without Derivatives, 1973, ch. 4).
template <typename Slope>
double SlopeRoot(const Slope& slope, double a, double fa, double b, double fb) {
    double c = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < 100; ++i) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2e-16 * std::fabs(b) + 0.5 * kDepthTolerance * std::fabs(b);
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol || fb == 0.0) return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            double p, q;
            const double s = fb / fa;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2.0 * m * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) {
                q = -q;
            } else {
                p = -p;
            }
            if (2.0 * p < std::min(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        fb = slope(b);
    }
    return b;
}

// Greatest value of measure over the depth: a scan brackets it, the root of its slope fixes
// it; a maximum at the surface stays at the surface.
template <typename Field, typename Measure>
double Maximum(const Field& field, const StressPoint (&scan)[kScanPoints + 1],
               const Measure& measure, double& zBest, StressPoint& atBest) {
    double lastZ = -1.0;
    StressPoint last;
    auto slope = [&](double z) {
        lastZ = z;
        last = field(z);
        double v = 0.0, d = 0.0;
        measure(last, v, d);
        return d;
    };
    double fs[kScanPoints + 1];
    double gs[kScanPoints + 1];
    int best = 0;
    for (int i = 0; i <= kScanPoints; ++i) {
        measure(scan[i], fs[i], gs[i]);
        if (fs[i] > fs[best]) best = i;
    }
    if (best == 0) {
        // Falling from the surface unless it rises just below it first.
        const double z = 1e-3 * kScanStep;
        double f = 0.0, g = 0.0;
        measure(field(z), f, g);
        if (!(g > 0.0)) {
            zBest = 0.0;
            atBest = scan[0];
            return fs[0];
        }
        best = 1;
        fs[0] = f;
        gs[0] = g;
    }
    double lo = (best - 1) * kScanStep, hi = best * kScanStep;
    double glo = best == 1 && gs[0] > 0.0 ? gs[0] : gs[best - 1], ghi = gs[best];
    if (best == 1 && !(gs[0] > 0.0)) {
        lo = 1e-3 * kScanStep;
        glo = slope(lo);
    }
    if (ghi > 0.0) {
        if (best == kScanPoints) {
            // Still rising at the end of the scan: walk on.
            lo = hi;
            glo = ghi;
            for (int i = 0; i < 64 && ghi > 0.0; ++i) {
                lo = hi;
                glo = ghi;
                hi += kScanStep;
                ghi = slope(hi);
            }
        } else {
            lo = hi;
            glo = ghi;
            hi = (best + 1) * kScanStep;
            ghi = gs[best + 1];
        }
    }
    if (!(glo > 0.0) || ghi > 0.0) {
        // No change of sign (a kink of the shear stress): the best scanned depth.
        zBest = best * kScanStep;
        atBest = field(zBest);
        return fs[best];
    }
    zBest = SlopeRoot(slope, lo, glo, hi, ghi);
    atBest = lastZ == zBest ? last : field(zBest);
    double value = 0.0, unused = 0.0;
    measure(atBest, value, unused);
    return value;
}

template <typename Field>
StressMaxima MaximaOf(const Field& field) {
    StressPoint scan[kScanPoints + 1];
    for (int i = 0; i <= kScanPoints; ++i) scan[i] = field(i * kScanStep);
    StressMaxima m;
    StressPoint atTau, atVonMises;
    m.tau = Maximum(field, scan, ShearOf, m.zTau, atTau);
    m.vonMises = Maximum(field, scan, VonMisesOf, m.zVonMises, atVonMises);
    const AxisStresses& s = atTau.s;
    m.sigmaX = -s.x;
    m.sigmaY = -s.y;
    m.sigmaZ = -s.z;
    return m;
}

}  // namespace

AxisStresses EllipseAxisStresses(double ratio, double nu, double zeta) {
    return EllipsePoint(ratio, nu, zeta).s;
}

AxisStresses StripAxisStresses(double nu, double zeta) {
    return StripPoint(nu, zeta).s;
}

double ShearStress(const AxisStresses& s) {
    return 0.5 * (std::max({s.x, s.y, s.z}) - std::min({s.x, s.y, s.z}));
}

double VonMisesStress(const AxisStresses& s) {
    const double xy = s.x - s.y, yz = s.y - s.z, zx = s.z - s.x;
    return std::sqrt(0.5 * (xy * xy + yz * yz + zx * zx));
}

StressMaxima FindStressMaxima(double ratio, double nu) {
    if (ratio > 0.0) {
        return MaximaOf([ratio, nu](double z) { return EllipsePoint(ratio, nu, z); });
    }
    return MaximaOf([nu](double z) { return StripPoint(nu, z); });
}

}  // namespace zel3
