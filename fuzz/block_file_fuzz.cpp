// A temporary block file in DXF syntax, replayed onto the screen by a block insert.
#include "cad/cad_driver.h"
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fuzz::MakeProgram(fuzz::Scratch().Dir());
    fuzz::WriteInput(fuzz::Scratch().File("$blk.dx$"), data, size);
    CadDriver cad(*p);
    cad.CadOpen(3);
    if (p->ui.errorFlag) return 0;
    cad.CadExtents(0, 0, 200, 100);
    cad.CadTables(2);
    cad.CadBeginEntities();
    cad.CadInsert("blk", 10, 20, 30, 2, 0.5);
    cad.CadEndSection();
    cad.CadClose();
    fuzz::NullCanvas canvas;
    p->graphics.FormPaint(canvas);
    return 0;
}
