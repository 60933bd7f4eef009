// The files installed for the desktop and for `man`: checked by the desktop's own validators,
// by `man` itself and by an XML reader, and held against what the program really accepts.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "shell/help_screen.h"
#include "shell/program.h"
#include "shell/start_up.h"
#include "support/python_reader.h"
#include "support/temp_folder.h"

namespace {

const std::string kPackaging = ZEL3_PACKAGING_DIR;
const std::string kAppId = "de.trellox.zel3";
const std::string kDesktopFile = kPackaging + "/" + kAppId + ".desktop";
const std::string kMetainfo = kPackaging + "/" + kAppId + ".metainfo.xml";

struct CommandResult {
    int status = -1;
    std::string out;
};

// Runs a shell command and returns its exit code and standard output.
CommandResult RunCommand(const std::string& command) {
    CommandResult r;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = ::pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The manual page as a reader sees it, in plain ASCII on lines too wide to break.
std::string RenderedManualPage() {
    return RunCommand("LC_ALL=C MANWIDTH=1000 man -l '" ZEL3_MANUAL_PAGE "' 2>/dev/null").out;
}

TEST(DesktopEntry, PassesTheValidatorAndStartsTheProgramWithAFile) {
    const CommandResult v = RunCommand("desktop-file-validate '" + kDesktopFile + "' 2>&1");
    EXPECT_EQ(v.status, 0) << v.out;
    EXPECT_EQ(v.out, "");
    const std::string entry = FileText(kDesktopFile);
    EXPECT_NE(entry.find("\nExec=wzel3 %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=zel3\n"), std::string::npos);
}

TEST(DesktopEntry, IconIsAnSvgOfTwoCirclesAndA256PixelPng) {
    const std::string script =
        "import sys, xml.etree.ElementTree as E\n"
        "r = E.parse(sys.argv[1]).getroot()\n"
        "ns = '{http://www.w3.org/2000/svg}'\n"
        "assert r.tag == ns + 'svg'\n"
        "big = [c for c in r.iter(ns + 'circle') if float(c.get('r')) >= 10]\n"
        "assert len(big) == 2, big\n"
        "(a, b) = [(float(c.get('cx')), float(c.get('cy')), float(c.get('r'))) for c in big]\n"
        "d = ((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2) ** 0.5\n"
        "assert abs(d - a[2] - b[2]) < 0.01, d\n";
    const CommandResult svg =
        RunCommand("python3 -c \"" + script + "\" '" + kPackaging + "/zel3.svg' 2>&1");
    EXPECT_EQ(svg.status, 0) << svg.out;

    // The PNG header: signature, then the IHDR chunk with width and height.
    const std::string png = zel3::test::ReadBytes(kPackaging + "/zel3.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    auto be32 = [&png](size_t at) {
        unsigned v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(png[at + i]);
        return v;
    };
    EXPECT_EQ(be32(16), 256u);
    EXPECT_EQ(be32(20), 256u);
}

TEST(DesktopEntry, ProjectFilesAreATypeTheEntryOpens) {
    // The desktop's own database compiler reads the type definition into a scratch folder.
    zel3::test::TempFolder temp;
    const std::string packages = temp / "packages";
    const CommandResult r =
        RunCommand("mkdir '" + packages + "' && cp '" + kPackaging + "/" + kAppId + ".mime.xml' '" +
                   packages + "/' && update-mime-database '" + temp.Dir() +
                   "' 2>/dev/null && cat '" + temp.Dir() + "globs2'");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(":application/x-zel3-project:*.zl3\n"), std::string::npos) << r.out;
    EXPECT_NE(FileText(kDesktopFile).find("\nMimeType=application/x-zel3-project;\n"),
              std::string::npos);
}

TEST(Metainfo, PassesAppStreamValidation) {
    const CommandResult v = RunCommand("appstreamcli validate --no-net '" + kMetainfo + "' 2>&1");
    EXPECT_EQ(v.status, 0) << v.out;
}

TEST(Metainfo, NamesTheDesktopEntryTheCommandAndTheCurrentVersion) {
    int status = 0;
    const std::string out =
        zel3::test::RunTestScript("packaging/metainfo_check.py",
                                  "'" + kMetainfo + "' '" + kAppId + ".desktop' wzel3 '" +
                                      zel3::ProgramIdentity().VersionText + "'",
                                  status);
    EXPECT_EQ(status, 0) << out;
    // The package and the manual page take their version from the build.
    EXPECT_EQ(ZEL3_PROJECT_VERSION, zel3::ProgramIdentity().VersionText);
}

TEST(ManualPage, RendersWithoutWarnings) {
    const CommandResult r =
        RunCommand("MANWIDTH=80 man --warnings -l '" ZEL3_MANUAL_PAGE "' 2>&1 >/dev/null");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    const std::string page = RenderedManualPage();
    for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS",
                                "ENVIRONMENT", "FILES", "EXAMPLES"})
        EXPECT_NE(page.find(std::string("\n") + section + "\n"), std::string::npos) << section;
    EXPECT_NE(page.find("ZEL3 " + zel3::ProgramIdentity().VersionText), std::string::npos);
}

