#include "contact/hertz_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "contact/hertz_functions.h"

namespace zel3 {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<std::string> Findings(const MessageList& m) {
    std::vector<std::string> out;
    for (int i = 1; i <= m.MessageCount(); ++i) out.push_back(m.MessageText(i));
    return out;
}

ContactCase Spheres(double d1, double d2, double F) {
    ContactCase c;
    c.body[0].kind = BodyKind::Sphere;
    c.body[0].sphereDiameter = d1;
    c.body[1].kind = BodyKind::Sphere;
    c.body[1].sphereDiameter = d2;
    c.F = F;
    return c;
}

ContactCase Cylinders(double d1, double l1, double d2, double l2, double F) {
    ContactCase c;
    for (int i = 0; i < 2; ++i) c.body[static_cast<size_t>(i)].kind = BodyKind::Cylinder;
    c.body[0].cylinderDiameter = d1;
    c.body[0].cylinderLength = l1;
    c.body[1].cylinderDiameter = d2;
    c.body[1].cylinderLength = l2;
    c.F = F;
    return c;
}

// Point contact by hand: radius sums and the tabulated 90 degree row.
TEST(HertzSolver, TwoSteelBallsGiveTheTextbookValues) {
    ContactCase c = Spheres(20, 20, 1000);
    c.body[0].Re = c.body[1].Re = 800;
    MessageList m;
    CalculateCase(c, m);

    const double a = std::cbrt(3 * 0.91 * 1000 / (210000 * 0.4));
    EXPECT_NEAR(c.result.a1, 0.31913, 1e-5);
    EXPECT_NEAR(c.result.a1, a, 1e-12);
    EXPECT_NEAR(c.result.a2, a, 1e-12);
    EXPECT_NEAR(c.result.pmax, 4688.3, 0.1);
    EXPECT_NEAR(c.result.pmax, 1500 / (kPi * a * a), 1e-8);
    EXPECT_NEAR(c.result.w, 0.020368, 1e-6);
    EXPECT_NEAR(c.result.R, 73644, 5);
    EXPECT_NEAR(c.result.tau, 1453.4, 0.1);
    EXPECT_NEAR(c.result.z, 0.14999, 1e-5);
    EXPECT_NEAR(c.result.sigmaZ, 0.8 * c.result.pmax, 1e-9);
    EXPECT_NEAR(c.result.sigmaY, 0.18 * c.result.pmax, 1e-9);
    EXPECT_DOUBLE_EQ(c.result.Estar, 210000);
    EXPECT_DOUBLE_EQ(c.result.theta, 90);
    EXPECT_DOUBLE_EQ(c.result.pzul, 1336);
    EXPECT_DOUBLE_EQ(c.result.Eht, 1.56);
    EXPECT_DOUBLE_EQ(c.result.Rht, 3.5);
    EXPECT_DOUBLE_EQ(c.body[0].rx, 10);
    EXPECT_DOUBLE_EQ(c.body[1].ry, 10);
    EXPECT_DOUBLE_EQ(c.F, 1000);
    EXPECT_FALSE(m.calculationFailed);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"Fehler : pmax > pzul !"});
}

TEST(HertzSolver, SpringRateIsTheSecantOverTwoPercentOfTheForce) {
    ContactCase c = Spheres(20, 30, 500);
    MessageList m;
    CalculateCase(c, m);
    const ContactResults atF = c.result;
    // The deformation of a sphere pair grows with F^(2/3).
    ContactCase probe = c;
    probe.F = 495;
    SolveContact(probe, m);
    const double w1 = probe.result.w;
    probe.F = 505;
    SolveContact(probe, m);
    EXPECT_NEAR(atF.R, 10 / (probe.result.w - w1), 1e-6 * atF.R);
    // Every result belongs to the case's own force.
    probe.F = 500;
    SolveContact(probe, m);
    EXPECT_DOUBLE_EQ(probe.result.pmax, atF.pmax);
    EXPECT_DOUBLE_EQ(probe.result.w, atF.w);
}

