// Display-list records, one a line, replayed onto the screen and onto a printer page.
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    const std::string text = fuzz::Bytes(data, size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        p->graphics.list.AddRaw(text.substr(start, end - start));
        start = end + 1;
    }
    fuzz::NullCanvas screen, paper;
    p->graphics.FormPaint(screen);
    const PrintPage page{paper, 4961, 7016};
    p->graphics.PrintPicture(screen, page, true);
    return 0;
}
