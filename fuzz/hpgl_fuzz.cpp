// An HP-GL help picture shown as the help browser does: played into the graphics window, then
// painted. It is played twice so that the plotter state carries over from picture to picture.
#include "fuzz_support.h"
#include "graphics/help_text.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("bild.plt");
    fuzz::WriteInput(path, data, size);
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    ShowHelpPicture(*p, path);
    PlayHpglFile(*p, path);
    fuzz::NullCanvas canvas;
    p->graphics.FormPaint(canvas);
    return 0;
}
