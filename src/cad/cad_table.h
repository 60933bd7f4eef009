#pragma once
// A ruled drawing table of up to seven columns, drawn row by row through the CAD driver: a
// heading row, then data rows, each 2h high with its texts 0.5h above the row bottom.

#include <array>
#include <string>

namespace zel3 {

class CadDriver;

struct CadTable {
    std::array<double, 8> x{};  // column boundaries x0..x7
    int n = 0;                  // boundaries in use (2..8); the table has n - 1 columns
    double h = 0.0;             // text height; rows are 2h high
    double rowBottom = 0.0;
    double baseLine = 0.0;
    std::array<std::string, 7> text{};  // cell texts of the current row (code page 850)
    bool drawBottomLine = true;
    bool drawSeparators = true;
};

constexpr std::size_t kCadTableCellLength = 80;

// Column boundaries, count and first row of a table whose top left corner is (x, y); widths in
// characters, 0 = no such column. Draws nothing.
CadTable CadTableLayout(double x, double y, double h, const std::array<int, 7>& widths);

// Creates the table and draws its heading row (heading in column 1, t[1..6] in columns 2..7).
CadTable CadTableCreate(CadDriver& cad, const std::string& heading, double x, double y, double h,
                        const std::array<int, 7>& widths, const std::array<std::string, 6>& t = {});
// Adds and draws one data row.
void CadTableRow(CadDriver& cad, CadTable& table, const std::array<std::string, 7>& cells);

}  // namespace zel3
