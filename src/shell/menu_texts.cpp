#include "shell/menu_texts.h"

namespace zel3 {

std::vector<std::pair<std::string, std::string>> ApplyMenuTexts(const LanguageTexts& t) {
    auto g = [&](GeneralSlot s) { return t.General(s); };
    auto tech = [&](TechnicalSlot s) { return t.Technical(s); };
    std::vector<std::pair<std::string, std::string>> out = {
        {"mi_file", g(kFile)},
        {"mi_fileNew", g(kNew)},
        {"mi_fileOpen", g(kOpen)},
        {"mi_fileTabelle", g(kOpen) + " (" + tech(kTechTable) + ")"},
        {"mi_filePrint", g(kPrint)},
        {"mi_fileSave", g(kSave)},
        {"mi_fileSaveAs", g(kSaveAs)},
        {"mi_fileConfig", g(kSettings)},
        {"mi_fileExit", g(kExit)},
        {"mi_edit", g(kEdit)},
        {"mi_editQuick", g(kQuick)},
        {"mi_editText", g(kText)},
        {"mi_editGeometrie", tech(kGeometry)},
        {"mi_editWerkstoff", g(kMaterial)},
        {"mi_editLast", tech(kLoad)},
        {"mi_view", g(kView)},
        {"mi_viewStandard", g(kPrintout)},
        {"mi_viewTabelle", tech(kTechTable)},
        {"mi_viewErrors", g(kErrorMessages)},
        {"mi_cad", g(kCad)},
        {"mi_cadAbmessungen", tech(kGeometry)},
        {"mi_cadDiagramme", g(kDiagrams)},
        {"mi_database", g(kDatabase)},
        {"mi_dbWerkstoff", g(kMaterial)},
        {"mi_docu", g(kDocument)},
        {"mi_docuInfo", g(kDrawingData)},
        {"mi_docuShow", g(kChangesInfo)},
        {"mi_docuPrint", g(kChangesPrintout)},
        {"mi_docuNew", g(kChangesNew)},
        {"mi_docuModify", g(kChangesEdit)},
        {"mi_docuDelete", g(kChangesDelete)},
    };
    for (int i = 1; i <= 5; ++i) {
        out.push_back({"mi_docuDocument" + std::to_string(i), g(kDocument) + " &" + std::to_string(i)});
    }
    out.insert(out.end(), {
        {"mi_docuSetup", g(kDocumentSetup)},
        {"mi_help", g(kHelp)},
        {"mi_helpDemo", g(kDemo)},
        {"mi_helpWeb", g(kWebPage)},
        {"mi_helpMail", g(kMail)},
        {"mi_helpHilfebild", g(kHelpPictures)},
        {"mi_helpErrors", g(kErrorMessages)},
        {"mi_helpLanguage", g(kMenuWord) + " " + g(kLanguage)},
    });
    return out;
}

}  // namespace zel3
