#include "graphics/contact_sheet.h"

#include "cad/cad_driver.h"
#include "cad/cad_table.h"
#include "cad/form_frame.h"
#include "contact/standard_report.h"
#include "report/show_messages.h"
#include "shell/program.h"
#include "util/prompts.h"
#include "util/units.h"

namespace zel3 {

namespace {

constexpr int kResultsLayer = 19;
constexpr int kChooseSheetHelp = 8270;
constexpr int kDrawSheetHelp = 8260;

void Row(CadDriver& cad, CadTable& table, const std::string& description, const std::string& symbol,
         const std::string& unit, const std::string& value) {
    CadTableRow(cad, table, {description, symbol, unit, value, "", "", ""});
}

void DrawSheet(Program& program, int outputMode, ContactSheet sheet) {
    UiState& ui = program.ui;
    const ContactCase& c = program.contactCase;
    ui.helpNumber = kDrawSheetHelp;
    CadDriver cad(program);
    cad.CadOpen(outputMode);
    if (ui.errorFlag) return;
    cad.CadSetLayer(0);

    const SheetSizes sizes = ComputeSheetSizes(c);
    const Extents e = sheet == ContactSheet::Geometry
                          ? GeometryWindow(GeometryShapes(c, sizes), sizes)
                          : SheetExtents(sheet, sizes);
    cad.CadExtents(e.xmin, e.ymin, e.xmax, e.ymax);
    cad.CadTables(2);
    cad.CadBeginBlocks();
    if (sheet == ContactSheet::FormSheet) {
        cad.CadBlock("FRAME_1");
        DrawFormFrame(cad, ui.errorFlag, FormFrameDataOf(program), c.drawingName, c.drawingName2,
                      c.drawingNumber);
        cad.CadEndBlock();
        cad.CadBlock("ZEL3D1");
        if (!ui.errorFlag) DrawGeometryShapes(cad, GeometryShapes(c, sizes));
        cad.CadEndBlock();
    }
    cad.CadEndSection();
    cad.CadBeginEntities();
    const NumberFormat& nf = program.settings.number;
    const std::string& title = program.identity.ProgramTitle;
    switch (sheet) {
        case ContactSheet::Geometry:
            DrawGeometryShapes(cad, GeometryShapes(c, sizes));
            break;
        case ContactSheet::Table:
            DrawResultsTable(cad, c, program.messages, nf, title, 5, 100, 3.5);
            break;
        case ContactSheet::FormSheet: {
            const Placement p = FormSheetGeometryPlacement(sizes);
            cad.CadInsert("FRAME_1", 0, 0, 0, 1, 1);
            cad.CadInsert("ZEL3D1", p.x, p.y, 0, p.scale, p.scale);
            DrawResultsTable(cad, c, program.messages, nf, title, 40, 120, 3.5);
            break;
        }
    }
    cad.CadEndSection();
    cad.CadClose();
}

}  // namespace

void DrawGeometryShapes(CadDriver& cad, const std::vector<SheetShape>& shapes) {
    for (const SheetShape& s : shapes) {
        cad.CadSetLayer(s.layer);
        switch (s.kind) {
            case SheetShape::Line:
                cad.CadLine(s.x1, s.y1, s.x2, s.y2);
                break;
            case SheetShape::Circle:
                cad.CadCircle(s.x1, s.y1, s.r);
                break;
            case SheetShape::Rectangle:
                cad.CadRectangle(s.x1, s.y1, s.x2, s.y2);
                break;
        }
    }
}

void DrawResultsTable(CadDriver& cad, const ContactCase& c, const MessageList& messages,
                      const NumberFormat& nf, const std::string& programTitle, double x, double y,
                      double h) {
    if (messages.calculationFailed) return;
    const ContactResults& r = c.result;
    const std::string len = UnitLabel(nf, Quantity::Length);
    const std::string stress = UnitLabel(nf, Quantity::Stress);
    auto lengthColumn = [&](double v) { return FormatInUnitFixed(nf, Quantity::Length, 3, 3, v); };
    auto stressColumn = [&](double v) { return FormatInUnitFixed(nf, Quantity::Stress, 7, 0, v); };

    cad.CadSetLayer(kResultsLayer);
    // The heading names the exact method; a row more would run into the form's title block.
    const std::string heading =
        c.method == CalculationMethod::Exact ? programTitle + " - Verfahren exakt" : programTitle;
    CadTable table = CadTableCreate(cad, heading, x, y, h, {25, 6, 6, 10, 0, 0, 0});
    Row(cad, table, BodySummaryText(c, 1, nf), "", "", "");
    Row(cad, table, BodySummaryText(c, 2, nf), "", "", "");
    Row(cad, table, "Druckkraft", "F", UnitLabel(nf, Quantity::Force),
        FormatInUnit(nf, Quantity::Force, c.F));
    Row(cad, table, "Werkstoffkonstante", "E*", stress, stressColumn(r.Estar));
    // Code page 850: 0x84 is "ä".
    Row(cad, table, "L\x84nge Kontaktachse 1", "a1", len, lengthColumn(r.a1));
    Row(cad, table, "L\x84nge Kontaktachse 2", "a2", len, lengthColumn(r.a2));
    if (r.w != 0) Row(cad, table, "Deformation", "w", len, lengthColumn(r.w));
    if (r.R != 0)
        Row(cad, table, "Federrate", "R", UnitLabel(nf, Quantity::SpringRate),
            FormatInUnit(nf, Quantity::SpringRate, r.R));
    Row(cad, table, "Max. Druckspannung", "p max", stress, stressColumn(r.pmax));
    cad.CadSetLayer(kResultsLayer);
}

void ShowContactSheet(Program& program, int outputMode, int sheet) {
    UiState& ui = program.ui;
    if (program.messages.calculationFailed) {
        ShowMessageWindow(program);
        return;
    }
    int chosen = 1;
    for (;;) {
        ui.helpNumber = kChooseSheetHelp;
        int current = sheet;
        if (sheet == 0) {
            // Code page 850: 0x84 "ä", 0x81 "ü".
            SetOptionTexts(ui, {"Geometrie", "Tabelle", "Formblatt",
                                "zur\x81"
                                "ck .."});
            AskChoice(ui, "Bitte w\x84hlen ..", 4, chosen);
            if (ui.errorFlag || chosen == 4) return;
            current = chosen;
        }
        if (current < 1 || current > 3) return;
        DrawSheet(program, outputMode, static_cast<ContactSheet>(current));
        if (sheet != 0 || ui.errorFlag) return;
    }
}

}  // namespace zel3
