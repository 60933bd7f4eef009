#include "graphics/hpgl_file.h"

#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

bool PlayHpglFile(const std::string& path, HpglState& state, HpglSink& sink, UiState& ui) {
    std::string data;
    FileReadResult read = ReadWholeFile(path, kMaxHpglFileBytes, data);
    if (read != FileReadResult::Ok) {
        if (ui.showErrors) {
            std::string text = read == FileReadResult::TooLarge
                                   ? "Datei " + path + " ist zu groß !"
                                   : RemoveBlanks(path) + " nicht gefunden !";
            ui.platform.MessageBox(BoxKind::Error, "", text);
        }
        ui.errorFlag = true;
        return false;
    }
    ui.platform.SetBusy(true);
    PlayHpgl(data, state, sink);
    ui.platform.SetBusy(false);
    ui.errorFlag = false;
    return true;
}

}  // namespace zel3
