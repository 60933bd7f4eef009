#include "shell/cad_batch.h"

#include <gtest/gtest.h>

#include "contact/hertz_solver.h"
#include "support/cad_run.h"
#include "support/contact_cases.h"

namespace zel3 {
namespace {

TEST(CadBatch, ItemsOneToSevenWriteTheirListingAndOthersNothing) {
    test::CadTestProgram t("cad_batch");
    t.program.contactCase = test::SphereOnSphere(20, 40, 1000);
    CalculateCase(t.program.contactCase, t.program.messages);
    for (int item = 1; item <= 7; ++item) {
        t.program.run.ProjectName = t.dir.File("item" + std::to_string(item));
        RunCadBatch(t.program, kCadTxt, item);
        const auto records = test::ReadTxtListing(t.Output("txt"));
        ASSERT_FALSE(records.empty()) << item;
        EXPECT_EQ(records.front().keyword, "MINMAX");
        EXPECT_EQ(records.back().keyword, "EOF");
        EXPECT_EQ(t.program.contactCase.F, 1000);
    }
    t.program.run.ProjectName = t.dir.File("item9");
    RunCadBatch(t.program, kCadTxt, 9);
    EXPECT_FALSE(std::ifstream(t.Output("txt")).good());
}

}  // namespace
}  // namespace zel3
