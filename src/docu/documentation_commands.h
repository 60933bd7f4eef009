#pragma once
// The Documentation menu: drawing information, the change log operations and the linked
// documents. Each command clears the error flag first and marks the case modified when its
// step changed the case.

namespace zel3 {

class Program;

void CommandDrawingInfo(Program& program);
// code: the change log operation (1 new, 2 modify, 3 delete, 4 show, 5 print).
void CommandChange(Program& program, int code);
// Opens linked document n (1..5).
void CommandOpenDocument(Program& program, int n);
void CommandDocumentSetup(Program& program);

}  // namespace zel3
