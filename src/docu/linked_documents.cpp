#include "docu/linked_documents.h"

#include "util/codepage.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr std::size_t kProgramPartLength = 51;
constexpr std::size_t kCommandLineLength = 101;

}  // namespace

std::string DocumentCommandLine(const DocumentSlot& slot) {
    const std::string programPart = (slot.program + " ").substr(0, kProgramPartLength);
    std::string file = slot.file.substr(0, kCommandLineLength - programPart.size());
    if (file.find(' ') != std::string::npos && file.find('"') == std::string::npos) {
        file = "\"" + file + "\"";
    }
    return programPart + file;
}

bool OpenDocument(Platform& platform, const DocumentSlot& slot) {
    platform.SetBusy(true);
    bool started = false;
    if (Trim(slot.program).empty()) {
        if (!Trim(slot.file).empty()) started = platform.OpenUrl(OemToUtf8(slot.file));
    } else {
        started = platform.StartProgram(OemToUtf8(DocumentCommandLine(slot)));
    }
    platform.SetBusy(false);
    return started;
}

DocumentSlot LimitedDocumentSlot(const std::string& program, const std::string& file) {
    return {program.substr(0, kDocumentTextLength), file.substr(0, kDocumentTextLength)};
}

}  // namespace zel3
