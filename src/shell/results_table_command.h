#pragma once
// File "&Tabelle": every project file of the project folder calculated and listed in the
// table window; picking a row loads that project and shows the table again.

#include <functional>
#include <string>
#include <vector>

#include "shell/file_commands.h"

namespace zel3 {

// What the command needs of the desktop besides the platform.
struct ResultsTableWindow {
    // Shows the table (row 0 the headings) under caption; sorting may reorder rows 1..n.
    // selected is the row picked before. Returns the picked row, 0 when closed without one.
    std::function<int(const std::string& caption, std::vector<std::vector<std::string>>& rows,
                      int selected)>
        showTable;
    // Progress over total files, done of them read; done == total ends it. False stops.
    std::function<bool(int done, int total)> progress;
};

void ResultsTableCommand(Program& program, const WindowUpdates& window,
                         const ResultsTableWindow& table);

// The table window's caption: ProductName + " - Ergebnistabelle - " + ProjectDir.
std::string ResultsTableCaption(const Program& program);

// Help topic of the table window.
constexpr int kTableWindowHelp = 3400;

}  // namespace zel3