TEST(ManualPage, DocumentsEveryOptionTheProgramNames) {
    // The classic switches of the help screen and every GNU option `wzel3 --help` lists.
    std::set<std::string> options;
    const std::regex classic(R"((^|\s)(/[A-Z?]+)(i:j)?)");
    for (const std::string& line : zel3::HelpScreenLines(zel3::ProgramIdentity())) {
        for (std::sregex_iterator m(line.begin(), line.end(), classic), end; m != end; ++m)
            options.insert((*m)[2]);
    }
    const CommandResult help = RunCommand("'" ZEL3_WZEL3_PATH "' --help");
    EXPECT_EQ(help.status, 0);
    const std::regex gnu(R"(--[a-z][a-z-]*=?)");
    for (std::sregex_iterator m(help.out.begin(), help.out.end(), gnu), end; m != end; ++m)
        options.insert(m->str());
    options.insert({"--report", "--cad=", "--no-gui", "--version", "--help"});
    EXPECT_GE(options.count("/NOGUI"), 1u) << "help screen not parsed";

    const std::string page = RenderedManualPage();
    for (const std::string& option : options)
        EXPECT_NE(page.find(option), std::string::npos) << option << " is not documented";
    // Every output kind a CAD batch run takes, by its number.
    for (const char* kind :
         {"1 +DXF", "2 +IGES", "4 +plot", "5 +text listing", "6 +SVG", "7 +PDF", "8 +PNG"})
        EXPECT_TRUE(std::regex_search(page, std::regex(std::string("\n +") + kind))) << kind;
}

// One section of the rendered page: from its heading to the next heading at the margin.
std::string Section(const std::string& page, const std::string& title) {
    const size_t begin = page.find("\n" + title + "\n");
    if (begin == std::string::npos) return {};
    std::smatch next;
    const std::string rest = page.substr(begin + title.size() + 1);  // from the heading's "\n"
    return std::regex_search(rest, next, std::regex("\n[A-Z]")) ? rest.substr(0, next.position())
                                                                : rest;
}

TEST(ManualPage, NamesTheEnvironmentTheFilesAndTheExitCodes) {
    const std::string page = RenderedManualPage();
    const std::string environment = Section(page, "ENVIRONMENT");
    for (const char* variable : {"ZEL3_HOME", "XDG_CONFIG_HOME", "TEMP", "TMPDIR", "USERNAME",
                                 "USER", "DISPLAY", "QT_QPA_PLATFORM"})
        EXPECT_TRUE(std::regex_search(
            environment, std::regex(std::string("\n +([A-Z_]+, )*") + variable + "[,\n]")))
            << variable;
    const std::string files = Section(page, "FILES");
    for (const char* file : {"zel3.cfg", "zel3.cff", ".zl3", "zel3.err", "wst1base.dbf",
                             "zel3wst.dbf", "printout.dbf", "outwin.txt"})
        EXPECT_NE(files.find(file), std::string::npos) << file;
    const std::string exit = Section(page, "EXIT STATUS");
    for (int code : {zel3::kExitOk, zel3::kExitLoadFailed})
        EXPECT_TRUE(std::regex_search(exit, std::regex("\n +" + std::to_string(code) + " ")))
            << code;
}

}  // namespace
