#pragma once
// The Help menu's own commands: the program's change history, the guided tour, the maker's
// web page and mail address, and the texts of the about box.

#include <string>
#include <vector>

namespace zel3 {

class Program;
struct ProgramIdentity;

// The change history shipped with the program (UTF-8 text in the data folder).
std::string HistoryFile(const Program& program);
void ShowHistory(Program& program);
// The guided tour is not part of this version; says so.
void ShowDemo(Program& program);

std::string MakerMailUrl(const ProgramIdentity& id);
void OpenMakerWebPage(Program& program);
void MailToMaker(Program& program);

std::vector<std::string> AboutTexts(const ProgramIdentity& id);
void ShowAbout(Program& program);

}  // namespace zel3
