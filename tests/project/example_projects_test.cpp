// The example projects shipped in data/examples must load without fault, calculate without a
// fatal finding, and be exactly what the project writer writes for them.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "contact/hertz_solver.h"
#include "project/project_file_format.h"
#include "shell/program.h"
#include "util/line_file.h"
#include "util/safe_file.h"

namespace zel3 {
namespace {

std::string ExamplePath(const std::string& name) {
    return std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/" + name;
}

struct Example {
    const char* file;
    BodyKind kind1;
    BodyKind kind2;
    double pmaxLow;
    double pmaxHigh;
};

TEST(ExampleProjects, LoadCalculateAndSaveAgainUnchanged) {
    const Example examples[] = {
        {"kugel_kugel.zl3", BodyKind::Sphere, BodyKind::Sphere, 4000, 5000},
        {"kugel_rille.zl3", BodyKind::Special, BodyKind::Special, 1500, 4000},
        {"rolle_ebene.zl3", BodyKind::Cylinder, BodyKind::Plane, 500, 2500},
        {"rolle_rolle.zl3", BodyKind::Cylinder, BodyKind::Cylinder, 500, 2500},
    };
    const ProgramIdentity id;
    for (const Example& e : examples) {
        SCOPED_TRACE(e.file);
        std::string content;
        ASSERT_EQ(ReadWholeFile(ExamplePath(e.file), 1 << 20, content), FileReadResult::Ok);
        bool flag = false;
        LineReader in(content, flag);
        ContactCase c;
        ASSERT_EQ(ReadProjectLines(in, c), 0);
        EXPECT_FALSE(flag);
        EXPECT_EQ(c.body[0].kind, e.kind1);
        EXPECT_EQ(c.body[1].kind, e.kind2);

        LineWriter out;
        WriteProjectLines(out, NumberFormat{}, {id.ProgramTitle, id.VersionText, id.ProductName},
                          c);
        EXPECT_EQ(out.content(), content);

        MessageList m;
        CalculateCase(c, m);
        EXPECT_FALSE(m.calculationFailed);
        EXPECT_GT(c.result.pmax, e.pmaxLow);
        EXPECT_LT(c.result.pmax, e.pmaxHigh);
        EXPECT_GT(c.result.w, 0);
        EXPECT_GT(c.result.R, 0);
    }
}

ContactCase LoadExample(const std::string& name) {
    std::string content;
    EXPECT_EQ(ReadWholeFile(ExamplePath(name), 1 << 20, content), FileReadResult::Ok);
    bool flag = false;
    LineReader in(content, flag);
    ContactCase c;
    EXPECT_EQ(ReadProjectLines(in, c), 0);
    return c;
}

// The ball in its groove: the greatest shear stress lies below the minor half-axis, where
// hardening depths are chosen from, not 0.47 times the long one.
TEST(ExampleProjects, BallInGrooveShearDepthFollowsTheMinorHalfAxis) {
    ContactCase c = LoadExample("kugel_rille.zl3");
    MessageList m;
    CalculateCase(c, m);
    ASSERT_FALSE(m.calculationFailed);
    const ContactResults& r = c.result;
    ASSERT_GT(r.a1, 5 * r.a2);
    EXPECT_DOUBLE_EQ(r.z, 0.47 * r.a2);
    EXPECT_LT(r.z, r.a2);

    // Exact: tests/contact/exact_reference.py for rx = ry = 3.969 on rx = -4.128, ry = 15.75,
    // steel, F = 1500.
    c.method = CalculationMethod::Exact;
    CalculateCase(c, m);
    ASSERT_FALSE(m.calculationFailed);
    EXPECT_NEAR(r.a1, 1.4999694883566328, 1e-12);
    EXPECT_NEAR(r.a2, 0.16097295925919677, 1e-13);
    EXPECT_NEAR(r.pmax, 2966.1785670607542, 1e-8);
    EXPECT_NEAR(r.w, 0.015004145897406203, 1e-14);
    EXPECT_NEAR(r.z, 0.123802705353633, 1e-7);
    EXPECT_NEAR(r.tau, 934.542428228792, 1e-6);
    EXPECT_NEAR(r.sigmaZ, 2343.2561812731, 1e-5);
    EXPECT_NEAR(r.sigmaY, 474.171324815513, 1e-5);
    EXPECT_NEAR(r.zVonMises, 0.115371165116719, 1e-7);
    EXPECT_NEAR(r.vonMises, 1700.40649463094, 1e-5);
}

}  // namespace
}  // namespace zel3
