// The desktop entry and its icon, checked by the desktop's own validator and an XML reader.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kData = ZEL3_SOURCE_DATA_DIR;

int ExitCodeOf(const std::string& command) {
    const int status = std::system((command + " >&2").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Entry() {
    std::ifstream in(kData + "/zel3.desktop");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(DesktopEntry, PassesTheValidatorAndStartsTheProgramWithAFile) {
    EXPECT_EQ(ExitCodeOf("desktop-file-validate '" + kData + "/zel3.desktop'"), 0);
    const std::string entry = Entry();
    EXPECT_NE(entry.find("\nExec=wzel3 %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=zel3\n"), std::string::npos);
}

TEST(DesktopEntry, IconIsAnSvgOfTwoCircles) {
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
    EXPECT_EQ(ExitCodeOf("python3 -c \"" + script + "\" '" + kData + "/zel3.svg'"), 0);
}

}  // namespace