TEST(HertzSolver, SphereOnPlaneUsesTheSphereAlone) {
    ContactCase c = Spheres(30, 0, 2000);
    c.body[1].kind = BodyKind::Plane;
    c.body[1].rx = 7;  // overwritten by the shape
    MessageList m;
    CalculateCase(c, m);
    EXPECT_DOUBLE_EQ(c.body[1].rx, 0);
    EXPECT_DOUBLE_EQ(c.result.theta, 90);
    const double a = std::cbrt(3 * 0.91 * 2000 / (210000 * (4.0 / 30)));
    EXPECT_NEAR(c.result.a1, a, 1e-12);
    EXPECT_NEAR(c.result.w, 1.5 * 0.91 * 2000 / (210000 * a), 1e-12);
}

TEST(HertzSolver, TwoRadiiBodiesInterpolateTheTable) {
    ContactCase c;
    for (auto& b : c.body) {
        b.kind = BodyKind::Special;
        b.rx = 10;
        b.ry = 20;
    }
    c.F = 1000;
    MessageList m;
    CalculateCase(c, m);
    const double sum = 0.3, diff = std::sqrt(2.0) * 0.05;
    const double theta = std::acos(diff / sum) * 180 / kPi;  // about 76.37 degrees
    EXPECT_NEAR(c.result.theta, theta, 1e-9);
    const double t = (theta - 70) / 10;
    const double xi = 1.284 + (1.128 - 1.284) * t;
    const double eta = 0.802 + (0.893 - 0.802) * t;
    const double psi = 1.25 + (1.12 - 1.25) * t;
    const double a1 = std::cbrt(3 * xi * xi * xi * 0.91 * 1000 / (210000 * sum));
    const double a2 = std::cbrt(3 * eta * eta * eta * 0.91 * 1000 / (210000 * sum));
    EXPECT_NEAR(c.result.a1, a1, 1e-12);
    EXPECT_NEAR(c.result.a2, a2, 1e-12);
    EXPECT_NEAR(c.result.w, 1.5 * psi * 0.91 * 1000 / (210000 * a1), 1e-12);
    EXPECT_NEAR(c.result.pmax, 1500 / (kPi * a1 * a2), 1e-6);
    EXPECT_DOUBLE_EQ(c.result.Eht, 0);  // a special body has no rolling diameter
    EXPECT_DOUBLE_EQ(c.result.Rht, 0);
}

TEST(HertzSolver, BallInGrooveUsesTheHollowRadius) {
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = c.body[0].ry = 10;
    c.body[1].kind = BodyKind::Special;
    c.body[1].rx = -10.4;  // groove radius across the track
    c.body[1].ry = 40;     // raceway
    c.F = 3000;
    MessageList m;
    CalculateCase(c, m);
    const double sum = 0.1 + 0.1 - 1 / 10.4 + 1 / 40.0;
    const double diff = std::fabs(1 / 40.0 + 1 / 10.4);
    EXPECT_NEAR(c.result.theta, std::acos(diff / sum) * 180 / kPi, 1e-9);
    EXPECT_GT(c.result.a1, c.result.a2);  // the ellipse runs along the groove
    EXPECT_FALSE(m.calculationFailed);
}

