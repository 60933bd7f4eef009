#include "contact/diagrams.h"

#include <gtest/gtest.h>

#include <cmath>

#include "contact/hertz_solver.h"
#include "contact/subsurface_stress.h"
#include "support/cad_run.h"
#include "support/contact_cases.h"

namespace zel3 {
namespace {

using test::CadTestProgram;
using test::Only;
using test::ReadTxtListing;
using test::TxtRecord;

std::vector<TxtRecord> Diagram(CadTestProgram& t, const ContactCase& c, int kind) {
    t.program.contactCase = c;
    CalculateCase(t.program.contactCase, t.program.messages);
    ShowDiagram(t.program, kind, kCadTxt);
    return ReadTxtListing(t.Output("txt"));
}

bool Near(double a, double b) {
    return std::abs(a - b) < 2e-6;
}

bool HasLine(const std::vector<TxtRecord>& r, double x1, double y1, double x2, double y2) {
    for (const TxtRecord& t : Only(r, "LINE"))
        if (Near(t.Num(0), x1) && Near(t.Num(1), y1) && Near(t.Num(2), x2) && Near(t.Num(3), y2))
            return true;
    return false;
}

const TxtRecord* Text(const std::vector<TxtRecord>& r, const std::string& s) {
    for (const TxtRecord& t : r)
        if (t.keyword == "TEXT" && t.fields.at(2) == s) return &t;
    return nullptr;
}

// The page mapping of the driver: plot area 130 x 95 at (16, 10).
struct Mapping {
    AxisTicks x, y;
    double PX(double v) const { return (v - x.low) / (x.high - x.low) * 130 + 16; }
    double PY(double v) const { return (v - y.low) / (y.high - y.low) * 95 + 10; }
};

TEST(Diagrams, DeformationOverForceFrameAndCurve) {
    CadTestProgram t("diagram_w");
    ContactCase c = test::SphereOnSphere(20, 40, 1000);
    const auto all = Diagram(t, c, 1);
    ASSERT_FALSE(all.empty());
    EXPECT_DOUBLE_EQ(all.front().Num(2), 160);
    EXPECT_DOUBLE_EQ(all.front().Num(3), 120);

    // The case is back at its own force with its own results.
    ContactCase own = test::SphereOnSphere(20, 40, 1000);
    MessageList m;
    CalculateCase(own, m);
    EXPECT_EQ(t.program.contactCase.F, 1000);
    EXPECT_EQ(t.program.contactCase.result.w, own.result.w);
    EXPECT_EQ(t.program.contactCase.result.pmax, own.result.pmax);

    ContactCase top = test::SphereOnSphere(20, 40, 2000);
    CalculateCase(top, m);
    Mapping map{AxisScale(0, 2000, 6), AxisScale(0, top.result.w, 6)};
    // Axes with arrows, first and last x tick, grid line of the top y tick.
    const double xEnd = map.x.high + 0.05 * (map.x.high - map.x.low);
    EXPECT_TRUE(HasLine(all, map.PX(0), map.PY(0), map.PX(xEnd), map.PY(0)));
    EXPECT_EQ(Only(all, "SOLID").size(), 2u);
    EXPECT_TRUE(HasLine(all, map.PX(map.x.high), map.PY(0), map.PX(map.x.high),
                        map.PY(-0.01 * (map.y.high - map.y.low))));
    EXPECT_TRUE(
        HasLine(all, map.PX(0), map.PY(map.y.high), map.PX(map.x.high), map.PY(map.y.high)));
    // The title is centred over the plot area.
    const TxtRecord* title = Text(all, "Deformation w = f (F)");
    ASSERT_TRUE(title);
    EXPECT_TRUE(Near(title->Num(0), 16 + 65 - 1.75 * 21));
    EXPECT_TRUE(Near(title->Num(1), 10 + 95 + 3));
    ASSERT_TRUE(Text(all, " F [N]"));
    ASSERT_TRUE(Text(all, "w [mm]"));

    // The curve: one segment per force step from (0, 0), ending at twice the force.
    EXPECT_TRUE(HasLine(all, map.PX(0), map.PY(0), map.PX(20), map.PY([&] {
        ContactCase s = test::SphereOnSphere(20, 40, 20);
        CalculateCase(s, m);
        return s.result.w;
    }())));
    // Operating point and legend.
    const auto circles = Only(all, "CIRCLE");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_TRUE(Near(circles[0].Num(0), map.PX(1000)));
    EXPECT_TRUE(Near(circles[0].Num(1), map.PY(own.result.w)));
    EXPECT_DOUBLE_EQ(circles[0].Num(2), 1);
    const TxtRecord* legend = Text(all, "F = 1000 N");
    ASSERT_TRUE(legend);
    EXPECT_DOUBLE_EQ(legend->Num(0), 80);
    EXPECT_DOUBLE_EQ(legend->Num(1), 101);
    const TxtRecord* second = nullptr;
    const std::vector<TxtRecord> texts = Only(all, "TEXT");
    for (const TxtRecord& r : texts)
        if (r.fields[2].rfind("w0 = ", 0) == 0) second = &r;
    ASSERT_TRUE(second);
    EXPECT_TRUE(Near(second->Num(1), 101 - 1.6 * 2.5));
}

TEST(Diagrams, SweepDrawsOneHundredSegmentsInsideTheWindow) {
    CadTestProgram t("diagram_p");
    const auto all = Diagram(t, test::SphereOnSphere(20, 40, 1000), 3);
    // Lines of the curve lie strictly between the axes' ticks; count them by their layer-free
    // property: they start where the previous one ended.
    const auto lines = Only(all, "LINE");
    int chain = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (Near(lines[i].Num(0), lines[i - 1].Num(2)) &&
            Near(lines[i].Num(1), lines[i - 1].Num(3)) && lines[i].Num(0) > lines[i - 1].Num(0))
            ++chain;
    EXPECT_GE(chain, 99);
}

TEST(Diagrams, StressSpectrumDrawsThreeCurvesAndNames) {
    CadTestProgram t("diagram_s");
    const auto all = Diagram(t, test::SphereOnSphere(20, 40, 1000), 4);
    ASSERT_TRUE(Text(all, " Sigma y, Sigma z, tau"));
    ASSERT_TRUE(Text(all, "z [mm]"));
    ASSERT_TRUE(Text(all, "MPa"));
    const TxtRecord* names = Text(all, "Sigma z");
    ASSERT_TRUE(names);
    EXPECT_DOUBLE_EQ(names->Num(0), 130);
    EXPECT_DOUBLE_EQ(names->Num(1), 101);
    ASSERT_TRUE(Text(all, "tau"));
    // Sigma z starts at nearly p max just below the surface: its first segment begins near the
    // top of the y range.
    const ContactResults& r = t.program.contactCase.result;
    const double a = std::min(r.a1, r.a2);
    Mapping map{AxisScale(0, 4 * a, 6), AxisScale(0, r.pmax, 6)};
    const double dz = 0.025 * a;
    const double sz = r.pmax / (1 + 0.025 * 0.025);
    EXPECT_TRUE(
        HasLine(all, map.PX(dz), map.PY(sz), map.PX(2 * dz), map.PY(r.pmax / (1 + 0.05 * 0.05))));
    // Nothing is drawn beyond the x axis' top tick (plus the arrow).
    for (const TxtRecord& l : Only(all, "LINE")) {
        EXPECT_LE(l.Num(0), 16 + 130 * 1.05 + 1e-6);
        EXPECT_LE(l.Num(2), 16 + 130 * 1.05 + 1e-6);
    }
}

// The exact method draws five curves: the three normal stresses, tau and von Mises.
TEST(Diagrams, ExactStressSpectrumDrawsFiveCurvesAndNames) {
    CadTestProgram t("diagram_x");
    ContactCase c = test::SphereOnSphere(20, 40, 1000);
    c.method = CalculationMethod::Exact;
    const auto all = Diagram(t, c, 4);
    ASSERT_TRUE(Text(all, " Sigma x, Sigma y, Sigma z, tau, Sigma v"));
    EXPECT_FALSE(Text(all, " Sigma y, Sigma z, tau"));
    double y = 102;
    for (const char* name : {"Sigma x", "Sigma y", "Sigma z", "tau", "Sigma v"}) {
        const TxtRecord* t = Text(all, name);
        ASSERT_TRUE(t) << name;
        EXPECT_DOUBLE_EQ(t->Num(0), 130) << name;
        EXPECT_LT(t->Num(1), y) << name << " stands below the one before";
        y = t->Num(1);
    }
    const ContactResults& r = t.program.contactCase.result;
    const double a = std::min(r.a1, r.a2);
    Mapping map{AxisScale(0, 4 * a, 6), AxisScale(0, r.pmax, 6)};
    const double dz = 0.025 * a;
    auto at = [&](double z) { return EllipseAxisStresses(1, 0.3, z / a); };
    const double z0 = 19 * dz, z1 = 20 * dz;
    EXPECT_TRUE(HasLine(all, map.PX(z0), map.PY(VonMisesStress(at(z0)) * r.pmax), map.PX(z1),
                        map.PY(VonMisesStress(at(z1)) * r.pmax)));
    EXPECT_TRUE(HasLine(all, map.PX(z0), map.PY(ShearStress(at(z0)) * r.pmax), map.PX(z1),
                        map.PY(ShearStress(at(z1)) * r.pmax)));
    EXPECT_TRUE(HasLine(all, map.PX(z0), map.PY(-at(z0).x * r.pmax), map.PX(z1),
                        map.PY(-at(z1).x * r.pmax)));
    // Two curves more than the table's diagram (a few segments of Sigma x turn tensile at
    // depth and fall below the window).
    EXPECT_GT(Only(all, "LINE").size(),
              Only(Diagram(t, test::SphereOnSphere(20, 40, 1000), 4), "LINE").size() + 300);
}

TEST(Diagrams, DeformationIsRefusedWhereTheSolverHasNone) {
    CadTestProgram t("diagram_refused");
    ContactCase c;
    c.body[0].kind = BodyKind::Special;
    c.body[0].rx = 20;
    c.body[0].ry = 30;
    c.body[1].kind = BodyKind::Cylinder;
    c.body[1].cylinderDiameter = 10;
    c.body[1].cylinderLength = 20;
    c.F = 1000;
    t.program.contactCase = c;
    CalculateCase(t.program.contactCase, t.program.messages);
    if (t.program.contactCase.result.w != 0) GTEST_SKIP() << "solver computes w here";
    ShowDiagram(t.program, 1, kCadTxt);
    ASSERT_FALSE(t.platform().messages.empty());
    EXPECT_EQ(t.platform().messages.back().text,
              "Verformung w kann für diese Kombination nicht berechnet werden");
    EXPECT_FALSE(std::ifstream(t.Output("txt")).good());
}

TEST(Diagrams, LimitsDialogOnlyForFilesAndKeepsAutomaticLimitsByDefault) {
    CadTestProgram t("diagram_limits");
    t.program.settings.enterDiagramLimits = true;
    t.platform().limitAnswers.push_back({0, 0, 4000, 0.5});
    Diagram(t, test::SphereOnSphere(20, 40, 1000), 1);
    ASSERT_EQ(t.platform().limitRequests.size(), 1u);
    EXPECT_EQ(t.platform().limitRequests[0], "Deformation w = f (F)");
    EXPECT_DOUBLE_EQ(t.program.diagram.entered.xMax, 4000);
    // The entered limits became the window: x up to 4000 N.
    EXPECT_DOUBLE_EQ(t.program.diagram.frame.xMax, 4000);

    // A batch run (two parameters) asks nothing.
    t.program.args = {"case.zl3", "/CAD5:4"};
    Diagram(t, test::SphereOnSphere(20, 40, 1000), 1);
    EXPECT_EQ(t.platform().limitRequests.size(), 1u);
}

}  // namespace
}  // namespace zel3
