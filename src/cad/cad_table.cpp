#include "cad/cad_table.h"

#include "cad/cad_driver.h"

namespace zel3 {

namespace {

constexpr int kRulingLayer = 17;
constexpr int kTextLayer = 18;

void StoreTexts(CadTable& table, const std::array<std::string, 7>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        table.text[i] = cells[i].substr(0, kCadTableCellLength);
}

void DrawRowTexts(CadDriver& cad, CadTable& table) {
    cad.CadSetLayer(kTextLayer);
    for (int col = 1; col <= table.n - 1; ++col) {
        const std::string cell = (" " + table.text[static_cast<std::size_t>(col - 1)])
                                     .substr(0, kCadTableCellLength + 1);
        cad.CadTextOut(cell, table.x[static_cast<std::size_t>(col - 1)], table.baseLine);
    }
    table.rowBottom -= 2.0 * table.h;
    table.baseLine -= 2.0 * table.h;
}

}  // namespace

CadTable CadTableLayout(double x, double y, double h, const std::array<int, 7>& widths) {
    CadTable t;
    t.h = h;
    t.x[0] = x;
    for (std::size_t k = 1; k <= 7; ++k) t.x[k] = t.x[k - 1] + 0.9 * h * widths[k - 1];
    // The first column of width 0 ends the table; six or seven columns both give 8 boundaries.
    t.n = 8;
    for (std::size_t k = 2; k <= 7; ++k) {
        if (t.x[k - 1] == t.x[k - 2]) {
            t.n = static_cast<int>(k) - 1;
            break;
        }
    }
    t.rowBottom = y - 2.0 * h;
    t.baseLine = y - 1.5 * h;
    return t;
}

CadTable CadTableCreate(CadDriver& cad, const std::string& heading, double x, double y, double h,
                        const std::array<int, 7>& widths, const std::array<std::string, 6>& t) {
    CadTable table = CadTableLayout(x, y, h, widths);
    StoreTexts(table, {heading, t[0], t[1], t[2], t[3], t[4], t[5]});

    const double right = table.x[static_cast<std::size_t>(table.n - 1)];
    cad.CadSetLayer(kRulingLayer);
    cad.CadRectangle(table.x[0], y, right, y - 2.0 * h);
    cad.CadLine(table.x[0], y, table.x[0], y - 2.0 * h);
    cad.CadLine(right, y, right, y - 2.0 * h);

    cad.CadSetTextStyle(2, 0.0, h, 0.75 * h);
    DrawRowTexts(cad, table);
    return table;
}

void CadTableRow(CadDriver& cad, CadTable& table, const std::array<std::string, 7>& cells) {
    StoreTexts(table, cells);
    const double bottom = table.rowBottom;
    const double top = bottom + 2.0 * table.h;
    const double right = table.x[static_cast<std::size_t>(table.n - 1)];
    cad.CadSetLayer(kRulingLayer);
    if (table.drawBottomLine) cad.CadLine(table.x[0], bottom, right, bottom);
    for (int i = 0; i < table.n; ++i) {
        const bool outer = i == 0 || i == table.n - 1;
        if (table.drawSeparators || outer) {
            const double xi = table.x[static_cast<std::size_t>(i)];
            cad.CadLine(xi, bottom, xi, top);
        }
    }
    DrawRowTexts(cad, table);
}

}  // namespace zel3
