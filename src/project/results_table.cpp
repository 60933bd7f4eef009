#include "project/results_table.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "contact/hertz_solver.h"
#include "project/project_file_format.h"
#include "util/codepage.h"
#include "util/date_text.h"
#include "util/line_file.h"
#include "util/text.h"
#include "util/units.h"

namespace zel3 {

std::vector<std::string> ResultsTableHeadings() {
    return {"File", "Date  y/m/d", "Name", "No", "F", "E*", "a1", "a2", "w", "pmax", "R"};
}

std::vector<std::string> FindProjectFiles(const std::string& folder, const std::string& extension) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    const std::string wanted = "." + UpperAscii(extension);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        if (name.size() <= wanted.size() ||
            UpperAscii(name.substr(name.size() - wanted.size())) != wanted) {
            continue;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ProjectRead LoadAndCalculate(const std::string& path, ContactCase& c, MessageList& messages) {
    const CalculationMethod method = c.method;  // the program's setting, not the file's
    c = ContactCase();
    c.method = method;
    bool readFailed = false;
    LineReader in = LineReader::FromFile(path, readFailed);
    if (!in.isOpen()) return ProjectRead::Missing;
    const int badLine = readFailed ? 1 : ReadProjectLines(in, c);
    CalculateCase(c, messages);
    return badLine == 0 ? ProjectRead::Ok : ProjectRead::Damaged;
}

std::vector<std::string> ResultsRow(const std::string& fileName, std::time_t modified,
                                    const ContactCase& c, ProjectRead read,
                                    const NumberFormat& nf) {
    std::vector<std::string> row(kResultsColumns);
    row[0] = fileName;
    row[1] = modified > 0 ? FileDateText(modified) : "";
    if (read != ProjectRead::Ok) {
        row[2] = read == ProjectRead::Missing ? "(Datei nicht gefunden)" : "(Datei fehlerhaft)";
        return row;
    }
    const ContactResults& r = c.result;
    row[2] = OemToUtf8(c.drawingName);
    row[3] = OemToUtf8(c.drawingNumber);
    row[4] = Trim(FormatInUnitFixed(nf, Quantity::Force, 9, 0, c.F));
    row[5] = Trim(FormatInUnitFixed(nf, Quantity::Stress, 8, 0, r.Estar));
    row[6] = Trim(FormatInUnitFixed(nf, Quantity::Length, 3, 3, r.a1));
    row[7] = Trim(FormatInUnitFixed(nf, Quantity::Length, 3, 3, r.a2));
    row[8] = Trim(FormatInUnitFixed(nf, Quantity::Length, 3, 3, r.w));
    row[9] = Trim(FormatInUnitFixed(nf, Quantity::Stress, 5, 0, r.pmax));
    row[10] = Trim(FormatInUnitFixed(nf, Quantity::SpringRate, 7, 0, r.R));
    return row;
}

ResultsScan BuildResultsTable(
    const std::string& folder, const std::string& extension, const NumberFormat& nf,
    ContactCase& last, MessageList& messages,
    const std::function<bool(int done, int total, const std::string& file)>& progress) {
    ResultsScan scan;
    scan.table.push_back(ResultsTableHeadings());
    const std::vector<std::string> files = FindProjectFiles(folder, extension);
    const std::string dir = WithBackslash(folder);
    const int total = static_cast<int>(files.size());
    ContactCase work;
    work.method = last.method;
    for (int i = 0; i < total; ++i) {
        const std::string& name = files[static_cast<size_t>(i)];
        if (progress && !progress(i, total, name)) {
            scan.cancelled = true;
            break;
        }
        const std::string path = dir + name;
        struct stat st {};
        const std::time_t modified = ::stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
        const ProjectRead read = LoadAndCalculate(path, work, messages);
        scan.table.push_back(ResultsRow(name, modified, work, read, nf));
        if (read != ProjectRead::Missing) last = work;
    }
    if (progress && !scan.cancelled) progress(total, total, "");
    return scan;
}

}  // namespace zel3
