// A help text file, searched for a help number taken from the first two bytes.
#include <sstream>

#include "fuzz_support.h"
#include "graphics/help_file.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int number = (data[0] << 8 | data[1]) % 10000;
    std::istringstream in(fuzz::Bytes(data + 2, size - 2));
    const HelpEntry e = FindHelpEntry(in, number);
    HasHelpPicture(e);
    return 0;
}