TEST(HertzSolver, TwoCylindersAreALineContactOnTheShorterLength) {
    ContactCase c = Cylinders(20, 10, 20, 20, 1000);
    MessageList m;
    CalculateCase(c, m);
    const double r = 5, L = 10;
    const double pmax = std::sqrt(1000 * 210000 / (0.91 * 2 * kPi * r * L));
    const double a1 = std::sqrt(0.91 * 8 * 1000 * r / (kPi * 210000 * L));
    EXPECT_NEAR(c.result.pmax, 857.07, 0.01);
    EXPECT_NEAR(c.result.pmax, pmax, 1e-9);
    EXPECT_NEAR(c.result.a1, 0.074279, 1e-6);
    EXPECT_NEAR(c.result.a1, a1, 1e-12);
    EXPECT_DOUBLE_EQ(c.result.a2, 5);
    const double sag = 10 - std::sqrt(100 - a1 * a1);
    EXPECT_NEAR(c.result.w, 2 * sag, 1e-15);
    EXPECT_NEAR(c.result.w, 0.000552, 1e-6);
    EXPECT_NEAR(c.result.tau, 0.3 * pmax, 1e-9);
    EXPECT_NEAR(c.result.z, 0.78 * a1, 1e-12);
    EXPECT_DOUBLE_EQ(c.result.theta, 0);
    EXPECT_DOUBLE_EQ(c.result.Eht, 0.078 * 20);
    EXPECT_GT(c.result.R, 0);
}

TEST(HertzSolver, CylinderOnPlaneAndSpecialOnCylinder) {
    ContactCase c = Cylinders(20, 15, 0, 0, 1000);
    c.body[1].kind = BodyKind::Plane;
    MessageList m;
    CalculateCase(c, m);
    EXPECT_NEAR(c.result.pmax, std::sqrt(1000 * 210000 / (0.91 * 2 * kPi * 10 * 15)), 1e-9);
    EXPECT_NEAR(c.result.w, 10 - std::sqrt(100 - c.result.a1 * c.result.a1), 1e-15);

    ContactCase s = Cylinders(0, 0, 20, 15, 1000);
    s.body[0].kind = BodyKind::Special;
    s.body[0].rx = 10;
    s.body[0].ry = 0;
    CalculateCase(s, m);
    EXPECT_FALSE(m.calculationFailed);
    EXPECT_DOUBLE_EQ(s.result.w, 0);
    EXPECT_DOUBLE_EQ(s.result.R, 0);
    EXPECT_GT(s.result.pmax, 0);
}

TEST(HertzSolver, LimitFindingsComeInTheirOrder) {
    ContactCase c = Spheres(20, 20, 1000);  // p max about 4688
    c.body[0].Re = 0;
    c.body[0].pHstat = 4000;
    c.body[0].pHdyn = 1000;
    c.body[1].Re = 800;
    c.body[1].pHstat = 1000;
    c.body[1].pHdyn = 5000;  // not exceeded
    MessageList m;
    CalculateCase(c, m);
    EXPECT_DOUBLE_EQ(c.result.pzul, 0);
    EXPECT_DOUBLE_EQ(c.result.Rht, 0);
    EXPECT_EQ(Findings(m),
              (std::vector<std::string>{"Fehler : pmax > pzul !", "Fehler : pmax > pHstat 1",
                                        "Fehler : pmax > pHdyn1", "Fehler : pmax > pHstat 2"}));
    EXPECT_FALSE(m.calculationFailed);
}

// The message list holds this calculation's findings only: a stop before any pass must not
// leave the previous case's limit findings beside its own fatal one.
TEST(HertzSolver, DriverFatalsRunNoPassAndHoldOnlyTheirOwnFinding) {
    ContactCase c = Spheres(20, 20, 1000);
    MessageList m;
    CalculateCase(c, m);
    const ContactResults before = c.result;
    ASSERT_EQ(Findings(m), std::vector<std::string>{"Fehler : pmax > pzul !"});

    c.body[1].E = 0;
    c.body[0].sphereDiameter = 40;  // would change the radii if a pass ran
    CalculateCase(c, m);
    EXPECT_TRUE(m.calculationFailed);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"Fatal  : E = 0 !"});
    EXPECT_DOUBLE_EQ(c.body[0].rx, 10);
    EXPECT_DOUBLE_EQ(c.result.pmax, before.pmax);

    c.body[1].E = 210000;
    CalculateCase(c, m);
    ASSERT_EQ(Findings(m), std::vector<std::string>{"Fehler : pmax > pzul !"});
    c.F = 0;  // an unreadable force reads as 0
    CalculateCase(c, m);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"Fatal  : F = 0 !"});
    EXPECT_TRUE(m.calculationFailed);

    c.F = std::nan("");
    CalculateCase(c, m);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"Fatal  : Eingabe nicht endlich !"});
}

