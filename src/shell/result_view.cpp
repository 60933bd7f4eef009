#include "shell/result_view.h"

#include "contact/diagrams.h"
#include "graphics/contact_sheet.h"

namespace zel3 {

void DrawResultView(Program& program) {
    constexpr int kScreen = 3;
    switch (program.settings.resultView) {
        case 1:
        case 3: ShowContactSheet(program, kScreen, 3); break;
        case 2: ShowContactSheet(program, kScreen, 2); break;
        case 4: ShowDiagram(program, 4, kScreen); break;
        case 5: ShowContactSheet(program, kScreen, 1); break;
        default:
            if (program.settings.helpLevel != 0) ShowContactSheet(program, kScreen, 3);
            break;
    }
}

}  // namespace zel3
