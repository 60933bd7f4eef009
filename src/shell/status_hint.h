#pragma once
// The standing text of the status line: where to begin on a start without a project, and
// the zoom and pan keys while a drawing is shown. Passing messages cover it for a while.

#include <string>

namespace zel3 {

struct StatusHintInput {
    bool startScreen = false;   // no project opened or begun yet
    bool drawingShown = false;  // the display list holds a picture
    int language = 0;           // the menu language (1 German, otherwise English words)
    // The menu captions as the menu shows them (without "&").
    std::string fileMenu = "File";
    std::string newItem = "New";
    std::string openItem = "Open...";
    std::string examplesFolder;  // the shipped example projects
};

std::string StatusHint(const StatusHintInput& in);

// A menu caption as it reads on the screen: "&&" is "&", a single "&" marks the shortcut.
std::string CaptionWithoutMnemonic(const std::string& caption);

}  // namespace zel3
