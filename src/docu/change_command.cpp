#include "docu/change_command.h"

#include <optional>
#include <sstream>
#include <vector>

#include "docu/change_log_report.h"
#include "docu/docu_forms.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/date_text.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Texts in code page 850.
const std::string kChangeTitle = "\x8Enderung";     // "Änderung"
const std::string kChangesTitle = "\x8Enderungen";  // "Änderungen"
const std::string kReplaces = "Ersatz f\x81r";      // "Ersatz für"
const std::string kReplacedBy = "Ersetzt durch";

// The text prompt; false when cancelled.
bool AskLine(UiState& ui, const std::string& title, std::size_t limit, std::string& value) {
    AskText(ui, title, static_cast<int>(limit), value);
    return !ui.errorFlag;
}

bool AskField(UiState& ui, const std::string& title, std::size_t limit, std::string& value) {
    if (!AskLine(ui, title, limit, value)) return false;
    value = value.substr(0, limit);
    return true;
}

// x, y, h and phi of a placement on one line, separated by blanks or ";".
bool AskPlacementNumbers(UiState& ui, const std::string& title, const NumberFormat& nf,
                         TextPlacement& t) {
    std::string line = FormatValue(nf, t.x) + "  " + FormatValue(nf, t.y) + "  " +
                       FormatValue(nf, t.h) + "  " + FormatValue(nf, t.phi);
    if (!AskLine(ui, title, 60, line)) return false;
    std::istringstream words(ReplaceChar(line, ';', ' '));
    std::string word;
    double* fields[4] = {&t.x, &t.y, &t.h, &t.phi};
    for (double* f : fields) *f = words >> word ? TextToFloat(word) : 0.0;
    return true;
}

// Code 4 shows the log on the screen; code 5 leaves the choice of the target to the writer.
void ShowLog(Program& p, int kind = kTargetScreen) {
    WriteChangeLogReport(p.report, p.contactCase, p.settings.changeIndexStyle,
                         p.identity.ProgramTitle + " V" + p.identity.VersionText, p.run.ProjectName,
                         kind);
    NormalCursor(p.ui);
}

// The stored entry as the change dialog shows it, and back.
ChangeForm ToForm(const UiState& ui, const ChangeEntry& e, int number) {
    ChangeForm f;
    f.number = number;
    f.designation = OemToDisplay(ui.text, e.designation);
    f.date = OemToDisplay(ui.text, e.date);
    f.editor = OemToDisplay(ui.text, e.editor);
    f.description = OemToDisplay(ui.text, e.description);
    f.today = TodayText(ui.number);
    return f;
}

void FromForm(const ChangeForm& f, ChangeEntry& e) {
    e.designation = DisplayToOem(f.designation).substr(0, kChangeDesignationLength);
    e.date = DisplayToOem(f.date).substr(0, kChangeDateLength);
    e.editor = DisplayToOem(f.editor).substr(0, kChangeEditorLength);
    e.description = DisplayToOem(f.description);
}

DrawingInfoForm ToDrawingInfoForm(const UiState& ui, const DrawingInfo& d,
                                  const std::string& releaseText) {
    DrawingInfoForm f;
    f.replaces = OemToDisplay(ui.text, d.replaces);
    f.replacedBy = OemToDisplay(ui.text, d.replacedBy);
    const std::string rows[kSignOffRows] = {"Bearb.", "Gepr.", "Norm", releaseText};
    for (int r = 0; r < kSignOffRows; ++r) {
        const SignOff& s = d.signOff[static_cast<std::size_t>(r)];
        f.rowCaptions[r] = OemToDisplay(ui.text, rows[r]);
        f.dates[r] = OemToDisplay(ui.text, s.date);
        f.names[r] = OemToDisplay(ui.text, s.name);
    }
    for (int i = 0; i < d.placementCount && i < kMaxPlacements; ++i) {
        const TextPlacement& t = d.placements[static_cast<std::size_t>(i)];
        f.placements[i] = {FormatValue(ui.number, t.x), FormatValue(ui.number, t.y),
                           FormatValue(ui.number, t.h), FormatValue(ui.number, t.phi),
                           OemToDisplay(ui.text, t.text)};
    }
    f.today = TodayText(ui.number);
    return f;
}

// Row 1 is always taken; the rows after it up to the first one without text.
void FromDrawingInfoForm(const DrawingInfoForm& f, DrawingInfo& d) {
    d.replaces = DisplayToOem(f.replaces).substr(0, kReplaceLength);
    d.replacedBy = DisplayToOem(f.replacedBy).substr(0, kReplaceLength);
    for (int r = 0; r < kSignOffRows; ++r) {
        SignOff& s = d.signOff[static_cast<std::size_t>(r)];
        s.date = DisplayToOem(f.dates[r]).substr(0, kSignOffLength);
        s.name = DisplayToOem(f.names[r]).substr(0, kSignOffLength);
    }
    int count = 0;
    for (int i = 0; i < kMaxPlacements; ++i) {
        const auto& row = f.placements[i];
        if (i > 0 && Trim(row[4]).empty()) break;
        TextPlacement& t = d.placements[static_cast<std::size_t>(i)];
        t.x = TextToFloat(row[0]);
        t.y = TextToFloat(row[1]);
        t.h = TextToFloat(row[2]);
        t.phi = TextToFloat(row[3]);
        t.text = StoredText(row[4]).substr(0, kPlacementTextLength);
        count = i + 1;
    }
    d.placementCount = count;
}

}  // namespace

