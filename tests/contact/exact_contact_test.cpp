// The exact method against values computed independently of this program: Carlson's published
// test values, and references from tests/contact/exact_reference.py (mpmath ellipk/ellipe and
// elliprd at 30 digits, roots by findroot; its --check mode, run by ctest, compares the
// closed-form stresses with a brute-force integration of Boussinesq's point-load solution).

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "contact/carlson_integrals.h"
#include "contact/hertz_exact.h"
#include "contact/hertz_solver.h"
#include "contact/subsurface_stress.h"

namespace zel3 {
namespace {

constexpr double kPi = 3.14159265358979323846;

void ExpectRelative(double actual, double expected, double tolerance, const std::string& what) {
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected))
        << what << ": " << actual << " expected " << expected;
}

ContactCase Exact(ContactCase c) {
    c.method = CalculationMethod::Exact;
    return c;
}

// A special body with radii rx, ry on a plane, steel on steel.
ContactCase SpecialOnPlane(double rx, double ry, double F) {
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = rx;
    c.body[0].ry = ry;
    c.body[1].kind = BodyKind::Plane;
    c.F = F;
    return Exact(c);
}

TEST(CarlsonIntegrals, PublishedValuesAndIdentities) {
    // Carlson (1995), section 3 test values.
    ExpectRelative(CarlsonRF(1, 2, 0), 1.3110287771461, 1e-13, "RF(1,2,0)");
    ExpectRelative(CarlsonRF(2, 3, 4), 0.58408284167715, 1e-13, "RF(2,3,4)");
    ExpectRelative(CarlsonRD(0, 2, 1), 1.7972103521034, 1e-13, "RD(0,2,1)");
    ExpectRelative(CarlsonRD(2, 3, 4), 0.16510527294261, 1e-13, "RD(2,3,4)");
    // K(e) = R_F(0, k^2, 1) = D + Bm; E(e) = k^2 D + Bm; Legendre's relation at k = 1/sqrt2.
    for (double k : {1.0, 0.9, 0.5, 0.1, 1e-3, 1e-6}) {
        const double k2 = k * k;
        const double D = CarlsonRD(0, k2, 1) / 3, Bm = k2 * CarlsonRD(0, 1, k2) / 3;
        ExpectRelative(D + Bm, CarlsonRF(0, k2, 1), 1e-14, "K = D + Bm");
    }
    const double D = CarlsonRD(0, 0.5, 1) / 3, Bm = 0.5 * CarlsonRD(0, 1, 0.5) / 3;
    const double K = D + Bm, E = 0.5 * D + Bm;
    ExpectRelative(2 * E * K - K * K, kPi / 2, 1e-14, "Legendre");
    // R_D(x,y,z) + R_D(y,z,x) + R_D(z,x,y) = 3/sqrt(xyz), used below the contact.
    ExpectRelative(CarlsonRD(2, 3, 4) + CarlsonRD(3, 4, 2) + CarlsonRD(4, 2, 3),
                   3 / std::sqrt(24.0), 1e-14, "sum of R_D");
}

TEST(ExactEllipse, ShapeIsExactAtTheCircleAndSolvesEveryRatio) {
    const EllipseShape circle = SolveEllipseShape(1.0);
    EXPECT_EQ(circle.k, 1.0);
    EXPECT_DOUBLE_EQ(circle.D, kPi / 4);
    EXPECT_DOUBLE_EQ(circle.K, kPi / 2);
    // Next to the circle B/A - 1 = 3 e^2 / 4 + ...; far out the root still satisfies Hertz.
    const double q = 1 + 1e-12;
    EXPECT_NEAR(SolveEllipseShape(q).k, std::sqrt(1 - 4 * (q - 1) / 3), 2.3e-16);  // 2 ulp
    for (double q = 1.0 + 1e-9; q < 1e12; q *= 3.7) {
        const EllipseShape s = SolveEllipseShape(q);
        const double k2 = s.k * s.k;
        const double Bm = k2 * CarlsonRD(0, 1, k2) / 3;
        ASSERT_GT(s.k, 0.0);
        ASSERT_LE(s.k, 1.0);
        ExpectRelative(Bm / (k2 * s.D), q, 1e-13, "Hertz condition at B/A = " + std::to_string(q));
    }
    EXPECT_EQ(SolveEllipseShape(0.5).k, 0.0);
    EXPECT_EQ(SolveEllipseShape(std::nan("")).k, 0.0);
    EXPECT_EQ(SolveEllipseShape(INFINITY).k, 0.0);
}

