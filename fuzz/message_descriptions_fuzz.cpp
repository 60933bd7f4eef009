// The message description file: looked up for a finding, then one entry rewritten.
#include "fuzz_support.h"
#include "report/message_descriptions.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("zel3.err");
    fuzz::WriteInput(path, data, size);
    for (const char* m : {"Fehler : pmax > pzul !", "Fatal  : E1 = 0", ""}) {
        FindMessageDescription(path, m);
        MessageCause(path, m);
        MessageRemedy(path, m);
    }
    WriteMessageDescription(path, "Fehler : pmax > pzul !", "Ursache", "Abhilfe");
    return 0;
}
