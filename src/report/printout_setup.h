#pragma once
// The printout dialog's values and rules: starting values from the settings, the named
// set-ups of "printout.dbf", and the copy into the print parameters of the graphics window.

#include <string>

#include "config/settings.h"
#include "dbf/table_browser.h"
#include "graphics/graphics_engine.h"
#include "report/printout_table.h"

namespace zel3 {

struct PrintoutForm {
    std::string scaleX, scaleY;    // "Maßstab x", "Maßstab y"
    std::string originX, originY;  // "Ursprung x", "Ursprung y" (mm)
    bool border = false;           // "Umrandung"
    bool fit = false;              // "anpassen"
    int shading = 0;               // 0 "Monochrom", 1 "Color / Graustufen"
    int orientation = 0;           // 0 "Hochformat", 1 "Querformat"
};

// The values the dialog opens with. A picture last drawn in output mode 2 prints with its
// own fixed scales instead of the configured ones.
PrintoutForm PrintoutFormFrom(const Settings& s, int lastOutputMode);
PrintSetup SetupFromForm(const PrintoutForm& f, const std::string& name);
void FillFormFromSetup(const PrintSetup& setup, const NumberFormat& nf, PrintoutForm& f);
// "OK": scales as numbers, origins as whole numbers (0 for text that is no number).
void StorePrintParameters(const PrintoutForm& f, PrintParameters& p);

// What the set-up buttons work with. lastRecord is the record chosen last (0 = none yet).
struct PrintSetupStore {
    UiState& ui;
    MessageList& messages;
    TableBrowser& browser;
    std::string startDir;
    long& lastRecord;
};

// "Datenbank": the set-ups in the browser; on a choice the form takes the chosen one. The
// error flag is cleared afterwards unless the table could not be opened.
bool LoadPrintSetup(PrintSetupStore& store, const NumberFormat& nf, PrintoutForm& f);
// "Übernehmen Datenbank": asks for a name and appends the form as a set-up. False when
// cancelled or not stored.
bool StorePrintSetup(PrintSetupStore& store, const PrintoutForm& f);

}  // namespace zel3
