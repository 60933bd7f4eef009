#pragma once
// The material database as the program reaches it: the "Datenbank..." buttons of the material
// dialog and the Database menu, shown in the program's table browser.

#include "shell/program.h"

namespace zel3 {

// Sets program.pickMaterial: a pick from the base table by name for body 1 or 2.
void InstallMaterialPicking(Program& program);

// Database menu: table 2 (base data) or 3 (permissible pressures), browsed for body 1.
void BrowseMaterialTable(Program& program, int table);

}  // namespace zel3
