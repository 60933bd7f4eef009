#include "graphics/hpgl_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zel3 {

namespace {
std::string WithoutBlanks(const std::string& t) {
    std::string r;
    for (char c : t)
        if (c != ' ') r += c;
    return r;
}
}  // namespace

bool PlayHpglFile(const std::string& path, HpglState& state, HpglSink& sink, UiState& ui) {
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        if (ui.showErrors)
            ui.platform.MessageBox(BoxKind::Error, "", WithoutBlanks(path) + " nicht gefunden !");
        ui.errorFlag = true;
        return false;
    }
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || size > kMaxHpglFileBytes) {
        if (ui.showErrors)
            ui.platform.MessageBox(BoxKind::Error, "", "Datei " + path + " ist zu groß !");
        ui.errorFlag = true;
        return false;
    }
    std::string data(static_cast<size_t>(size), '\0');
    in.read(data.data(), size);
    data.resize(static_cast<size_t>(in.gcount()));

    ui.platform.SetBusy(true);
    PlayHpgl(data, state, sink);
    ui.platform.SetBusy(false);
    ui.errorFlag = false;
    return true;
}

}  // namespace zel3
