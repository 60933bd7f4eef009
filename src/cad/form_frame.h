#pragma once
// The A4 form sheet's frame: border, title block, change table, sign-off block, drawing name
// and number, the protection notes along the binding edge, text placements, the optional
// file-name, date and maker's title lines and the logo. Drawn once per run, normally inside the
// block "FRAME_1".

#include <string>

#include "contact/contact_case.h"

namespace zel3 {

class CadDriver;
class Program;

// What the frame shows besides the three drawing-name texts. Texts in code page 850.
struct FormFrameData {
    DrawingInfo info;
    ChangeLog changes;
    std::string releaseText = "Frei";  // caption of the fourth sign-off row
    int indexStyle = 0;  // 0 "a,b,c...", 1 "1,2,3...", 2 "A,B,C...", 3 "......" (none)
    bool showMakerTitle = true;
    bool showFileName = true;
    bool showDate = true;
    bool showLogo = true;
    std::string programTitle;
    std::string versionText;
    std::string projectPath;  // full path of the project file; empty when unnamed
    std::string dateTime;     // date + " " + time
    std::string logoFile;     // block file of the logo ("$logo_1.dx$" in the temporary folder)
};

FormFrameData FormFrameDataOf(const Program& program);

// The change table's index of entry b (1-based) in the given style.
std::string ChangeIndexText(int style, int b);

// Draws nothing while the error flag is set.
void DrawFormFrame(CadDriver& cad, bool errorFlag, const FormFrameData& data,
                   const std::string& drawingName, const std::string& drawingName2,
                   const std::string& drawingNumber);
// The last eight entries of the change log, the oldest at the bottom row.
void DrawChangeList(CadDriver& cad, const FormFrameData& data);

}  // namespace zel3
