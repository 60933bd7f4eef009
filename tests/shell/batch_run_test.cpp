// The batch runs through the real executable, as a user or a script starts them.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "config/config_file.h"
#include "config/settings.h"
#include "project/project_file_format.h"
#include "support/temp_folder.h"

namespace zel3::test {
namespace {

// Two steel spheres of 20 mm at 1000 N with Re = 800 (p max 4688, p zul 1336).
std::string SphereProject() {
    ContactCase c;
    for (ContactBody& b : c.body) {
        b.kind = BodyKind::Sphere;
        b.sphereDiameter = 20;
        b.Re = 800;
        b.materialName = "St\x84hle";
    }
    c.F = 1000;
    LineWriter out;
    WriteProjectLines(out, NumberFormat{}, {"ZEL3  Hertz'sche Pressung", "2.7", "ZEL3"}, c);
    return out.content();
}

class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(temp / "kugel_kugel.zl3", SphereProject()); }
    // Runs wzel3 in the temporary folder with its own settings folder; the exit code.
    // envChanges: arguments of env(1) in front of the program.
    int Run(const std::string& args, const std::string& envChanges = "") {
        const std::string cmd = "cd '" + temp.Dir() + "' && env " + envChanges + " ZEL3_HOME='" +
                                temp.Dir() + "' TEMP='" + temp.Dir() + "' '" ZEL3_WZEL3_PATH "' " +
                                args + " >'" + temp.Dir() + "out.log' 2>&1";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    TempFolder temp;
};

TEST_F(BatchRunTest, ReportOfTheExampleIsWrittenBesideIt) {
    ASSERT_EQ(Run("kugel_kugel.zl3 /I /NOGUI"), 0) << ReadBytes(temp / "out.log");
    const std::string text = ReadBytes(temp / "kugel_kugel.txt");
    EXPECT_NE(text.find("K\xC3\xB6rper 1\t\t\tKugel\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Werkstoff\t\t\tSt\xC3\xA4hle\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Max.Druckspannung\tp max\tMPa\t   4688\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Fehler : pmax > pzul !"), std::string::npos) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(temp.Dir())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find('$'), std::string::npos) << "temporary file left: " << name;
    }
}

TEST_F(BatchRunTest, NameWithoutExtensionAndGnuSpelling) {
    ASSERT_EQ(Run("kugel_kugel /I"), 0) << ReadBytes(temp / "out.log");
    EXPECT_TRUE(Exists(temp / "kugel_kugel.txt"));
    std::filesystem::remove(temp / "kugel_kugel.txt");
    ASSERT_EQ(Run("--report --no-gui kugel_kugel.zl3"), 0) << ReadBytes(temp / "out.log");
    EXPECT_TRUE(Exists(temp / "kugel_kugel.txt"));
}

// --method= overrides the setting for the one run; zel3.cfg names the exact method here.
TEST_F(BatchRunTest, MethodFromTheSettingsOrTheCommandLine) {
    ASSERT_EQ(Run("kugel_kugel.zl3 --method=exact --report"), 0) << ReadBytes(temp / "out.log");
    std::string text = ReadBytes(temp / "kugel_kugel.txt");
    EXPECT_NE(text.find("Berechnungsverfahren: exakt"), std::string::npos) << text;
    EXPECT_NE(text.find("Vergleichsspannung (v. Mises)\tSigma v\tMPa\t   2907\n"),
              std::string::npos)
        << text;

    Settings s;
    s.calculationMethod = 1;
    WriteBytes(temp / "zel3.cfg", ConfigurationText(s, "zel3", "2.7"));
    ASSERT_EQ(Run("kugel_kugel.zl3 /I"), 0) << ReadBytes(temp / "out.log");
    EXPECT_NE(ReadBytes(temp / "kugel_kugel.txt").find("Sigma v"), std::string::npos);
    ASSERT_EQ(Run("kugel_kugel.zl3 /I --method=table"), 0) << ReadBytes(temp / "out.log");
    text = ReadBytes(temp / "kugel_kugel.txt");
    EXPECT_EQ(text.find("Berechnungsverfahren"), std::string::npos) << text;
    EXPECT_EQ(text.find("Sigma v"), std::string::npos);

    std::filesystem::remove(temp / "kugel_kugel.txt");
    EXPECT_EQ(Run("kugel_kugel.zl3 /I --method=genau"), 1);
    EXPECT_NE(ReadBytes(temp / "out.log").find("--method=table or --method=exact"),
              std::string::npos);
    EXPECT_FALSE(Exists(temp / "kugel_kugel.txt"));
}