struct EllipseReference {
    double q;  // ry / rx of the body on the plane
    double a, b, pmax, approach;
};

// exact_reference.py: rx = 10, ry = 10 q on a plane, E = 210000, nu = 0.3, F = 1000.
const EllipseReference kSweep[] = {
    {1, 0.4020725758589058, 0.4020725758589058, 2953.4694429062733, 0.016166235625781556},
    {1.5, 0.49126808489382113, 0.3749843326066318, 2591.849097665449, 0.015075473526196808},
    {3, 0.68386266847078383, 0.33005112227708074, 2115.3940377178604, 0.013241156321284378},
    {10, 1.1731022530952246, 0.26072141177707278, 1561.0931509508178, 0.010279627209036959},
    {100, 3.0095635802687113, 0.16547789824154182, 958.73342211518743, 0.0058978832121618154},
    {1e3, 7.2500182790839503, 0.10681823968848755, 616.53376783684491, 0.003198645068859929},
    {1e4, 16.943192543487012, 0.069888252437546799, 403.2199014181101, 0.0016795772592670827},
    {1e5, 38.921844765298135, 0.046112006463173268, 266.03204332280125, 0.00086377085696996957},
    {1e6, 88.42983911965534, 0.030592306243372109, 176.49415744726561, 0.00043778628240081951},
    {1e7, 199.36678735845233, 0.020374423168965325, 117.54475462205245, 0.00021949143548155529},
};

void ExpectEllipse(const ContactCase& c, double a, double b, double pmax, double approach,
                   const std::string& what) {
    constexpr double kTolerance = 1e-12;
    ExpectRelative(c.result.a1, a, kTolerance, what + " a1");
    ExpectRelative(c.result.a2, b, kTolerance, what + " a2");
    ExpectRelative(c.result.pmax, pmax, kTolerance, what + " p max");
    ExpectRelative(c.result.w, approach, kTolerance, what + " w");
}

TEST(ExactEllipse, SweepFromCircleToLongEllipseMatchesReferences) {
    MessageList m;
    for (const EllipseReference& ref : kSweep) {
        ContactCase c = SpecialOnPlane(10, 10 * ref.q, 1000);
        CalculateCase(c, m);
        ASSERT_FALSE(m.calculationFailed);
        ExpectEllipse(c, ref.a, ref.b, ref.pmax, ref.approach, "ry/rx " + std::to_string(ref.q));
        // The report's E* keeps its meaning with the exact method.
        EXPECT_DOUBLE_EQ(c.result.Estar, 210000);
    }
}

TEST(ExactEllipse, BallInGrooveAndCrossedCylinders) {
    MessageList m;
    ContactCase groove;
    groove.body[0].sphereDiameter = 12.7;
    groove.body[1].kind = BodyKind::Special;
    groove.body[1].rx = 25;            // raceway of diameter 50
    groove.body[1].ry = -0.52 * 12.7;  // hollow groove
    groove.F = 2000;
    groove = Exact(groove);
    CalculateCase(groove, m);
    ExpectEllipse(groove, 1.9322700031103106, 0.20698415573630638, 2387.6269258353792,
                  0.015537559970763885, "ball in groove");

    // Crossed at right angles: the program's angle enters as cos of twice the angle.
    ContactCase crossed;
    for (ContactBody& b : crossed.body) {
        b.kind = BodyKind::Special;
        b.ry = 0;
    }
    crossed.body[0].rx = 10;
    crossed.body[1].rx = 15;
    crossed.body[1].E = 70000;  // aluminium: each body keeps its own Poisson's ratio
    crossed.body[1].mue = 0.33;
    crossed.principalAngle = 180;
    crossed.F = 500;
    crossed = Exact(crossed);
    CalculateCase(crossed, m);
    ExpectEllipse(crossed, 0.48870390940011374, 0.37302710056620328, 1309.559371698338,
                  0.014918511256606569, "crossed cylinders");
    EXPECT_DOUBLE_EQ(crossed.result.Estar, 2 * 210000.0 * 70000 / 280000);
}

