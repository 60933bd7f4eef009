#pragma once
// The Edit menu's input steps. Each clears the error flag first; a cancelled dialog leaves the
// error flag set. They return true when the caller should redraw the current view.

#include "shell/program.h"

namespace zel3 {

// Drawing names; on OK the case is modified.
bool CommandDrawingNames(Program& program);
// Geometry; modified on OK; calculated after OK or Cancel alike.
bool CommandGeometry(Program& program);
// Materials; calculated after OK or Cancel; modified and redrawn on OK only.
bool CommandMaterials(Program& program);
// The force "Druckkraft [N]"; modified on OK; calculated after OK or Cancel alike.
bool CommandLoad(Program& program);

// The force prompt itself: help 8010, range 0 .. 1e9, calculation unless cancelled.
void EditLoad(Program& program);

}  // namespace zel3