TEST_F(BatchRunTest, MissingOrDamagedProjectEndsWithOneAndWritesNothing) {
    EXPECT_EQ(Run("fehlt.zl3 /I /NOGUI"), 1);
    EXPECT_FALSE(Exists(temp / "fehlt.txt"));
    EXPECT_EQ(Run("fehlt.zl3 /CAD1:1"), 1);
    WriteBytes(temp / "kaputt.zl3", std::string("\0\x01\x02 kein Projekt", 16));
    EXPECT_EQ(Run("kaputt.zl3 /I"), 1);
    EXPECT_FALSE(Exists(temp / "kaputt.txt"));
}

TEST_F(BatchRunTest, FatalInputErrorEndsWithOne) {
    ContactCase c;
    c.F = 0;
    LineWriter out;
    WriteProjectLines(out, NumberFormat{}, {"ZEL3  Hertz'sche Pressung", "2.7", "ZEL3"}, c);
    WriteBytes(temp / "null_kraft.zl3", out.content());
    EXPECT_EQ(Run("null_kraft.zl3 /I /NOGUI"), 1);
    EXPECT_FALSE(Exists(temp / "null_kraft.txt"));
}

TEST_F(BatchRunTest, HelpAndCadJobsEndWithZero) {
    EXPECT_EQ(Run("'?'"), 0);
    EXPECT_NE(ReadBytes(temp / "out.log").find("ZEL3 Command Line Mode"), std::string::npos);
    EXPECT_EQ(Run("/?"), 0);
    EXPECT_EQ(Run("kugel_kugel.zl3 /CAD1:9"), 0);
    EXPECT_EQ(Run("kugel_kugel.zl3 /cad1:1"), 0);
}

#ifdef ZEL3_WITH_QT_PROGRAMS
TEST_F(BatchRunTest, WindowWithoutADisplayIsRefusedWithAReason) {
    EXPECT_EQ(Run("kugel_kugel.zl3", "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"), 1);
    const std::string log = ReadBytes(temp / "out.log");
    EXPECT_NE(log.find("no display for the window"), std::string::npos) << log;
}

// wzel3 copied somewhere without the programs it hands over to: a clear reason, exit 1.
TEST_F(BatchRunTest, MissingPictureOrWindowProgramIsNamed) {
    std::filesystem::create_directory(temp / "allein");
    std::filesystem::copy_file(ZEL3_WZEL3_PATH, temp / "allein/wzel3");
    const std::string run = "cd '" + temp.Dir() + "' && env -u DISPLAY ZEL3_HOME='" + temp.Dir() +
                            "' TEMP='" + temp.Dir() + "' '" + temp.Dir() + "allein/wzel3' ";
    const std::string log = temp / "allein.log";
    int status = std::system((run + "kugel_kugel.zl3 /CAD8:3 /NOGUI >'" + log + "' 2>&1").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_NE(ReadBytes(log).find("the picture program cannot be started: " + temp.Dir() +
                                  "allein/wzel3_picture: No such file"),
              std::string::npos)
        << ReadBytes(log);
    EXPECT_FALSE(Exists(temp / "kugel_kugel.png"));
    // With a display named, the window is looked for beside wzel3 as well.
    const std::string window = "cd '" + temp.Dir() + "' && env DISPLAY=:97 ZEL3_HOME='" +
                               temp.Dir() + "' '" + temp.Dir() + "allein/wzel3' ";
    status = std::system((window + "kugel_kugel.zl3 >'" + log + "' 2>&1").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_NE(ReadBytes(log).find("the window cannot be started"), std::string::npos)
        << ReadBytes(log);
}
#endif

}  // namespace
}  // namespace zel3::test
