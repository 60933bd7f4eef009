// wzel3_window: the desktop program. wzel3 hands over to it when a window is wanted, so that
// batch runs never load Qt.

#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/qt_application.h"
#include "shell/qt_picture_batch.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const zel3::ParsedCommandLine cl = zel3::ParseCommandLine(args);
    if (zel3::IsPictureBatch(cl.params))
        return zel3::RunPictureBatch(argc, argv, cl.params, cl.method);
    return zel3::RunApplication(argc, argv, cl.params, cl.method);
}
