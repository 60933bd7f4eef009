// "--json" through the real executable, its output read back by Python's json module.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

#include "contact/hertz_solver.h"
#include "project/project_file_format.h"
#include "shell/command_line.h"
#include "shell/json_batch.h"
#include "support/python_reader.h"
#include "support/temp_folder.h"

namespace zel3::test {
namespace {

const std::string kExamples = std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/";

std::string ProjectText(const ContactCase& c) {
    LineWriter out;
    WriteProjectLines(out, NumberFormat{}, {"ZEL3  Hertz'sche Pressung", "2.7", "ZEL3"}, c);
    return out.content();
}

// Every value of the output as "index.path" -> text, as Python read it.
using Values = std::map<std::string, std::string>;

class JsonBatchTest : public ::testing::Test {
  protected:
    // Runs wzel3 in the temporary folder with its own settings folder; the exit code. The
    // output is read by Python into values unless it is no JSON.
    int Run(const std::string& args, bool json = true) {
        const std::string cmd = "cd '" + temp.Dir() + "' && ZEL3_HOME='" + temp.Dir() + "' TEMP='" +
                                temp.Dir() + "' '" ZEL3_WZEL3_PATH "' " + args + " >'" +
                                temp.Dir() + "out.jsonl' 2>'" + temp.Dir() + "err.log'";
        const int status = std::system(cmd.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (!json) return code;
        int readStatus = 0;
        const std::string read =
            RunTestScript("shell/json_lines_check.py", "'" + temp.Dir() + "out.jsonl'", readStatus);
        EXPECT_EQ(readStatus, 0) << read << "\noutput:\n" << ReadBytes(temp / "out.jsonl");
        values.clear();
        std::istringstream lines(read);
        for (std::string line; std::getline(lines, line);) {
            const auto eq = line.find('=');
            if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return code;
    }
    std::string At(const std::string& key) const {
        auto it = values.find(key);
        return it == values.end() ? "<missing " + key + ">" : it->second;
    }
    bool Has(const std::string& key) const { return values.count(key) != 0; }
    double Number(const std::string& key) const { return std::strtod(At(key).c_str(), nullptr); }

    TempFolder temp;
    Values values;
};

TEST_F(JsonBatchTest, EveryShippedExampleGivesOneCompleteObjectInTheOrderGiven) {
    const char* names[] = {"kugel_kugel.zl3", "kugel_rille.zl3", "rolle_ebene.zl3",
                           "rolle_rolle.zl3"};
    std::string args;
    for (const char* n : names) args += " '" + kExamples + n + "'";
    ASSERT_EQ(Run(args + " --json"), 0) << ReadBytes(temp / "err.log");
    ASSERT_EQ(At("count"), "4");
    const char* resultKeys[] = {"Estar", "a1",  "a2",     "w",      "pmax", "R",   "pzul",
                                "z",     "tau", "sigmaZ", "sigmaY", "Eht",  "Rht", "theta"};
    const char* bodyKeys[] = {
        "kind", "rx", "ry",     "sphereDiameter", "cylinderDiameter", "cylinderLength", "E", "nu",
        "Rm",   "Re", "pHstat", "pHdyn",          "material"};
    for (int i = 0; i < 4; ++i) {
        const std::string o = std::to_string(i);
        EXPECT_EQ(At(o + ".file"), "\"" + kExamples + names[i] + "\"");
        EXPECT_EQ(At(o + ".method"), "\"table\"");
        EXPECT_EQ(At(o + ".failed"), "false");
        EXPECT_FALSE(Has(o + ".error"));
        EXPECT_EQ(At(o + ".bodies.len"), "2");
        for (const char* k : resultKeys) {
            const double v = Number(o + ".results." + k);
            EXPECT_TRUE(std::isfinite(v))
                << names[i] << " " << k << " = " << At(o + ".results." + k);
        }
        EXPECT_GT(Number(o + ".results.pmax"), 0.0) << names[i];
        for (int b = 0; b < 2; ++b)
            for (const char* k : bodyKeys)
                EXPECT_TRUE(Has(o + ".bodies." + std::to_string(b) + "." + k)) << names[i] << k;
        // The exact method's fields belong to exact runs only.
        EXPECT_FALSE(Has(o + ".results.vonMises"));
    }
    EXPECT_EQ(At("0.bodies.0.kind"), "\"sphere\"");
    EXPECT_EQ(At("2.bodies.1.kind"), "\"plane\"");
    EXPECT_EQ(At("3.bodies.0.kind"), "\"cylinder\"");
    EXPECT_EQ(Number("0.F"), 1000.0);
}

TEST_F(JsonBatchTest, DamagedAndMissingFilesGetAFailedObjectAndTheRunGoesOn) {
    const std::string good = ReadBytes(kExamples + "kugel_kugel.zl3");
    WriteBytes(temp / "kurz.zl3", good.substr(0, 200));
    WriteBytes(temp / "binaer.zl3", std::string("\0\x01\x02\xff\xfe kein Projekt\x81", 20));
    WriteBytes(temp / "gut.zl3", good);
    ASSERT_EQ(Run("kurz.zl3 binaer.zl3 fehlt.zl3 gut.zl3 --json --no-gui"), 1);
    ASSERT_EQ(At("count"), "4");
    const char* files[] = {"kurz.zl3", "binaer.zl3", "fehlt.zl3"};
    for (int i = 0; i < 3; ++i) {
        const std::string o = std::to_string(i);
        EXPECT_EQ(At(o + ".file"), std::string("\"") + files[i] + "\"");
        EXPECT_EQ(At(o + ".failed"), "true");
        EXPECT_NE(At(o + ".error").find(files[i]), std::string::npos) << At(o + ".error");
        EXPECT_FALSE(Has(o + ".results.pmax"));
    }
    EXPECT_EQ(At("3.failed"), "false");
    EXPECT_FALSE(Has("3.error"));
    EXPECT_GT(Number("3.results.pmax"), 4000.0) << "the file after the damaged ones is whole";
}

TEST_F(JsonBatchTest, FatalFindingFailsTheCaseWithItsFindingAndExitOne) {
    ContactCase c;
    c.body[0].E = 0;
    c.body[0].sphereDiameter = c.body[1].sphereDiameter = 20;
    c.body[1].materialName = "St\x84hle \x9b";  // code page 850: "Stähle ø"
    c.F = 1000;
    WriteBytes(temp / "e_null.zl3", ProjectText(c));
    ASSERT_EQ(Run("--json e_null.zl3"), 1);
    EXPECT_EQ(At("0.failed"), "true");
    EXPECT_EQ(At("0.findings.len"), "1");
    EXPECT_EQ(At("0.findings.0"), "\"Fatal  : E = 0 !\"");
    EXPECT_EQ(At("0.bodies.1.material"), "\"St\u00e4hle \u00f8\"");
    EXPECT_EQ(At("0.bodies.0.E"), "0.0");
}

TEST_F(JsonBatchTest, NumbersReadBackToTheSameDouble) {
    ContactCase c;
    c.body[0].sphereDiameter = c.body[1].sphereDiameter = 20;
    c.F = 1000;
    WriteBytes(temp / "k.zl3", ProjectText(c));
    ASSERT_EQ(Run("k.zl3 --json"), 0);
    // Values no short decimal spells: the spring rate and p max of the calculation.
    ContactCase expected = c;
    MessageList messages;
    CalculateCase(expected, messages);
    const std::pair<const char*, double> checks[] = {{"0.results.pmax", expected.result.pmax},
                                                     {"0.results.R", expected.result.R},
                                                     {"0.results.a1", expected.result.a1},
                                                     {"0.results.w", expected.result.w},
                                                     {"0.results.Estar", expected.result.Estar}};
    for (const auto& [key, value] : checks) {
        const double read = Number(key);
        EXPECT_EQ(std::memcmp(&read, &value, sizeof value), 0)
            << key << ": " << At(key) << " vs " << value;
    }
}

TEST_F(JsonBatchTest, ExitCodesAndTheClassicSwitches) {
    WriteBytes(temp / "gut.zl3", ReadBytes(kExamples + "rolle_rolle.zl3"));
    EXPECT_EQ(Run("--json gut.zl3 /NOGUI"), 0);
    EXPECT_EQ(At("count"), "1");
    EXPECT_FALSE(Has("0.results.vonMises"));
    EXPECT_EQ(Run("--json --method=exact gut.zl3"), 0);
    EXPECT_EQ(At("0.method"), "\"exact\"");
    EXPECT_GT(Number("0.results.vonMises"), 0.0);
    EXPECT_GT(Number("0.results.zVonMises"), 0.0);
    EXPECT_EQ(Run("--json"), 1) << "no file to report on";
    EXPECT_EQ(At("count"), "0");
    EXPECT_NE(ReadBytes(temp / "err.log").find("--json"), std::string::npos);
    // The help screen keeps working as before.
    EXPECT_EQ(Run("/? --json", false), 0);
    EXPECT_NE(ReadBytes(temp / "out.jsonl").find("Command Line Mode"), std::string::npos);
}

TEST(JsonCommandLine, JsonIsAnOptionAndOnlyTheClassicSwitchesAreNoFiles) {
    ParsedCommandLine cl = ParseCommandLine({"a.zl3", "--json", "b.zl3", "/nogui"});
    EXPECT_TRUE(cl.json);
    EXPECT_EQ(JsonProjectFiles(cl.params), (std::vector<std::string>{"a.zl3", "b.zl3"}));
    EXPECT_EQ(JsonProjectFiles({"/CADteile/x.zl3", "/CAD1:2", "/I", "/home/u/y.zl3"}),
              (std::vector<std::string>{"/CADteile/x.zl3", "/home/u/y.zl3"}));
    EXPECT_FALSE(ParseCommandLine({"a.zl3", "/I"}).json);
}

}  // namespace
}  // namespace zel3::test
