// The desktop program as a module: wzel3 loads it only when a window is wanted, so batch runs
// never load Qt.

#include <string>
#include <vector>

#include "shell/qt_application.h"

extern "C" int zel3_run_application(int argc, char** argv, const std::vector<std::string>* params) {
    return zel3::RunApplication(argc, argv, *params);
}
