#include "util/batch_platform.h"

#include <iostream>

namespace zel3 {

namespace {
const char* CaptionOf(BoxKind kind, const std::string& caption) {
    switch (kind) {
        case BoxKind::Error: return "Fehler : ";
        case BoxKind::Note: return "Meldung:";
        case BoxKind::Help: return "Hilfe";
        case BoxKind::Plain: break;
    }
    return caption.c_str();
}
}  // namespace

void BatchPlatform::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
    if (kind == BoxKind::Error) lastError_ = text;
    std::string head = CaptionOf(kind, caption);
    while (!head.empty() && head.back() == ' ') head.pop_back();
    if (!head.empty()) std::cerr << head << ' ';
    std::cerr << text << '\n';
}

YesNoCancel BatchPlatform::Question(const std::string& caption, const std::string& text) {
    std::cerr << caption << ": " << text << " -> Abbrechen\n";
    return YesNoCancel::Cancel;
}

bool BatchPlatform::TextDialog(const std::string&, int, std::string&) { return false; }
bool BatchPlatform::YesNoDialog(const std::string&, char&, bool&) { return false; }
bool BatchPlatform::RadioDialog(const std::string&, const std::vector<std::string>&, int&) {
    return false;
}
bool BatchPlatform::ListDialog(const std::string&, const std::vector<std::string>&, int&) {
    return false;
}
bool BatchPlatform::OpenFileDialog(const std::string&, const std::string&, std::string&) {
    return false;
}
bool BatchPlatform::SaveFileDialog(const std::string&, const std::string&, const std::string&,
                                   std::string&) {
    return false;
}
bool BatchPlatform::FolderDialog(const std::string&, std::string&) { return false; }

}  // namespace zel3
