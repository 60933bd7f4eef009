#include "shell/material_picking.h"

#include "contact/material_selection.h"

namespace zel3 {

namespace {

void Select(Program& p, int table, int mode, int body) {
    if (!p.tableBrowser) {
        // Runs without a window have no browser to pick in.
        p.ui.errorFlag = true;
        return;
    }
    MaterialDatabase db{p.ui, p.messages, p.dbfTables, *p.tableBrowser, p.settings.folders.DbfDir};
    // Empty until start-up has settled the folders: the shipped tables then.
    if (db.dbfDir.empty()) db.dbfDir = p.ProgramDataDir;
    SelectMaterial(db, p.contactCase, table, mode, body);
}

}  // namespace

void InstallMaterialPicking(Program& program) {
    program.pickMaterial = [&program](int body) {
        program.ui.errorFlag = false;
        Select(program, kBaseByName, 1, body);
        return !program.ui.errorFlag;
    };
}

void BrowseMaterialTable(Program& program, int table) {
    program.ui.errorFlag = false;
    Select(program, table, 0, 1);
}

}  // namespace zel3