TEST(HertzSolver, PassFatalsKeepTheResultsComputedBefore) {
    ContactCase good = Cylinders(20, 10, 20, 20, 1000);
    MessageList m;
    CalculateCase(good, m);
    const ContactResults before = good.result;

    ContactCase c = good;
    c.body[0].cylinderLength = 0;
    c.body[0].Re = c.body[1].Re = 500;
    CalculateCase(c, m);
    EXPECT_TRUE(m.calculationFailed);
    EXPECT_EQ(Findings(m),
              (std::vector<std::string>{"Fatal  : L zyl = 0 !", "Fehler : pmax > pzul !"}));
    EXPECT_DOUBLE_EQ(c.result.pzul, 835);  // computed before the check
    EXPECT_DOUBLE_EQ(c.result.pmax, before.pmax);
    EXPECT_DOUBLE_EQ(c.result.a1, before.a1);

    ContactCase planes;
    planes.body[0].kind = BodyKind::Special;
    planes.body[0].rx = planes.body[0].ry = 0;
    planes.body[1].kind = BodyKind::Plane;
    planes.F = 10;
    CalculateCase(planes, m);
    EXPECT_EQ(m.MessageText(1), "Fatal  : r = 0 !");
    EXPECT_TRUE(m.calculationFailed);
}

