#include "docu/documentation_commands.h"

#include "docu/change_command.h"
#include "docu/linked_documents.h"
#include "shell/program.h"

namespace zel3 {

namespace {
void MarkModifiedUnlessCancelled(Program& program) {
    if (!program.ui.errorFlag) program.run.Modified = true;
}
}  // namespace

void CommandDrawingInfo(Program& program) {
    program.ui.errorFlag = false;
    ChangeCommand(program, kChangeDrawingInfo);
    MarkModifiedUnlessCancelled(program);
}

void CommandChange(Program& program, int code) {
    program.ui.errorFlag = false;
    const ChangeLog before = program.contactCase.changes;
    ChangeCommand(program, code);
    // Show and print leave the log alone; a cancelled edit restores it.
    const ChangeLog& after = program.contactCase.changes;
    bool changed = after.count != before.count;
    for (int i = 0; i < after.count && !changed; ++i) {
        const ChangeEntry& a = after.entries[static_cast<std::size_t>(i)];
        const ChangeEntry& b = before.entries[static_cast<std::size_t>(i)];
        changed = a.designation != b.designation || a.date != b.date || a.editor != b.editor ||
                  a.description != b.description;
    }
    if (changed) program.run.Modified = true;
}

void CommandOpenDocument(Program& program, int n) {
    program.ui.errorFlag = false;
    if (n < 1 || n > kDocumentSlots) return;
    OpenDocumentChecked(program.ui, program.contactCase.documents[static_cast<std::size_t>(n - 1)],
                        n);
}

void CommandDocumentSetup(Program& program) {
    program.ui.errorFlag = false;
    DocumentSetup(program);
    MarkModifiedUnlessCancelled(program);
}

}  // namespace zel3
