#include "graphics/help_browser.h"

#include <algorithm>
#include <filesystem>

#include "graphics/help_print.h"
#include "graphics/help_text.h"
#include "shell/program.h"
#include "util/file_prompts.h"
#include "util/number_prompts.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace fs = std::filesystem;

namespace {

constexpr int kActionLines = 5;
constexpr int kMaxPorts = 4;

std::vector<std::string> PictureLines(const std::vector<HelpPicture>& pictures) {
    std::vector<std::string> lines = HelpBrowserLines(pictures);
    lines.resize(pictures.size());
    return lines;
}

// The marked picture line, or one chosen from the pictures; 0 when cancelled.
int ChooseLine(Program& program, const std::vector<HelpPicture>& pictures, int selected,
               const std::string& title) {
    if (selected >= 1 && selected <= static_cast<int>(pictures.size())) return selected;
    int line = 1;
    SetOptionTexts(program.ui, PictureLines(pictures));
    AskChoice(program.ui, title, static_cast<int>(pictures.size()), line);
    return program.ui.errorFlag ? 0 : line;
}

// A picture file picked in the help folder, as an index entry with its information text.
bool AskNewPicture(Program& program, HelpPicture& picture) {
    UiState& ui = program.ui;
    const std::string path = PickFile(ui, HelpFolder(program), "*.plt");
    if (ui.errorFlag) return false;
    picture.name = LeftPart(fs::path(path).stem().string(), kHelpPictureNameLength);
    picture.info.clear();
    AskText(ui, "Information zum Hilfebild", kHelpPictureInfoLength, picture.info);
    return !ui.errorFlag;
}

bool Save(Program& program, const std::vector<HelpPicture>& pictures) {
    return WriteHelpIndex(program.ui, HelpFolder(program), program.identity.ShortName, pictures);
}

bool Full(Program& program, const std::vector<HelpPicture>& pictures) {
    if (static_cast<int>(pictures.size()) < kMaxHelpPictures) return false;
    ShowError(program.ui, "Max. Hilfebilder = " + std::to_string(kMaxHelpPictures) + " !");
    return true;
}

}  // namespace

HelpBrowserRequest ChooseHelpPictureLine(Program& program, const std::vector<std::string>& lines,
                                         int current) {
    UiState& ui = program.ui;
    SetHelpNumber(ui, 2300);
    SetOptionTexts(ui, lines);
    int line = current;
    AskChoice(ui, program.identity.ProductName + " Hilfebilder", static_cast<int>(lines.size()),
              line);
    if (ui.errorFlag) return {};
    return RequestForLine(line, static_cast<int>(lines.size()));
}

HelpBrowserRequest RequestForLine(int line, int lineCount) {
    const int pictures = lineCount - kActionLines;
    if (line <= pictures) return {HelpBrowserAction::Show, line};
    static constexpr HelpBrowserAction kActions[kActionLines] = {
        HelpBrowserAction::Append, HelpBrowserAction::Delete, HelpBrowserAction::Change,
        HelpBrowserAction::Insert, HelpBrowserAction::Print};
    return {kActions[std::min(line - pictures, kActionLines) - 1], line};
}

int HelpPictureAppend(Program& program, std::vector<HelpPicture>& pictures, int current) {
    SetHelpNumber(program.ui, 2310);
    if (Full(program, pictures)) return current;
    HelpPicture picture;
    if (!AskNewPicture(program, picture)) return current;
    pictures.push_back(picture);
    if (Save(program, pictures)) return static_cast<int>(pictures.size());
    pictures.pop_back();
    return current;
}

int HelpPictureDelete(Program& program, std::vector<HelpPicture>& pictures, int selected) {
    UiState& ui = program.ui;
    SetHelpNumber(ui, 2320);
    if (pictures.empty()) return 0;
    int line = 0;
    if (selected >= 1 && selected <= static_cast<int>(pictures.size())) {
        if (!AskYesNo(ui, "L\x94schen ?")) return selected;
        line = selected;
    } else {
        line = ChooseLine(program, pictures, 0, "Zu l\x94schende Zeile w\x84hlen...");
        if (line == 0) return selected;
    }
    std::vector<HelpPicture> rest = pictures;
    rest.erase(rest.begin() + (line - 1));
    if (!Save(program, rest)) return line;
    pictures = rest;
    return std::min(line, static_cast<int>(pictures.size()));
}

int HelpPictureChange(Program& program, std::vector<HelpPicture>& pictures, int selected) {
    UiState& ui = program.ui;
    SetHelpNumber(ui, 2330);
    if (pictures.empty()) return 0;
    int line = ChooseLine(program, pictures, selected, "Zu \x84ndernde Zeile w\x84hlen...");
    if (line == 0) return selected;
    HelpPicture picture = pictures[line - 1];
    AskText(ui, "Dateiname (ohne Endung .plt)", kHelpPictureNameLength, picture.name);
    if (ui.errorFlag) return line;
    SetHelpNumber(ui, 2340);
    AskText(ui, "Information zum Hilfebild", kHelpPictureInfoLength, picture.info);
    if (ui.errorFlag) return line;
    picture.name = Trim(picture.name);
    std::vector<HelpPicture> changed = pictures;
    changed[line - 1] = picture;
    if (Save(program, changed)) pictures = changed;
    return line;
}