// Inputs for which no formula has a finite value end as fatal findings, and no result is
// left infinite or not a number.
TEST(HertzSolver, InputsWithoutFiniteResultAreFatal) {
    struct Case {
        const char* what;
        ContactCase c;
        const char* finding;
    };
    std::vector<Case> cases;
    {
        ContactCase c = Spheres(20, 20, 1000);
        c.body[0].E = 100000;
        c.body[1].E = -100000;
        cases.push_back({"E1 + E2 = 0", c, "Fatal  : E1 + E2 = 0 !"});
        c.body[1].E = -50000;
        cases.push_back({"negative E*", c, "Fatal  : E* <= 0 !"});
    }
    {
        ContactCase c = Spheres(20, 20, 1000);
        c.body[0].mue = c.body[1].mue = 1.0;
        cases.push_back({"1 - mue^2 = 0", c, "Fatal  : 1 - mue^2 <= 0 !"});
        c.body[0].mue = c.body[1].mue = -1.5;
        cases.push_back({"1 - mue^2 < 0", c, "Fatal  : 1 - mue^2 <= 0 !"});
    }
    {
        ContactCase c = Cylinders(20, 10, 0, 0, 1000);
        c.body[1].kind = BodyKind::Special;
        c.body[1].rx = -8;  // hollow, tighter than the cylinder
        cases.push_back({"negative reduced radius", c, "Fatal  : r red. <= 0 !"});
        c.body[1].rx = -10;  // exactly as hollow: no reduced radius
        c.body[1].ry = 50;
        cases.push_back({"reduced radius beyond all", c, "Fatal  : r red. <= 0 !"});
    }
    {
        ContactCase c = Cylinders(20, 10, 20, 20, 1000);
        c.body[0].cylinderLength = -5;
        cases.push_back({"negative length", c, "Fatal  : L < 0 !"});
        c.body[0].cylinderLength = 10;
        c.F = -100;
        cases.push_back({"pulling a line contact", c, "Fatal  : F < 0 !"});
        c.F = NAN;
        cases.push_back({"force not a number", c, "Fatal  : Eingabe nicht endlich !"});
        c.F = 1000;
        c.body[1].Re = INFINITY;
        cases.push_back({"infinite yield strength", c, "Fatal  : Eingabe nicht endlich !"});
    }
    {
        ContactCase c = Spheres(20, 0, 1000);
        c.body[1].kind = BodyKind::Special;
        c.body[1].rx = c.body[1].ry = -8;  // hollow smaller than the ball
        cases.push_back({"ball larger than its socket", c, "Fatal  : Summe 1/r < 0 !"});
    }
    {
        ContactCase c = Spheres(20, 20, 1000);
        c.body[0].E = c.body[1].E = 1e300;  // E1 * E2 overflows
        cases.push_back({"overflowing modulus", c, "Fatal  : Ergebnis nicht endlich !"});
        c = Spheres(1e-320, 20, 1000);  // curvature overflows
        cases.push_back({"overflowing curvature", c, "Fatal  : Ergebnis nicht endlich !"});
    }
    for (Case& t : cases) {
        SCOPED_TRACE(t.what);
        MessageList m;
        CalculateCase(t.c, m);
        EXPECT_TRUE(m.calculationFailed);
        ASSERT_GE(m.MessageCount(), 1);
        EXPECT_EQ(m.MessageText(1), t.finding);
        EXPECT_LE(std::string(t.finding).size(), MessageList::kMaxLength);
        const ContactResults& r = t.c.result;
        for (double v : {r.Estar, r.a1, r.a2, r.w, r.pmax, r.R, r.pzul, r.z, r.tau, r.sigmaZ,
                         r.sigmaY, r.Eht, r.Rht, r.theta}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

TEST(HertzSolver, SaddleContactWarnsThroughArcCos) {
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = 10;
    c.body[0].ry = -12;  // saddle: sum small, difference large
    c.body[1].kind = BodyKind::Plane;
    c.F = 100;
    MessageList m;
    CalculateCase(c, m);
    EXPECT_EQ(m.MessageText(1), "Error: function ArcCos in math");
    EXPECT_FALSE(m.calculationFailed);
    EXPECT_DOUBLE_EQ(c.result.theta, 0);
    EXPECT_DOUBLE_EQ(c.result.a2, 0);
    EXPECT_DOUBLE_EQ(c.result.pmax, 0);
    EXPECT_DOUBLE_EQ(c.result.w, 0);
}

TEST(HertzFunctions, CoefficientTableRowsAndInterpolation) {
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, 0), 1e32);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Eta, 0), 0);
    // The row at 10 degrees is reached without cancelling 1e32 against itself.
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, 10), 6.612);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Eta, 10), 0.319);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Psi, 10), 2.8);
    // Just below, the unbounded first row still dominates.
    EXPECT_GT(HertzCoefficient(HertzColumn::Xi, 9.99), 1e28);
    EXPECT_NEAR(HertzCoefficient(HertzColumn::Xi, 9.99), 1e32 * 0.001, 1e27);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, 20), 3.778);
    EXPECT_NEAR(HertzCoefficient(HertzColumn::Eta, 45), (0.567 + 0.641) / 2, 1e-15);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Psi, 90), 1);
    // A hair above 90 is rounding of equal bodies, not outside the table.
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, 90 + 1e-13), 1);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Psi, std::nextafter(90.0, 91.0)), 1);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, 90.5), 0);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, -1), 0);
    EXPECT_DOUBLE_EQ(HertzCoefficient(HertzColumn::Xi, NAN), 0);
}

TEST(HertzFunctions, ThetaOfTenDegreesGivesFiniteResults) {
    // diff / sum = cos 10 degrees by choice of the radii.
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].ry = 0;
    c.body[1].kind = BodyKind::Plane;
    const double cos10 = std::cos(10 * kPi / 180);
    // sum = kx + ky, diff = |ky - kx|; with kx = 1: ky = (1 + cos) / (1 - cos).
    c.body[0].rx = (1 - cos10) / (1 + cos10);
    c.body[0].ry = 1;
    c.F = 100;
    MessageList m;
    CalculateCase(c, m);
    EXPECT_NEAR(c.result.theta, 10, 1e-6);
    EXPECT_GT(c.result.pmax, 0);
    EXPECT_GT(c.result.w, 0);
}

