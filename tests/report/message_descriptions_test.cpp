#include "report/message_descriptions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zel3 {
namespace {

namespace fs = std::filesystem;

const std::string kShipped = std::string(ZEL3_SOURCE_DATA_DIR) + "/zel3.err";

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class DescriptionFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zel3_err_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = (dir / "zel3.err").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    void Write(const std::string& data) { std::ofstream(file, std::ios::binary) << data; }

    fs::path dir;
    std::string file;
};

TEST(ShippedDescriptions, EveryFindingOfTheProgramHasCauseAndRemedy) {
    for (const char* m :
         {"Fatal  : E = 0 !", "Fatal  : F = 0 !", "Fatal  : r = 0 !", "Fatal  : L zyl = 0 !",
          "Fehler : pmax > pzul !", "Fehler : pmax > pHstat 1", "Fehler : pmax > pHdyn2",
          "Fehler : DBF Error 3", "Fehler : Database #12", "Error: function ArcCos in math",
          "a1 (pow)", "a2 (pow)"}) {
        const MessageDescription d = FindMessageDescription(kShipped, m);
        ASSERT_EQ(d.status, DescriptionStatus::Found) << m;
        EXPECT_GT(d.cause.size(), 40u) << m;
        EXPECT_GT(d.remedy.size(), 40u) << m;
        EXPECT_LT(d.cause.size(), 255u) << m;
        EXPECT_LT(d.remedy.size(), 255u) << m;
    }
    EXPECT_NE(MessageCause(kShipped, "Fatal  : E = 0 !"),
              MessageCause(kShipped, "Fatal  : F = 0 !"));
    EXPECT_EQ(MessageCause(kShipped, "Fehler : pmax > pzul !"),
              MessageCause(kShipped, "Fehler : pmax > pHdyn1"));
}

TEST(ShippedDescriptions, AreCodePage850WithCrLfLineEnds) {
    const std::string data = ReadAll(kShipped);
    ASSERT_FALSE(data.empty());
    ASSERT_EQ(data.substr(data.size() - 2), "\r\n");
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\n') {
            ASSERT_EQ(data[i - 1], '\r') << "at byte " << i;
        }
    }
    EXPECT_NE(data.find("K\x94rper"), std::string::npos) << "umlauts as code page 850 bytes";
    EXPECT_EQ(data.find("\xC3"), std::string::npos) << "no UTF-8";
}

TEST(ShippedDescriptions, FileLivesInThePictureFolderOrTheProgramData) {
    Folders f;
    EXPECT_EQ(MessageDescriptionFile(f, "/usr/share/zel3/", "zel3"), "/usr/share/zel3/zel3.err");
    f.PltDir = "/daten/plt";
    EXPECT_EQ(MessageDescriptionFile(f, "/usr/share/zel3/", "zel3"), "/daten/plt/zel3.err");
}

TEST_F(DescriptionFileTest, MissingFileOrEntryGiveTheReportTexts) {
    EXPECT_EQ(MessageCause(file, "Fatal  : E = 0 !"), "");
    EXPECT_EQ(MessageRemedy(file, "Fatal  : E = 0 !"), "");
    Write("Kopf\r\nFatal  : F = 0 !\r\nU\r\nA\r\n");
    EXPECT_EQ(MessageCause(file, "Fatal  : E = 0 !"), kNoDescription);
    EXPECT_EQ(MessageRemedy(file, "Fatal  : E = 0 !"), "");
    EXPECT_EQ(MessageCause(file, "Fatal  : F = 0 !"), "U");
    EXPECT_EQ(MessageRemedy(file, "Fatal  : F = 0 !"), "A");
    MessageList list;
    list.AddMessage("Fatal  : F = 0 !");
    EXPECT_EQ(MessageRemedy(file, list, 1), "A");
    EXPECT_EQ(MessageCause(file, list, 2), "");
}

TEST_F(DescriptionFileTest, DamagedFilesAreReadAsFarAsTheyGo) {
    Write("Fatal  : F = 0 !\nnur die Ursache");  // truncated, LF only
    MessageDescription d = FindMessageDescription(file, "Fatal  : F = 0 !");
    EXPECT_EQ(d.status, DescriptionStatus::Found);
    EXPECT_EQ(d.cause, "nur die Ursache");
    EXPECT_EQ(d.remedy, "");

    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) % 256);
    Write(binary);
    EXPECT_EQ(FindMessageDescription(file, "Fatal  : F = 0 !").status, DescriptionStatus::NoEntry);

    const std::string longLine(300000, 'x');
    Write(longLine + "\r\nFatal  : F = 0 !\r\n" + longLine + "\r\nAbhilfe\r\n");
    d = FindMessageDescription(file, "Fatal  : F = 0 !");
    EXPECT_EQ(d.cause, longLine);
    EXPECT_EQ(d.remedy, "Abhilfe");

    fs::resize_file(file, 5 * 1024 * 1024);  // far beyond any description file
    EXPECT_EQ(FindMessageDescription(file, "Fatal  : F = 0 !").status, DescriptionStatus::NoFile);
    EXPECT_EQ(FindMessageDescription(dir.string(), "Fatal  : F = 0 !").status,
              DescriptionStatus::NoFile);
    EXPECT_EQ(FindMessageDescription(file, "").status, DescriptionStatus::NoFile);
}

TEST_F(DescriptionFileTest, WritingBackChangesOnlyThatEntry) {
    const std::string longLine(5000, 'y');
    Write("Kopf\n" + longLine + "\nFatal  : E = 0 ! frei\nalt U\nalt A\nFatal  : F = 0 !\nU\nA");
    EXPECT_EQ(WriteMessageDescription(file, "Fatal  : E = 0 !", "neu U", "neu A"),
              DescriptionWrite::Written);
    EXPECT_EQ(ReadAll(file), "Kopf\n" + longLine +
                                 "\nFatal  : E = 0 ! frei\nneu U\nneu A\nFatal  : F = 0 !\nU\nA");
    EXPECT_EQ(WriteMessageDescription(file, "Fatal  : F = 0 !", "U2", "A2"),
              DescriptionWrite::Written);
    EXPECT_EQ(MessageRemedy(file, "Fatal  : F = 0 !"), "A2");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

TEST_F(DescriptionFileTest, WritingBackCompletesATruncatedEntryAndRefusesAMissingOne) {
    Write("Fatal  : r = 0 !\r\n");
    EXPECT_EQ(WriteMessageDescription(file, "Fatal  : r = 0 !", "U", "A"),
              DescriptionWrite::Written);
    EXPECT_EQ(ReadAll(file), "Fatal  : r = 0 !\r\nU\r\nA\r\n");
    EXPECT_EQ(WriteMessageDescription(file, "Fatal  : E = 0 !", "U", "A"),
              DescriptionWrite::NoEntry);
    EXPECT_EQ(ReadAll(file), "Fatal  : r = 0 !\r\nU\r\nA\r\n");
    EXPECT_EQ(WriteMessageDescription((dir / "fehlt.err").string(), "Fatal  : r = 0 !", "U", "A"),
              DescriptionWrite::Failed);
}

}  // namespace
}  // namespace zel3