int HelpPictureInsert(Program& program, std::vector<HelpPicture>& pictures, int selected) {
    UiState& ui = program.ui;
    SetHelpNumber(ui, 2350);
    if (pictures.empty()) return HelpPictureAppend(program, pictures, selected);
    if (Full(program, pictures)) return selected;
    int line = std::clamp(selected, 1, static_cast<int>(pictures.size()));
    SetOptionTexts(ui, PictureLines(pictures));
    AskChoice(ui, "Vor welche Zeile einf\x81gen ?", static_cast<int>(pictures.size()), line);
    if (ui.errorFlag) return selected;
    HelpPicture picture;
    if (!AskNewPicture(program, picture)) return selected;
    std::vector<HelpPicture> more = pictures;
    more.insert(more.begin() + (line - 1), picture);
    if (!Save(program, more)) return selected;
    pictures = more;
    return line;
}

int HelpPicturePrint(Program& program, const std::vector<HelpPicture>& pictures, int selected,
                     const std::function<std::string(int)>& portDevice) {
    UiState& ui = program.ui;
    SetHelpNumber(ui, 2360);
    if (pictures.empty()) return 0;
    int line = std::clamp(selected, 1, static_cast<int>(pictures.size()));
    SetOptionTexts(ui, PictureLines(pictures));
    AskChoice(ui, "Welches Bild ausdrucken ?", static_cast<int>(pictures.size()), line);
    if (ui.errorFlag) return selected;
    SetHelpNumber(ui, 2365);
    int32_t port = 1;
    AskIntInRange(ui, "Druckerschnittstelle (max = " + std::to_string(kMaxPorts) + ", default=1)",
                  port, 1, kMaxPorts);
    if (ui.errorFlag) return line;
    SetHelpNumber(ui, 2370);
    bool control = AskYesNo(ui, "Steuersequenz f\x81r HP-GL/2-Laserdrucker vorausschicken ?");
    if (ui.errorFlag) return line;
    ShowNote(ui, "Hilfebild wird ausgegeben ..");
    const std::string file = HelpFolder(program) + LowerAscii(pictures[line - 1].name) + ".plt";
    SendPictureToPort(ui, file, portDevice(port), control);
    return line;
}

void BrowseHelpPictures(Program& program, const HelpBrowserChooser& chooser) {
    UiState& ui = program.ui;
    bool first = true;
    int current = 1;
    while (!ui.errorFlag) {
        const std::string folder = HelpFolder(program);
        const std::string index = folder + HelpIndexName(program.identity.ShortName);
        std::error_code ec;
        if (!fs::is_regular_file(index, ec)) {
            // No index here: a picture picked elsewhere makes its folder the help folder.
            SetHelpNumber(ui, 2300);
            const std::string path = PickFile(ui, folder, "*.plt");
            if (ui.errorFlag) break;
            program.settings.folders.PltDir = fs::path(path).parent_path().string();
            ShowHelpPicture(program, path);
            ui.errorFlag = false;
            continue;
        }
        std::vector<HelpPicture> pictures;
        if (!ReadHelpIndexFile(ui, index, pictures)) {
            ui.errorFlag = true;
            break;
        }
        const int n = static_cast<int>(pictures.size());
        current = n == 0 ? 0 : std::clamp(current, 1, n);
        if (first && n > 0)
            ShowHelpPicture(program, folder + LowerAscii(pictures[0].name) + ".plt");
        first = false;
        ui.errorFlag = false;

        HelpBrowserRequest r = chooser(program, HelpBrowserLines(pictures), current);
        if (ui.errorFlag || r.action == HelpBrowserAction::Close) break;
        const int marked = (r.line >= 1 && r.line <= n) ? r.line : 0;
        switch (r.action) {
            case HelpBrowserAction::Show:
                current = marked ? marked : current;
                break;
            case HelpBrowserAction::Append:
                current = HelpPictureAppend(program, pictures, current);
                break;
            case HelpBrowserAction::Delete:
                current = HelpPictureDelete(program, pictures, marked);
                break;
            case HelpBrowserAction::Change:
                current = HelpPictureChange(program, pictures, marked);
                break;
            case HelpBrowserAction::Insert:
                current = HelpPictureInsert(program, pictures, marked);
                break;
            case HelpBrowserAction::Print:
                current = HelpPicturePrint(program, pictures, marked, PrinterPortDevice);
                break;
            case HelpBrowserAction::Help:
                ShowHelpText(program, 0, kHelpTextOnly);
                break;
            case HelpBrowserAction::Close:
                break;
        }
        if (ui.errorFlag) break;
        if (current >= 1 && current <= static_cast<int>(pictures.size()))
            ShowHelpPicture(program, folder + LowerAscii(pictures[current - 1].name) + ".plt");
        // A picture file missing from the folder was reported; the browser stays open.
        ui.errorFlag = false;
    }
}

}  // namespace zel3
