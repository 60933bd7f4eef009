#include "shell/edit_commands.h"

#include "contact/hertz_solver.h"
#include "util/number_prompts.h"

namespace zel3 {

namespace {
void Calculate(Program& program) { CalculateCase(program.contactCase, program.messages); }

bool PickMaterial(Program& program, int body) {
    return program.pickMaterial ? program.pickMaterial(body) : false;
}
}  // namespace

bool CommandDrawingNames(Program& program) {
    program.ui.errorFlag = false;
    if (!program.platform().EditDrawingNames(program.contactCase, program.settings.text)) {
        program.ui.errorFlag = true;
        return false;
    }
    program.run.Modified = true;
    return false;
}

bool CommandGeometry(Program& program) {
    program.ui.errorFlag = false;
    program.ui.helpNumber = 9010;
    const bool ok = program.platform().EditGeometry(program.contactCase, program.settings.number);
    program.ui.errorFlag = !ok;
    if (ok) program.run.Modified = true;
    Calculate(program);
    return true;
}

bool CommandMaterials(Program& program) {
    program.ui.errorFlag = false;
    program.ui.helpNumber = 9020;
    const bool ok = program.platform().EditMaterials(
        program.contactCase, program.settings.number,
        [&program](int body) { return PickMaterial(program, body); });
    program.ui.errorFlag = !ok;
    Calculate(program);
    if (!ok) return false;
    program.run.Modified = true;
    return true;
}

void EditLoad(Program& program) {
    program.ui.helpNumber = 8010;
    AskFloatInRange(program.ui, "Druckkraft [N]", program.contactCase.F, 0.0, 1e9);
    if (!program.ui.errorFlag) Calculate(program);
}

bool CommandLoad(Program& program) {
    program.ui.errorFlag = false;
    EditLoad(program);
    if (!program.ui.errorFlag) program.run.Modified = true;
    Calculate(program);
    return true;
}

}  // namespace zel3
