#pragma once
// The help picture browser: the pictures of the index, one shown at a time, and the actions
// that extend, change and print the index. The browser window answers through a chooser; a
// list prompt stands in for it where there is no window.

#include <functional>
#include <string>
#include <vector>

#include "graphics/help_index.h"

namespace zel3 {

class Program;

enum class HelpBrowserAction { Close, Show, Append, Delete, Change, Insert, Print, Help };

struct HelpBrowserRequest {
    HelpBrowserAction action = HelpBrowserAction::Close;
    int line = 0;  // 1-based list line the request came from
};

// Gets the list lines (pictures, then the five action lines) and the current line.
using HelpBrowserChooser =
    std::function<HelpBrowserRequest(Program&, const std::vector<std::string>& lines, int current)>;

// What choosing list line (1-based) of lineCount lines asks for: a picture line shows it,
// one of the five action lines after the pictures runs that action.
HelpBrowserRequest RequestForLine(int line, int lineCount);

// The list in a choice prompt: a picture line shows it, an action line runs it, cancel ends.
HelpBrowserRequest ChooseHelpPictureLine(Program& program, const std::vector<std::string>& lines,
                                         int current);

void BrowseHelpPictures(Program& program,
                        const HelpBrowserChooser& chooser = ChooseHelpPictureLine);

// The actions on the index in memory and on disk. selected is the picture line the user has
// marked (0: none, the line is asked for). Each returns the picture line to show next.
int HelpPictureAppend(Program& program, std::vector<HelpPicture>& pictures, int current);
int HelpPictureDelete(Program& program, std::vector<HelpPicture>& pictures, int selected);
int HelpPictureChange(Program& program, std::vector<HelpPicture>& pictures, int selected);
int HelpPictureInsert(Program& program, std::vector<HelpPicture>& pictures, int selected);
int HelpPicturePrint(Program& program, const std::vector<HelpPicture>& pictures, int selected,
                     const std::function<std::string(int)>& portDevice);

}  // namespace zel3
