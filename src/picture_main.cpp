// wzel3_picture: picture jobs ("/CADi:j" with i = 6, 7, 8). wzel3 hands them over to it; it
// loads Qt's painting but neither the widgets nor the print system, so it starts quickly.

#include <iostream>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/qt_picture_batch.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const zel3::ParsedCommandLine cl = zel3::ParseCommandLine(args);
    if (!zel3::IsPictureBatch(cl.params)) {
        std::cerr << "wzel3_picture: only picture jobs (/CAD6:j, /CAD7:j, /CAD8:j); use wzel3\n";
        return 1;
    }
    return zel3::RunPictureBatch(argc, argv, cl.params, cl.method);
}
