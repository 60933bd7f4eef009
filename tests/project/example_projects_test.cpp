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

}  // namespace
}  // namespace zel3
