#include "shell/cad_batch.h"

#include "cad/cad_output_state.h"
#include "contact/diagrams.h"
#include "graphics/contact_sheet.h"

namespace zel3 {

void RunCadBatch(Program& program, int outputMode, int item) {
    if (item >= 1 && item <= 3)
        ShowContactSheet(program, outputMode, item);
    else if (item >= 4 && item <= 7)
        ShowDiagram(program, item - 3, outputMode);
}

void DrawStartSheet(Program& program) {
    ShowContactSheet(program, kCadScreen, 3);
}

}  // namespace zel3