TEST(ExactEllipse, StripFormulasAndSpringRate) {
    // Two steel cylinders d = 20, L = 10: b = sqrt(4 F R / (pi L E')), p0 = 2F / (pi b L).
    ContactCase c;
    for (ContactBody& b : c.body) {
        b.kind = BodyKind::Cylinder;
        b.cylinderDiameter = 20;
        b.cylinderLength = 10;
    }
    c.F = 1000;
    c = Exact(c);
    MessageList m;
    CalculateCase(c, m);
    const double modulus = 210000 / (2 * (1 - 0.09));
    const double b = std::sqrt(4 * 1000 * 5 / (kPi * 10 * modulus));
    ExpectRelative(c.result.a1, b, 1e-14, "half-width");
    ExpectRelative(c.result.pmax, 2000 / (kPi * b * 10), 1e-14, "p max");
    EXPECT_DOUBLE_EQ(c.result.a2, 5);
    // Equal Poisson's ratios: the table's strip is already exact.
    ContactCase table = c;
    table.method = CalculationMethod::Table;
    CalculateCase(table, m);
    ExpectRelative(table.result.pmax, c.result.pmax, 1e-14, "table strip");

    // The spring rate is the secant of the exact approach over +-1 % of the force.
    ContactCase ball = SpecialOnPlane(10, 10, 1000);
    CalculateCase(ball, m);
    ContactCase lo = ball, hi = ball;
    lo.F = 990;
    hi.F = 1010;
    CalculateCase(lo, m);
    CalculateCase(hi, m);
    ExpectRelative(ball.result.R, 20 / (hi.result.w - lo.result.w), 1e-12, "spring rate");
}

struct MaximaReference {
    double ratio, nu;
    double zTau, tau, sigmaX, sigmaY, sigmaZ, zVonMises, vonMises;
};

// exact_reference.py: depths over the minor half-axis, stresses over p max; ratio 0 = strip.
const MaximaReference kMaxima[] = {
    {1, 0.3, 0.480864485292895, 0.310020501954521, 0.192154499336412, 0.192154499336412,
     0.812195503245455, 0.480864485292895, 0.620041003909043},
    {1, 0.25, 0.464313192980614, 0.321678403152848, 0.179291192497488, 0.179291192497488,
     0.822647998803185, 0.464313192980614, 0.643356806305696},
    {0.5, 0.3, 0.630557782551473, 0.32414397659607, 0.242225123180947, 0.158445468525763,
     0.806733421717903, 0.621736469787566, 0.610770990181337},
    {0.1, 0.3, 0.77096563191538, 0.314360544349279, 0.303019089715427, 0.160895228467964,
     0.789616317166523, 0.716956491756178, 0.572142829866015},
    {0.01, 0.3, 0.785885457917389, 0.302186095543795, 0.294949150476401, 0.181856482520656,
     0.786228673608247, 0.707135099537883, 0.558634304894114},
    {0.001, 0.3, 0.786147607855864, 0.300481772047725, 0.291912417235137, 0.185189030704599,
     0.78615257480005, 0.704592859538404, 0.557616443502492},
    {0, 0.3, 0.786151377757423, 0.300283106000778, 0.185585165755868, 0.291520963053987,
     0.786151377757423, 0.704291684588101, 0.557516216566064},
    {0, 0.25, 0.786151377757423, 0.300283106000778, 0.185585165755868, 0.242934135878323,
     0.786151377757423, 0.654777941387934, 0.579702044601888},
    {1, 0.0, 0.381936200694175, 0.384821110954088, 0.103053117353809, 0.103053117353809,
     0.872695339261984, 0.381936200694175, 0.769642221908176},
    {1, 0.45, 0.530965818522227, 0.27683721991815, 0.226402580021079, 0.226402580021079,
     0.780077019857378, 0.530965818522227, 0.553674439836299},
};

