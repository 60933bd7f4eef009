#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "shell/command_line.h"
#include "shell/help_screen.h"

namespace zel3 {
namespace {

std::string RunWzel3(const std::string& args, int* exitCode) {
    std::string cmd = std::string(ZEL3_WZEL3_PATH) + " " + args + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 512> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe.get())) > 0) out.append(buf.data(), n);
    int status = pclose(pipe.release());
    *exitCode = WEXITSTATUS(status);
    return out;
}

const char* kHelpScreen =
    "ZEL3 Command Line Mode\n"
    "\n"
    "wzel3 Filename [/I] [/CADi:j] [/NOGUI]\n"
    "\n"
    "/I       -> TXT file\n"
    "\n"
    "/CADi:j  -> CAD File\n"
    "            i: 1=DXF, 2=IGS, 5=TXT\n"
    "            j: index (1,2,3, ..)\n"
    "\n"
    "/NOGUI   -> No GUI, exit on fatal error\n"
    "\n"
    "\n"
    "\n"
    "/?       -> Help\n"
    "\n"
    "\n"
    "Example: wzel3 test.zl3             ->  GUI\n"
    "Example: wzel3 test.zl3 /I /NOGUI   ->  test.txt\n"
    "Example: wzel3 test.zl3 /CAD1:1     ->  test.dxf\n"
    "Example: wzel3 test.edi /E /NOGUI   ->  test.edi\n";

TEST(HelpScreen, EverySwitchHasItsArrowInColumnTen) {
    int switches = 0;
    for (const std::string& line : HelpScreenLines(ProgramIdentity{})) {
        if (line.empty() || line[0] != '/') continue;
        ++switches;
        EXPECT_EQ(line.find("->"), 9u) << line;
    }
    EXPECT_EQ(switches, 4);
}

TEST(HelpScreen, EverySpellingPrintsTheScreenAndExitsZero) {
    for (const char* args : {"?", "/?"}) {
        int code = -1;
        EXPECT_EQ(RunWzel3(std::string("'") + args + "'", &code), kHelpScreen) << args;
        EXPECT_EQ(code, 0) << args;
    }
    // --help goes on with the GNU-style options, one line each.
    for (const char* args : {"-h", "--help", "kugel.zl3 --help"}) {
        int code = -1;
        const std::string out = RunWzel3(args, &code);
        EXPECT_EQ(code, 0) << args;
        ASSERT_EQ(out.compare(0, std::string(kHelpScreen).size(), kHelpScreen), 0) << out;
        const std::string options = out.substr(std::string(kHelpScreen).size());
        for (const char* option : {"\n--report ", "\n--cad=i:j ", "\n--no-gui ", "\n--json ",
                                   "\n--method=", "\n--version ", "\n--help "}) {
            const size_t at = options.find(option);
            ASSERT_NE(at, std::string::npos) << option << "\n" << options;
            // Each explanation stands on the option's own line.
            const size_t end = options.find('\n', at + 1);
            EXPECT_GT(end - at, std::string(option).size() + 5) << option;
        }
        EXPECT_NE(options.find("6=SVG, 7=PDF, 8=PNG"), std::string::npos);
    }
}

TEST(HelpScreen, LinesAreCutTo65Characters) {
    ProgramIdentity id;
    id.ShortName = std::string(80, 'x');
    for (const auto& line : HelpScreenLines(id)) EXPECT_LE(line.size(), 65u);
    EXPECT_EQ(HelpScreenLines(ProgramIdentity{}).size(), 20u);
}

TEST(CommandLine, GnuSpellingsBecomeClassicSwitchesAfterTheFileName) {
    auto cl = ParseCommandLine({"--report", "case.zl3", "--no-gui"});
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_EQ(cl.params, (std::vector<std::string>{"case.zl3", "/I", "/NOGUI"}));
    EXPECT_TRUE(IsBatchRun(cl.params));

    cl = ParseCommandLine({"case.zl3", "--cad=1:3"});
    EXPECT_EQ(cl.params, (std::vector<std::string>{"case.zl3", "/CAD1:3"}));
    EXPECT_TRUE(IsBatchRun(cl.params));
    EXPECT_TRUE(IsBatchRun({"case.zl3", "/cad5:2"}));
    EXPECT_TRUE(IsBatchRun({"case.zl3", "/i"}));
    EXPECT_FALSE(IsBatchRun({"case.zl3"}));
    EXPECT_FALSE(IsBatchRun({"case.zl3", "/E"}));
}

TEST(CommandLine, MethodOptionChoosesTheMethodAndRefusesOtherValues) {
    auto cl = ParseCommandLine({"case.zl3", "--method=exact", "--report"});
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_EQ(cl.method, CalculationMethod::Exact);
    EXPECT_EQ(cl.params, (std::vector<std::string>{"case.zl3", "/I"}));
    EXPECT_EQ(ParseCommandLine({"--method=table", "case.zl3"}).method, CalculationMethod::Table);
    EXPECT_FALSE(ParseCommandLine({"case.zl3"}).method.has_value());
    for (const char* bad : {"--method=", "--method=Exact", "--method=elliptic"}) {
        cl = ParseCommandLine({"case.zl3", bad, "?"});
        EXPECT_EQ(cl.action, CommandLineAction::Error) << bad;
        EXPECT_NE(cl.error.find("--method=table or --method=exact"), std::string::npos);
    }
}

TEST(CommandLine, PictureKindsSixToEightAreJobsForThePaintingProgram) {
    for (const char* p2 : {"/CAD6:3", "/cad7:1", "/CAD8:4"})
        EXPECT_TRUE(IsPictureBatch({"case.zl3", p2})) << p2;
    EXPECT_TRUE(IsPictureBatch(ParseCommandLine({"case.zl3", "--cad=8:2"}).params));
    for (const char* p2 : {"/CAD1:3", "/CAD5:3", "/CAD9:3", "/CAD", "/I", "/E", "/CAD36:1"})
        EXPECT_FALSE(IsPictureBatch({"case.zl3", p2})) << p2;
    EXPECT_FALSE(IsPictureBatch({"case.zl3"}));
}

TEST(CommandLine, QuestionMarkFormsAskForHelpButDashQuestionIsAFileName) {
    EXPECT_EQ(ParseCommandLine({"?"}).action, CommandLineAction::Help);
    EXPECT_EQ(ParseCommandLine({"/?"}).action, CommandLineAction::Help);
    auto cl = ParseCommandLine({"-?"});
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_EQ(cl.params, (std::vector<std::string>{"-?"}));
}

}  // namespace
}  // namespace zel3
