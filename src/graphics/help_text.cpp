#include "graphics/help_text.h"

#include <filesystem>

#include "graphics/graphics_hpgl_sink.h"
#include "graphics/hpgl_file.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Help lines may be longer than a screen text; code page 850 is one byte per character, so
// converting in pieces gives the same text.
std::string LineForDisplay(const TextOptions& opt, const std::string& oem) {
    std::string out;
    for (size_t i = 0; i < oem.size(); i += 200) out += OemToDisplay(opt, oem.substr(i, 200));
    return out;
}

std::string PicturePath(const std::string& folder, const std::string& name) {
    std::string path = folder + name + ".plt";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        std::string lower = folder + LowerAscii(name) + ".plt";
        if (std::filesystem::is_regular_file(lower, ec)) return lower;
    }
    return path;
}

}  // namespace

std::string HelpFolder(const Program& program) {
    std::string dir = program.settings.folders.PltDir;
    if (Trim(dir).empty()) dir = program.ProgramDataDir;
    return WithBackslash(dir);
}

void SetHelpNumber(UiState& ui, int number) {
    ui.helpNumber = number;
}

HelpMessage LookupHelpText(Program& program, int number) {
    const int n = number == 0 ? program.ui.helpNumber : number;
    const std::string folder = HelpFolder(program);
    const std::string file = folder + HelpFileName(n, program.identity.ShortName);
    HelpEntry entry = ReadHelpEntry(folder, n, program.identity.ShortName);

    HelpMessage m;
    m.caption = "HILFETEXT Nr." + std::to_string(n);
    if (!entry.fileFound) {
        m.text = "Datei " + file + " nicht gefunden !";
    } else if (!entry.found) {
        m.text = "Hilfetext Nr " + std::to_string(n) + ": keine Hilfe vorhanden.";
    } else {
        for (const auto& line : entry.lines)
            m.text += LineForDisplay(program.settings.text, line) + " ";
        if (HasHelpPicture(entry)) m.picture = PicturePath(folder, entry.picture);
    }
    return m;
}

std::string GetHelpText(Program& program, int number) {
    return LookupHelpText(program, number).text;
}

void ShowHelpText(Program& program, int number, int mode) {
    HelpMessage m = LookupHelpText(program, number);
    // Without a picture the picture button shows the text rather than an empty window.
    bool showText = mode != kHelpPictureOnly || m.picture.empty();
    if (showText) program.platform().MessageBox(BoxKind::Plain, m.caption, m.text);
    if (mode != kHelpTextOnly && !m.picture.empty()) ShowHelpPicture(program, m.picture);
    program.ui.errorFlag = false;
}

void ShowHelpPicture(Program& program, const std::string& path) {
    program.graphics.Clear();
    program.graphics.Header(0, 0, 160, 120);
    PlayHpglFile(program, path);
    program.platform().RequestRepaint();
}

bool PlayHpglFile(Program& program, const std::string& path) {
    GraphicsHpglSink sink(program.graphics, program.settings.text);
    return PlayHpglFile(path, program.hpgl, sink, program.ui);
}

void InstallHelpHandler(Program& program) {
    program.platform().showHelp = [&program](bool picture) {
        ShowHelpText(program, 0, picture ? kHelpPictureOnly : kHelpTextOnly);
    };
}

}  // namespace zel3
