#pragma once
// The contact drawing sheets: the to-scale geometry of the two bodies, the results table, and
// both together on an A4 form sheet with frame and title block.

#include <string>
#include <vector>

#include "graphics/sheet_geometry.h"

namespace zel3 {

class CadDriver;
class MessageList;
class Program;
struct NumberFormat;

// outputMode 0 lets the CAD driver ask for the output kind, 3 draws on the screen; sheet 0
// asks for the sheet until the user goes back, 1..3 draws that sheet once.
void ShowContactSheet(Program& program, int outputMode, int sheet);

// The geometry drawing through the driver.
void DrawGeometryShapes(CadDriver& cad, const std::vector<SheetShape>& shapes);

// The main results as a ruled table whose top left corner is (x, y), text height h. Draws
// nothing when the last calculation failed.
void DrawResultsTable(CadDriver& cad, const ContactCase& c, const MessageList& messages,
                      const NumberFormat& nf, const std::string& programTitle, double x, double y,
                      double h);

}  // namespace zel3
