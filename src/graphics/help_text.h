#pragma once
// The program's online help: numbered help texts in a message box and HP-GL help pictures in
// the graphics window, shown by number or for the current help number.

#include <string>

#include "graphics/help_file.h"

namespace zel3 {

class Program;
struct UiState;

// The folder of help texts, pictures and the picture index: "PLT Ordner", or the shipped data
// folder when none is configured; with a trailing separator.
std::string HelpFolder(const Program& program);

void SetHelpNumber(UiState& ui, int number);

struct HelpMessage {
    std::string caption;  // "HILFETEXT Nr." + number
    std::string text;     // display code page
    std::string picture;  // picture file to show; empty when none
};

// Looks the text up; number 0 stands for the current help number.
HelpMessage LookupHelpText(Program& program, int number);
std::string GetHelpText(Program& program, int number);

enum HelpMode { kHelpTextAndPicture = 0, kHelpTextOnly = 1, kHelpPictureOnly = 2 };
// Shows the help text in a message box and/or the help picture in the graphics window. The
// error flag is clear afterwards.
void ShowHelpText(Program& program, int number, int mode);

// A new picture in the graphics window: Clear, Header(0, 0, 160, 120) and the picture file.
void ShowHelpPicture(Program& program, const std::string& path);
// Plays an HP-GL file into the graphics window with the program's plotter state.
bool PlayHpglFile(Program& program, const std::string& path);

// Lets the help buttons of every dialog show the help of the current help number.
void InstallHelpHandler(Program& program);

}  // namespace zel3
