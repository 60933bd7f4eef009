// The recent-files file.
#include "config/recent_files.h"
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("zel3.cff");
    fuzz::WriteInput(path, data, size);
    std::array<std::string, 5> list;
    bool errorFlag = false;
    ReadRecentFiles(path, list, errorFlag);
    return 0;
}