TEST(SubsurfaceStress, MaximaMatchReferencesToOnePartInAMillion) {
    for (const MaximaReference& ref : kMaxima) {
        const std::string what =
            "b/a " + std::to_string(ref.ratio) + " nu " + std::to_string(ref.nu) + ": ";
        const StressMaxima m = FindStressMaxima(ref.ratio, ref.nu);
        ExpectRelative(m.zTau, ref.zTau, 1e-6, what + "depth of tau");
        ExpectRelative(m.tau, ref.tau, 1e-9, what + "tau");
        ExpectRelative(m.sigmaX, ref.sigmaX, 1e-6, what + "sigma x");
        ExpectRelative(m.sigmaY, ref.sigmaY, 1e-6, what + "sigma y");
        ExpectRelative(m.sigmaZ, ref.sigmaZ, 1e-6, what + "sigma z");
        ExpectRelative(m.zVonMises, ref.zVonMises, 1e-6, what + "depth of von Mises");
        ExpectRelative(m.vonMises, ref.vonMises, 1e-9, what + "von Mises");
    }
    // Textbook figures: 0.31 p0 at 0.48 a below a circle, 0.30 p0 at 0.786 b below a strip.
    const StressMaxima circle = FindStressMaxima(1, 0.3);
    EXPECT_NEAR(circle.tau, 0.310, 5e-4);
    EXPECT_NEAR(circle.zTau, 0.48, 5e-3);
    const StressMaxima strip = FindStressMaxima(0, 0.3);
    EXPECT_NEAR(strip.tau, 0.300, 5e-4);
    EXPECT_NEAR(strip.zTau, 0.786, 5e-4);
}

TEST(SubsurfaceStress, ClosedFormsMeetTheirLimits) {
    for (double nu : {0.0, 0.3, 0.5}) {
        // Circle: Johnson's axisymmetric field, sigma_r = -(1+nu)(1 - z atan(1/z)) + 1/(2(1+z^2)).
        for (double z : {1e-3, 0.1, 0.48, 1.0, 3.0}) {
            const AxisStresses s = EllipseAxisStresses(1, nu, z);
            const double radial = -(1 + nu) * (1 - z * std::atan(1 / z)) + 1 / (2 * (1 + z * z));
            EXPECT_NEAR(s.x, radial, 1e-14) << nu << ' ' << z;
            EXPECT_NEAR(s.y, radial, 1e-14);
            EXPECT_NEAR(s.z, -1 / (1 + z * z), 1e-15);
        }
        // Surface: -(1 + 2 nu)/2 below a circle; the long ellipse tends to the strip.
        const AxisStresses top = EllipseAxisStresses(1, nu, 0);
        EXPECT_NEAR(top.x, -(1 + 2 * nu) / 2, 1e-15);
        EXPECT_NEAR(EllipseAxisStresses(1, nu, 1e-12).x, top.x, 1e-11);
        for (double z : {0.0, 0.3, 0.786, 2.0}) {
            const AxisStresses ellipse = EllipseAxisStresses(1e-5, nu, z);
            const AxisStresses strip = StripAxisStresses(nu, z);
            EXPECT_NEAR(ellipse.y, strip.x, 1e-4) << "across, nu " << nu << " z " << z;
            EXPECT_NEAR(ellipse.x, strip.y, 1e-4) << "along";
            EXPECT_NEAR(ellipse.z, strip.z, 1e-4);
        }
    }
}