TEST(HertzFunctions, CheckedArcCosAndPower) {
    MessageList m;
    EXPECT_DOUBLE_EQ(ArcCosChecked(1, m), 0);
    EXPECT_DOUBLE_EQ(ArcCosChecked(-1, m), kPi);
    EXPECT_EQ(m.MessageCount(), 0);
    EXPECT_DOUBLE_EQ(ArcCosChecked(1.0000001, m), 0);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"Error: function ArcCos in math"});

    m.ClearMessages();
    EXPECT_NEAR(PowerChecked("a1", -8, 1.0 / 3.0, m), 2, 1e-14);
    EXPECT_NEAR(PowerChecked("", -27, 1.0 / 3.0, m), 3, 1e-14);
    EXPECT_EQ(Findings(m), std::vector<std::string>{"a1 (pow)"});
    EXPECT_DOUBLE_EQ(PowerChecked("a2", 0, 1.0 / 3.0, m), 0);
    EXPECT_DOUBLE_EQ(PowerChecked("a2", 1e-300, 11, m), 0);  // below e^-3000
    EXPECT_TRUE(std::isinf(PowerChecked("a2", 1e300, 11, m)));

    EXPECT_DOUBLE_EQ(Curvature(0), 0);
    EXPECT_DOUBLE_EQ(Curvature(-4), -0.25);
    EXPECT_DOUBLE_EQ(Sagitta(5, 3), 1);
    EXPECT_DOUBLE_EQ(Sagitta(3, 3), 0);
}

TEST(ContactCaseModel, DefaultsAndKindNames) {
    ContactCase c;
    for (const ContactBody& b : c.body) {
        EXPECT_EQ(b.kind, BodyKind::Sphere);
        EXPECT_DOUBLE_EQ(b.E, 210000);
        EXPECT_DOUBLE_EQ(b.mue, 0.3);
        EXPECT_DOUBLE_EQ(b.rx, 10);
        EXPECT_DOUBLE_EQ(b.ry, 0);
        EXPECT_EQ(b.materialRecord, 0);
    }
    EXPECT_DOUBLE_EQ(c.principalAngle, 90);
    EXPECT_DOUBLE_EQ(c.F, 0);
    EXPECT_EQ(BodyKindName(BodyKind::Plane), "Ebene");
    EXPECT_EQ(BodyKindName(BodyKind::Special), "Spezial");
    EXPECT_TRUE(IsValidBodyKind(4, 2));
    EXPECT_FALSE(IsValidBodyKind(4, 1));
    EXPECT_FALSE(IsValidBodyKind(0, 2));
}

}  // namespace
}  // namespace zel3

namespace zel3 {
namespace {

// The description file finds a finding by its first 14 characters, so every fatal finding of
// the solver needs its own.
TEST(HertzSolver, FatalFindingsAreTellApartByTheirFirst14Characters) {
    const std::vector<std::string> fatal = {finding::kEZero,
                                            finding::kFZero,
                                            finding::kRZero,
                                            finding::kLengthZero,
                                            finding::kInputNotFinite,
                                            finding::kESumZero,
                                            finding::kEStarNotPositive,
                                            finding::kPoissonFactorNotPositive,
                                            finding::kCurvatureSumNegative,
                                            finding::kLengthNegative,
                                            finding::kReducedRadiusNotPositive,
                                            finding::kLineForceNegative,
                                            finding::kResultNotFinite};
    for (std::size_t i = 0; i < fatal.size(); ++i) {
        EXPECT_EQ(fatal[i].rfind("Fatal  : ", 0), 0u) << fatal[i];
        EXPECT_LE(fatal[i].size(), MessageList::kMaxLength) << fatal[i];
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_NE(fatal[i].substr(0, 14), fatal[j].substr(0, 14)) << fatal[i];
        }
    }
}

}  // namespace
}  // namespace zel3
