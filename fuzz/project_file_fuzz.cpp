// A project file as the program opens it: loaded, calculated and written out again.
#include "contact/hertz_solver.h"
#include "fuzz_support.h"
#include "project/project_file_format.h"
#include "project/project_files.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("case.zl3");
    fuzz::WriteInput(path, data, size);
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    LoadProject(*p, path);
    CalculateCase(p->contactCase, p->messages);
    LineWriter out;
    WriteProjectLines(out, p->settings.number, ProjectBanner{}, p->contactCase);
    return 0;
}
