// Every drawing the program makes, written as DXF and read back by an independent reader
// (ezdxf), whose audit must find no error.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "contact/diagrams.h"
#include "contact/hertz_solver.h"
#include "graphics/contact_sheet.h"
#include "support/cad_run.h"
#include "support/contact_cases.h"

namespace zel3 {
namespace {

using test::CadTestProgram;

TEST(DrawingsDxf, AllSheetsAndDiagramsPassTheAuditOfAnIndependentReader) {
    CadTestProgram t("dxf_all");
    std::string files;
    for (const test::NamedCase& nc : test::DrawingCases()) {
        for (int item = 1; item <= 7; ++item) {
            t.program.contactCase = nc.c;
            CalculateCase(t.program.contactCase, t.program.messages);
            ASSERT_FALSE(t.program.messages.calculationFailed) << nc.name;
            t.program.run.ProjectName = t.dir.File(nc.name + "_" + std::to_string(item));
            t.program.ui.errorFlag = false;
            if (item <= 3)
                ShowContactSheet(t.program, kCadDxf, item);
            else
                ShowDiagram(t.program, item - 3, kCadDxf);
            const std::string out = t.Output("dxf");
            if (!std::ifstream(out).good()) {
                // Kinds 1 and 2 are refused for contacts without a deformation.
                EXPECT_TRUE(item == 4 || item == 5) << out;
                continue;
            }
            files += " '" + out + "'";
        }
    }
    // Debian's interpreter, where python3-ezdxf lives, before any other on the path.
    const std::string python =
        ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
    const std::string cmd = python + " '" ZEL3_TEST_SOURCE_DIR "/cad/dxf_audit_check.py'" + files;
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

}  // namespace
}  // namespace zel3
