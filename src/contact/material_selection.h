#pragma once
// Picking materials from the material database: the base table "wst1base.dbf" (seen through
// its index by number or by name) and the table of permissible Hertzian pressures
// "zel3wst.dbf", both in the DBF folder.

#include <string>

#include "contact/contact_case.h"
#include "dbf/dbf_work_areas.h"
#include "dbf/table_browser.h"
#include "report/message_list.h"
#include "util/ui_state.h"

namespace zel3 {

// What the material selection works with.
struct MaterialDatabase {
    UiState& ui;
    MessageList& messages;
    DbfWorkAreas& tables;
    TableBrowser& browser;
    std::string dbfDir;
};

// Table numbers: 1 base data by number, 2 base data by name, 3 pressures.
constexpr int kBaseByNumber = 1;
constexpr int kBaseByName = 2;
constexpr int kPressureTable = 3;

// Opens table 1..3 with its index and sets the help number 9500 + 10 * table. Returns the
// work area, 0 with the error flag set when the table could not be opened.
int OpenMaterialTable(MaterialDatabase& db, int table);

// mode 0 browses and edits the table; mode 1 picks a material for body 1 or 2 from table 1
// or 2 and completes it with its permissible pressures from table 3.
void SelectMaterial(MaterialDatabase& db, ContactCase& contact, int table, int mode, int body);

}  // namespace zel3