void EditChange(UiState& ui, ChangeEntry& entry, int number) {
    ui.helpNumber = 3000;
    ChangeForm form = ToForm(ui, entry, number);
    if (std::optional<bool> ok = ui.platform.ChangeDialog(form)) {
        ui.errorFlag = !*ok;
        if (*ok) FromForm(form, entry);
        return;
    }
    // No change dialog here: the fields are asked one by one.
    ChangeEntry e = entry;
    const std::string head = kChangeTitle + " " + IntToText(number) + ": ";
    if (!AskField(ui, head + "\x8Enderungstext", kChangeDesignationLength, e.designation) ||
        !AskField(ui, head + "Datum", kChangeDateLength, e.date) ||
        !AskField(ui, head + "Bearbeiter", kChangeEditorLength, e.editor)) {
        return;
    }
    if (!AskLine(ui, head + "Beschreibung", 255, e.description)) return;
    entry = std::move(e);
    ui.errorFlag = false;
}

void EditDrawingInfo(UiState& ui, DrawingInfo& info, const std::string& releaseText) {
    ui.helpNumber = 3010;
    DrawingInfoForm form = ToDrawingInfoForm(ui, info, releaseText);
    if (std::optional<bool> ok = ui.platform.DrawingInfoDialog(form)) {
        ui.errorFlag = !*ok;
        if (*ok) FromDrawingInfoForm(form, info);
        return;
    }
    // No drawing information dialog here: the fields are asked one by one.
    DrawingInfo d = info;
    if (!AskField(ui, kReplaces, kReplaceLength, d.replaces) ||
        !AskField(ui, kReplacedBy, kReplaceLength, d.replacedBy)) {
        return;
    }
    const std::string rows[4] = {"Bearb.", "Gepr.", "Norm", releaseText};
    for (int r = 0; r < 4; ++r) {
        SignOff& s = d.signOff[static_cast<std::size_t>(r)];
        if (!AskField(ui, rows[r] + ": Datum", kSignOffLength, s.date) ||
            !AskField(ui, rows[r] + ": Name", kSignOffLength, s.name)) {
            return;
        }
    }
    // Row i is taken; reading stops at a row whose text is empty, so one row is always kept.
    int count = 0;
    for (int i = 1; i <= kMaxPlacements; ++i) {
        TextPlacement& t = d.placements[static_cast<std::size_t>(i - 1)];
        if (i > 1) {
            std::string text = i <= info.placementCount ? t.text : std::string();
            if (!AskField(ui, "Text " + IntToText(i), kPlacementTextLength, text)) return;
            if (Trim(text).empty()) break;
            t.text = text;
        } else if (!AskField(ui, "Text 1", kPlacementTextLength, t.text)) {
            return;
        }
        if (!AskPlacementNumbers(ui, "Text " + IntToText(i) + ": x  y  h  phi", ui.number, t)) {
            return;
        }
        count = i;
    }
    d.placementCount = count;
    info = std::move(d);
    ui.errorFlag = false;
}

void ChangeCommand(Program& p, int code) {
    UiState& ui = p.ui;
    ChangeLog& log = p.contactCase.changes;
    if (code == kChangeAsk) {
        SetOptionTexts(ui,
                       {"neu", "\x84ndern", "l\x94schen", "anzeigen", "Ausdruck", "Zeichnungsinfo",
                        "zur\x81"
                        "ck..."});
        ui.helpNumber = 2600;
        int selected = 1;
        AskChoice(ui, kChangesTitle, 7, selected);
        if (ui.errorFlag) return;
        if (selected < 1 || selected >= 7) return;
        code = selected;
    }
    switch (code) {
        case kChangeNew: {
            if (log.count >= kMaxChanges) {
                ReportError(ui, "Max. \x8Enderungen = " + IntToText(kMaxChanges) + " !");
                ui.errorFlag = true;
                return;
            }
            ChangeEntry& entry = log.entries[static_cast<std::size_t>(log.count)];
            const ChangeEntry before = entry;
            entry.date = TodayText(p.settings.number);
            EditChange(ui, entry, log.count + 1);
            // A cancelled new change leaves no entry behind.
            if (ui.errorFlag) {
                entry = before;
                return;
            }
            ++log.count;
            ShowLog(p);
            break;
        }
        case kChangeModify:
            if (log.count > 0) {
                EditChange(ui, log.entries[static_cast<std::size_t>(log.count - 1)], log.count);
                if (ui.errorFlag) return;
            }
            ShowLog(p);
            break;
        case kChangeDelete:
            if (log.count > 0) --log.count;
            ShowLog(p);
            break;
        case kChangeShow:
            ShowLog(p);
            break;
        case kChangePrint:
            ShowLog(p, 0);
            break;
        case kChangeDrawingInfo:
            EditDrawingInfo(ui, p.contactCase.drawingInfo, p.settings.releaseText);
            break;
        default:
            break;
    }
}

}  // namespace zel3
