#include "report/printout_setup.h"

#include <cmath>

#include "util/number_text.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

PrintoutForm PrintoutFormFrom(const Settings& s, int lastOutputMode) {
    const NumberFormat& nf = s.number;
    PrintoutForm f;
    if (lastOutputMode == 2) {
        f.scaleX = FormatValue(nf, 1.9);
        f.scaleY = FormatValue(nf, 1.0);
        f.originX = f.originY = "0";
        f.border = false;
        f.orientation = 0;
    } else {
        f.scaleX = FormatValue(nf, s.screendumpScale);
        f.scaleY = FormatValue(nf, s.printScaleVertical);
        f.originX = IntToText(s.screendumpOriginX);
        f.originY = IntToText(s.screendumpOriginY);
        f.border = s.screendumpBorder;
        f.orientation = s.printerOrientation == 1 ? 0 : 1;
    }
    f.shading = s.windowsPrintMode == 2 ? 1 : 0;
    return f;
}

PrintSetup SetupFromForm(const PrintoutForm& f, const std::string& name) {
    PrintSetup s;
    s.name = name.substr(0, kPrintSetupNameLength);
    s.xscale = TextToFloat(Trim(f.scaleX));
    s.yscale = TextToFloat(Trim(f.scaleY));
    s.xorigin = TextToInt(Trim(f.originX));
    s.yorigin = TextToInt(Trim(f.originY));
    s.landscape = f.orientation == 1;
    s.monochrome = f.shading == 0;
    s.variable = f.fit;
    s.borderline = f.border;
    return s;
}

void FillFormFromSetup(const PrintSetup& s, const NumberFormat& nf, PrintoutForm& f) {
    f.scaleX = FormatValue(nf, s.xscale);
    f.scaleY = FormatValue(nf, s.yscale);
    f.originX = IntToText(s.xorigin);
    f.originY = IntToText(s.yorigin);
    f.orientation = s.landscape ? 1 : 0;
    f.shading = s.monochrome ? 0 : 1;
    f.fit = s.variable;
    f.border = s.borderline;
}

void StorePrintParameters(const PrintoutForm& f, PrintParameters& p) {
    p.scaleX = TextToFloat(Trim(f.scaleX));
    p.scaleY = TextToFloat(Trim(f.scaleY));
    p.originX = TextToInt(Trim(f.originX));
    p.originY = TextToInt(Trim(f.originY));
    p.border = f.border;
    p.colorMode = f.shading == 1 ? 2 : 1;
}

bool LoadPrintSetup(PrintSetupStore& store, const NumberFormat& nf, PrintoutForm& f) {
    DbfTable table;
    if (!OpenPrintoutTable(table, store.startDir, store.ui)) return false;
    store.ui.helpNumber = 1040;
    store.browser.SetTitles("Printout", "");
    store.browser.Attach(&table);
    store.browser.GoToRecord(store.lastRecord);
    bool chosen = false;
    if (!store.ui.errorFlag && store.browser.Show("CLOSE", 1) && !store.browser.Cancelled()) {
        PrintSetup setup;
        if (table.GoTo(store.browser.RecordNumber()) && ReadPrintSetup(table, setup)) {
            store.lastRecord = table.RecordNumber();
            FillFormFromSetup(setup, nf, f);
            chosen = true;
        }
    }
    store.browser.Attach(nullptr);
    table.CloseTable();
    store.ui.errorFlag = false;
    return chosen;
}

bool StorePrintSetup(PrintSetupStore& store, const PrintoutForm& f) {
    DbfTable table;
    if (!OpenPrintoutTable(table, store.startDir, store.ui)) return false;
    std::string name;
    AskText(store.ui, "Name", kPrintSetupNameLength, name);
    bool stored = false;
    if (!store.ui.errorFlag) stored = AppendPrintSetup(table, SetupFromForm(f, name), store.ui);
    table.CloseTable();
    return stored;
}

}  // namespace zel3
