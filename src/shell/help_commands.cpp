#include "shell/help_commands.h"

#include "shell/program.h"
#include "shell/program_paths.h"
#include "util/prompts.h"

namespace zel3 {

namespace {
// Blanks and the few characters a mail subject must not carry raw.
std::string UrlEncoded(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}
}  // namespace

std::string HistoryFile(const Program& program) {
    std::string dir = program.ProgramDataDir;
    if (dir.empty()) dir = FindProgramDataDir(ExecutableDir());
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + "history.txt";
}

void ShowHistory(Program& program) {
    program.platform().ShowTextFile(HistoryFile(program));
}

void ShowDemo(Program& program) {
    ShowNote(program.ui, "Die Demo ist in dieser Version nicht enthalten.");
}

std::string MakerMailUrl(const ProgramIdentity& id) {
    return "mailto:" + id.MakerMail +
           "?subject=" + UrlEncoded(id.ProductName + " V" + id.VersionText);
}

void OpenMakerWebPage(Program& program) {
    if (!program.platform().OpenUrl(program.identity.MakerWebPage))
        ReportDisplayedError(program.ui, program.identity.MakerWebPage +
                                             " konnte nicht ge\xC3\xB6"
                                             "ffnet werden");
}

void MailToMaker(Program& program) {
    if (!program.platform().OpenUrl(MakerMailUrl(program.identity)))
        ReportDisplayedError(program.ui, program.identity.MakerMail +
                                             " konnte nicht ge\xC3\xB6"
                                             "ffnet werden");
}

std::vector<std::string> AboutTexts(const ProgramIdentity& id) {
    return {id.ProductName + " V" + id.VersionText, id.ProgramTitle,
            "\xC2\xA9 " + id.MakerName + "  " + id.MakerWebPage, id.MakerMail};
}

void ShowAbout(Program& program) {
    program.platform().AboutBox(AboutTexts(program.identity));
}

}  // namespace zel3
