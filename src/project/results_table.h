#pragma once
// The results table across the project files of a folder: each file is loaded, calculated
// and listed with its main inputs and results, one row per file.

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "contact/contact_case.h"
#include "report/message_list.h"
#include "util/number_format.h"

namespace zel3 {

// A table of texts; row 0 holds the headings. Texts are UTF-8.
using TextTable = std::vector<std::vector<std::string>>;

constexpr int kResultsColumns = 11;

// "File", "Date  y/m/d", "Name", "No", "F", "E*", "a1", "a2", "w", "pmax", "R".
std::vector<std::string> ResultsTableHeadings();

// Plain files (no folders, no hidden files) named "*." + extension in folder, by name.
std::vector<std::string> FindProjectFiles(const std::string& folder, const std::string& extension);

// How reading one file ended.
enum class ProjectRead { Ok, Missing, Damaged };

// Reads and calculates one project file into c (from the built-in defaults; c keeps its
// calculation method). A file that is gone or damaged leaves c at what could be read;
// messages holds the calculation's findings.
ProjectRead LoadAndCalculate(const std::string& path, ContactCase& c, MessageList& messages);

// The row of a file: name, date, drawing name and number, and the results in the user's
// units. A file that could not be read gets its name, its date where known, and the reason
// in the name column; its result columns stay empty.
std::vector<std::string> ResultsRow(const std::string& fileName, std::time_t modified,
                                    const ContactCase& c, ProjectRead read, const NumberFormat& nf);

// Builds the table over every project file of folder. progress(done, total, file) is called
// before each file and may answer false to stop; the rows read so far are kept. Every file is
// calculated with last's method; last receives the case of the last file read.
struct ResultsScan {
    TextTable table;
    bool cancelled = false;
};
ResultsScan BuildResultsTable(
    const std::string& folder, const std::string& extension, const NumberFormat& nf,
    ContactCase& last, MessageList& messages,
    const std::function<bool(int done, int total, const std::string& file)>& progress = {});

}  // namespace zel3
