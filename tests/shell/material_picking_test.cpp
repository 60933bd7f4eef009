// The material dialog's "Datenbank..." and the Database menu through the list browser.
#include "shell/material_picking.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "report/report_test_support.h"

namespace zel3::test {
namespace {

class MaterialPicking : public ::testing::Test, protected ReportProgram {
  protected:
    MaterialPicking() {
        for (const char* f :
             {"wst1base.dbf", "wst1base.ndx", "wst1bas1.ndx", "zel3wst.dbf", "zel3wst.ndx"}) {
            std::filesystem::copy_file(std::string(ZEL3_SOURCE_DATA_DIR) + "/" + f, temp / f);
        }
        program.settings.folders.DbfDir = temp.Dir();
        InstallMaterialPicking(program);
    }

    // The list the last list dialog showed.
    const DialogRequest& LastList() const {
        for (auto it = platform->requests.rbegin(); it != platform->requests.rend(); ++it) {
            if (it->kind == "list") return *it;
        }
        throw std::runtime_error("no list shown");
    }

    static int LineOf(const std::vector<std::string>& lines, const std::string& start) {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i) + 1;
        }
        return 0;
    }
};

TEST_F(MaterialPicking, PickFromTheListFillsTheBody) {
    ContactBody& b = program.contactCase.body[1];
    b.materialNumber = "1.3505";
    // First look: cancelled, which changes nothing.
    EXPECT_FALSE(program.pickMaterial(2));
    EXPECT_EQ(b.materialName, "");
    const std::vector<std::string> lines = LastList().options;
    EXPECT_EQ(LastList().prompt, "Werkstoff-Basisdaten");
    ASSERT_GT(lines.size(), 20u);
    const int line100Cr6 = LineOf(lines, "1.3505  100Cr6");
    ASSERT_NE(line100Cr6, 0);
    EXPECT_EQ(LastList().preset, std::to_string(line100Cr6)) << "starts on the body's material";
    // Sorted by name, as the second index orders the table.
    EXPECT_LT(line100Cr6, LineOf(lines, "1.0038  S235JR"));

    platform->dialogAnswers = {DialogAnswer::Choice(line100Cr6)};
    EXPECT_TRUE(program.pickMaterial(2));
    EXPECT_EQ(b.materialName, "100Cr6");
    EXPECT_DOUBLE_EQ(b.E, 210000);
    EXPECT_DOUBLE_EQ(b.pHstat, 4200);
    EXPECT_DOUBLE_EQ(b.pHdyn, 1500);
    EXPECT_EQ(program.dbfTables.Table(1), nullptr) << "tables closed again";
}

TEST_F(MaterialPicking, MissingTableIsReported) {
    std::filesystem::remove(temp / "wst1base.dbf");
    EXPECT_FALSE(program.pickMaterial(1));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              "Datei " + temp.Dir() + "wst1base.dbf nicht gefunden oder kein Zugriffsrecht !");
    for (const auto& r : platform->requests) EXPECT_NE(r.kind, "list");
}

TEST_F(MaterialPicking, DatabaseMenuBrowsesThePressureTableWithoutChangingTheCase) {
    const ContactBody before = program.contactCase.body[0];
    platform->dialogAnswers = {DialogAnswer::Choice(1)};
    BrowseMaterialTable(program, 3);
    EXPECT_EQ(LastList().options.front().substr(0, 6), "1.3505");
    EXPECT_NE(LastList().options.front().find("4200  1500"), std::string::npos);
    EXPECT_EQ(program.contactCase.body[0].materialName, before.materialName);
    EXPECT_DOUBLE_EQ(program.contactCase.body[0].pHstat, before.pHstat);
}

}  // namespace
}  // namespace zel3::test
