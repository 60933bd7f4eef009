#include "shell/status_hint.h"

namespace zel3 {

namespace {
const char* const kArrow = " \xE2\x86\x92 ";  // " -> " as the menus read
}  // namespace

std::string CaptionWithoutMnemonic(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    // "Open..." in a sentence: the dots belong to the menu only.
    while (!out.empty() && out.back() == '.') out.pop_back();
    return out;
}

std::string StatusHint(const StatusHintInput& in) {
    const bool german = in.language == 1;
    if (in.startScreen) {
        const std::string newCase = in.fileMenu + kArrow + in.newItem;
        const std::string open = in.fileMenu + kArrow + in.openItem;
        std::string text =
            german ? "Beginnen mit " + newCase + " (neuer Fall) oder " + open + " (Projekt laden)"
                   : "Begin with " + newCase + " (a new case) or " + open + " (a project)";
        if (!in.examplesFolder.empty())
            text += (german ? "; Beispiele in " : "; examples in ") + in.examplesFolder;
        return text;
    }
    if (!in.drawingShown) return {};
    return german ? "Zoom: Mausrad, + und \xE2\x88\x92, Rahmen mit linker Maustaste  \xC2\xB7  "
                    "Verschieben: Pfeiltasten, Bild\xE2\x86\x91 Bild\xE2\x86\x93  \xC2\xB7  "
                    "Ganzes Bild: Esc, F5, rechte Maustaste"
                  : "Zoom: mouse wheel, + and \xE2\x88\x92, frame with the left button  \xC2\xB7  "
                    "Pan: arrow keys, Page Up/Down  \xC2\xB7  "
                    "Whole picture: Esc, F5, right button";
}

}  // namespace zel3
