#include "shell/help_screen.h"

namespace zel3 {

std::string HelpScreenTitle(const ProgramIdentity& id) {
    return id.ProductName + " Command Line Mode";
}

std::vector<std::string> HelpScreenLines(const ProgramIdentity& id) {
    const std::string exe = "w" + id.ShortName;
    const std::string test = "test." + id.ProjectExt;
    // Its "->" stands in column 10 like that of the other switches.
    std::string noGui = "/NOGUI";
    noGui.resize(9, ' ');
    std::vector<std::string> lines = {
        "",
        exe + " Filename [/I] [/CADi:j] [/NOGUI]",
        "",
        "/I       -> TXT file",
        "",
        "/CADi:j  -> CAD File",
        "            i: 1=DXF, 2=IGS, 5=TXT",
        "            j: index (1,2,3, ..)",
        "",
        noGui + "-> No GUI, exit on fatal error",
        "",
        "",
        "",
        "/?       -> Help",
        "",
        "",
        "Example: " + exe + " " + test + "             ->  GUI",
        "Example: " + exe + " " + test + " /I /NOGUI   ->  test.txt",
        "Example: " + exe + " " + test + " /CAD1:1     ->  test.dxf",
        "Example: " + exe + " test.edi /E /NOGUI   ->  test.edi",
    };
    for (auto& l : lines) {
        if (l.size() > 65) l.resize(65);
    }
    return lines;
}

std::vector<std::string> GnuOptionLines() {
    return {
        "",
        "Options:",
        "--report     -> TXT file, as /I",
        "--cad=i:j    -> CAD file, as /CADi:j; i: 6=SVG, 7=PDF, 8=PNG too",
        "--no-gui     -> No GUI, exit on fatal error, as /NOGUI",
        "--json       -> calculate, results as JSON on standard output",
        "--method=m   -> calculation method m: table or exact",
        "--version    -> print the version",
        "--help       -> this help",
    };
}

}  // namespace zel3