TEST(SubsurfaceStress, SurfaceMaximumStaysAtTheSurface) {
    // Below a strip with a negative Poisson's ratio the stress along the strip is tensile at
    // the surface and falls with depth: tau(0) = (1 - 2 nu)/2 is the greatest.
    const StressMaxima strip = FindStressMaxima(0, -0.9);
    EXPECT_EQ(strip.zTau, 0.0);
    EXPECT_NEAR(strip.tau, (1 + 1.8) / 2, 1e-15);
    for (double z = 0.001; z < 3; z += 0.001) {
        ASSERT_LE(ShearStress(StripAxisStresses(-0.9, z)), strip.tau) << z;
    }
    // Below a circle it first rises: the maximum lies just below the surface, not on it.
    const StressMaxima circle = FindStressMaxima(1, -0.9);
    EXPECT_GT(circle.zTau, 0.0);
    EXPECT_GT(circle.tau, ShearStress(EllipseAxisStresses(1, -0.9, 0)));
    for (double z = 0.0005; z < 3; z += 0.0005) {
        ASSERT_LE(ShearStress(EllipseAxisStresses(1, -0.9, z)), circle.tau * (1 + 1e-15)) << z;
    }
}

TEST(ExactMethod, ReportFiguresComeFromTheStressesAtTheShearMaximum) {
    MessageList m;
    ContactCase c = SpecialOnPlane(10, 20, 1000);  // b/a about 0.64
    c.body[1].mue = 0.25;                          // the stresses use body 2's ratio
    CalculateCase(c, m);
    const ContactResults& r = c.result;
    const StressMaxima ref = FindStressMaxima(r.a2 / r.a1, 0.25);
    ExpectRelative(r.z, ref.zTau * r.a2, 1e-12, "z");
    ExpectRelative(r.tau, ref.tau * r.pmax, 1e-12, "tau");
    ExpectRelative(r.sigmaZ, ref.sigmaZ * r.pmax, 1e-12, "sigma z");
    ExpectRelative(r.sigmaY, ref.sigmaY * r.pmax, 1e-12, "sigma y");
    ExpectRelative(r.sigmaX, ref.sigmaX * r.pmax, 1e-12, "sigma x");
    ExpectRelative(r.vonMises, ref.vonMises * r.pmax, 1e-12, "von Mises");
    ExpectRelative(r.zVonMises, ref.zVonMises * r.a2, 1e-12, "depth of von Mises");
    EXPECT_LT(r.z, r.a2);

    // Another shape in the same case must not reuse what was found for the first one.
    ContactCase fresh = SpecialOnPlane(10, 80, 1000);
    fresh.body[1].mue = 0.25;
    c.body[0].ry = 80;
    CalculateCase(c, m);
    CalculateCase(fresh, m);
    EXPECT_EQ(c.result.z, fresh.result.z);
    EXPECT_EQ(c.result.a1, fresh.result.a1);
    c.body[1].mue = 0.3;
    CalculateCase(c, m);
    EXPECT_NE(c.result.tau, fresh.result.tau);

    // Back to the table: the exact method's own results are 0 again.
    c.method = CalculationMethod::Table;
    CalculateCase(c, m);
    EXPECT_EQ(c.result.sigmaX, 0);
    EXPECT_EQ(c.result.vonMises, 0);
    EXPECT_EQ(c.result.zVonMises, 0);
}

TEST(ExactMethod, FindingsAndFatalInputs) {
    MessageList m;
    ContactCase c = SpecialOnPlane(10, 20, 1000);
    c.body[0].Re = c.body[1].Re = 100;  // p zul 167
    c.body[1].pHstat = 500;
    CalculateCase(c, m);
    EXPECT_FALSE(m.calculationFailed);
    ASSERT_EQ(m.MessageCount(), 2);
    EXPECT_EQ(m.MessageText(1), "Fehler : pmax > pzul !");
    EXPECT_EQ(m.MessageText(2), "Fehler : pmax > pHstat 2");

    ContactCase bad = c;
    bad.body[0].mue = 1.0;  // 1 - nu^2 = 0 for body 1 alone
    CalculateCase(bad, m);
    EXPECT_TRUE(m.calculationFailed);
    EXPECT_EQ(m.MessageText(1), "Fatal  : 1 - mue^2 <= 0 !");

    // A body curved in one direction only on a plane has no finite ellipse.
    ContactCase strip = SpecialOnPlane(10, 0, 1000);
    CalculateCase(strip, m);
    EXPECT_TRUE(m.calculationFailed);
    EXPECT_EQ(m.MessageText(1), "Fatal  : Ergebnis nicht endlich !");
}

}  // namespace
}  // namespace zel3
