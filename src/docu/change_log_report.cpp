#include "docu/change_log_lines.h"

#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {
const std::string kDoubleLine(78, '=');
const std::string kSingleLine(78, '-');
}  // namespace

std::string ChangeLogIndexText(int number, int indexStyle) {
    if (indexStyle == 1) return IntToText(number);
    return std::string(1, static_cast<char>('a' + (number - 1) % 26));
}

std::string ChangeLogHeaderLine() {
    return "  " + PadRight("Index", 6) + PadRight("Datum", 10) + "   " + PadRight("Bearb.", 6) +
           "   " + PadRight("\x8Enderung", 20);
}

std::string ChangeLogEntryLine(const ChangeEntry& entry, int number, int indexStyle) {
    return "  " + ChangeLogIndexText(number, indexStyle) + "     " + PadRight(entry.date, 10) + "   " +
           PadRight(entry.editor, 6) + "   " + PadRight(entry.designation, 20);
}

std::string ChangeLogDescriptionLine(const ChangeEntry& entry) {
    std::string line = entry.description;
    for (char& ch : line) {
        if (ch == '\n' || ch == '\r') ch = ' ';
    }
    return " " + line;
}

std::vector<std::string> ChangeLogLines(const ContactCase& c, int indexStyle,
                                        const std::string& titleLine) {
    const DrawingInfo& info = c.drawingInfo;
    std::vector<std::string> out = {titleLine, "\x8Enderungsprotokoll", c.remarks[0], c.remarks[1],
                                    c.remarks[2]};
    out.push_back("");
    out.push_back("Erstellungsdatum: " + info.signOff[kDrawnBy].date + "     " + "Erstellt von" +
                  ": " + info.signOff[kDrawnBy].name);
    if (!info.replaces.empty()) {
        out.push_back("");
        out.push_back("Ersatz f\x81r: " + PadRight(info.replaces, 15));
    }
    if (!info.replacedBy.empty()) {
        out.push_back("");
        out.push_back("Ersetzt durch: " + PadRight(info.replacedBy, 15));
    }
    out.push_back("");
    out.push_back(ChangeLogHeaderLine());
    out.push_back(kDoubleLine);
    for (int i = 1; i <= c.changes.count; ++i) {
        const ChangeEntry& e = c.changes.entries[static_cast<std::size_t>(i - 1)];
        out.push_back(ChangeLogEntryLine(e, i, indexStyle));
        out.push_back(ChangeLogDescriptionLine(e));
        out.push_back(kSingleLine);
    }
    return out;
}

}  // namespace zel3
