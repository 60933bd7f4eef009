#include "graphics/help_index.h"

#include <sstream>

#include "util/io_error.h"
#include "util/prompts.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr size_t kMaxLineBytes = 1000;
constexpr size_t kMaxIndexBytes = 1024 * 1024;

bool ReadLine(std::istream& in, std::string& line) {
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof()) return false;
    while (c != std::istream::traits_type::eof() && c != '\n') {
        if (line.size() < kMaxLineBytes) line += static_cast<char>(c);
        c = in.get();
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// "name","info" with blanks around the fields allowed; false when the line has another shape.
bool SplitQuoted(const std::string& line, std::string& name, std::string& info) {
    const std::string t = Trim(line);
    size_t mid = t.find("\",\"");
    if (t.size() < 5 || t.front() != '"' || t.back() != '"' || mid == std::string::npos)
        return false;
    name = t.substr(1, mid - 1);
    info = t.substr(mid + 3, t.size() - mid - 4);
    return true;
}

// What can be read from a damaged line: quotes dropped, split at the first comma.
void SplitDamaged(const std::string& line, std::string& name, std::string& info) {
    std::string t;
    for (char c : line)
        if (c != '"') t += c;
    size_t comma = t.find(',');
    name = t.substr(0, comma);
    info = comma == std::string::npos ? std::string() : t.substr(comma + 1);
}

}  // namespace

std::string HelpIndexName(const std::string& shortName) {
    return LowerAscii(shortName) + ".dbh";
}

std::vector<HelpPicture> ReadHelpIndex(std::istream& in, bool& formatError) {
    std::vector<HelpPicture> pictures;
    std::string line;
    int read = 0;
    while (read < kMaxHelpPictures && ReadLine(in, line)) {
        if (Trim(line).empty()) continue;
        ++read;
        HelpPicture p;
        if (!SplitQuoted(line, p.name, p.info)) {
            formatError = true;
            SplitDamaged(line, p.name, p.info);
        }
        p.name = LeftPart(Trim(p.name), kHelpPictureNameLength);
        p.info = LeftPart(p.info, kHelpPictureInfoLength);
        if (!p.name.empty()) pictures.push_back(std::move(p));
    }
    return pictures;
}

bool ReadHelpIndexFile(UiState& ui, const std::string& path, std::vector<HelpPicture>& pictures) {
    std::string content;
    if (ReadWholeFile(path, kMaxIndexBytes, content) != FileReadResult::Ok) return false;
    std::istringstream in(content);
    bool formatError = false;
    pictures = ReadHelpIndex(in, formatError);
    if (formatError) ShowError(ui, "DBH file error");
    return true;
}

std::string HelpIndexLine(const HelpPicture& picture) {
    return "\"" + picture.name + "\",\"" + picture.info + "\"";
}

bool WriteHelpIndex(UiState& ui, const std::string& folder, const std::string& shortName,
                    const std::vector<HelpPicture>& pictures) {
    std::string content;
    for (const auto& p : pictures) content += HelpIndexLine(p) + "\r\n";
    try {
        WriteFileReplacing(folder + HelpIndexName(shortName), content);
    } catch (const IoError& e) {
        ReportError(ui, e.what());
        ui.errorFlag = true;
        return false;
    }
    return true;
}

std::vector<std::string> HelpBrowserLines(const std::vector<HelpPicture>& pictures) {
    std::vector<std::string> lines;
    for (const auto& p : pictures)
        lines.push_back(PadRight(p.name, kHelpPictureNameLength) + ": " + p.info);
    lines.push_back("-----  Erweitern  -----");
    lines.push_back("-----  L\x94schen  -----");
    lines.push_back(
        "-----  \x8E"
        "ndern  ------");
    lines.push_back("-----  Einf\x81gen ------");
    lines.push_back("-----  HP-GL/2 drucken/plotten  ------");
    return lines;
}

std::string HelpPictureFileOfLine(const std::string& line) {
    return LowerAscii(RemoveBlanks(LeftPart(line, kHelpPictureNameLength)));
}

}  // namespace zel3
