#pragma once
// The desktop side of the results table: the table window and the progress of the scan.

#include <QWidget>

#include "shell/results_table_command.h"

namespace zel3 {

// Shows the table in TForm_preview over owner and the scan's progress in a progress dialog
// that can stop it. "Export Excel" writes a workbook into the temporary folder and opens it.
ResultsTableWindow MakeResultsTableWindow(Program& program, QWidget* owner);

}  // namespace zel3
