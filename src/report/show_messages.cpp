#include "report/show_messages.h"

#include <vector>

#include "report/message_descriptions.h"
#include "shell/program.h"
#include "util/file_prompts.h"
#include "util/prompts.h"

namespace zel3 {

namespace {
constexpr int kHelpMessageWindow = 2070;
constexpr int kHelpMessageChoice = 1210;
constexpr int kHelpDescription = 1970;
}  // namespace

void ShowMessageWindow(UiState& ui, const MessageList& list, const MessageWindowSetup& setup) {
    if (setup.noGui) return;  // batch runs never wait for a person
    const int count = list.MessageCount();
    if (count == 0) {
        ShowNote(ui, "Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    ui.errorFlag = false;
    std::vector<std::string> choices;
    for (int m = 1; m <= count; ++m) choices.push_back(list.MessageText(m));
    choices.push_back(
        "Weiter/zur\x81"
        "ck...");
    const int closing = count + 1;
    ui.helpNumber = kHelpMessageWindow;

    int i = setup.helpLevel < 2 ? closing : 1;
    for (;;) {
        // The description window may fill the option texts for a question of its own.
        SetOptionTexts(ui, choices);
        ui.helpNumber = kHelpMessageChoice;
        int chosen = i;
        AskChoice(ui, "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.",
                  closing, chosen);
        if (ui.errorFlag || chosen == closing) return;
        ShowMessageDescription(ui, list.MessageText(chosen), setup.descriptionFile, setup.labels);
        if (ui.errorFlag) return;
        i = chosen + 1;
        if (i == closing) return;
    }
}

void ShowMessageWindow(Program& program) {
    MessageWindowSetup setup;
    setup.descriptionFile = MessageDescriptionFile(program.settings.folders, program.ProgramDataDir,
                                                   program.identity.ShortName);
    setup.helpLevel = program.settings.helpLevel;
    setup.noGui = program.NoGui();
    const LanguageTexts& language = program.language;
    setup.labels = {language.General(kErrorMessage), language.General(kCause),
                    language.General(kRemedy), language.General(kHelp)};
    ShowMessageWindow(program.ui, program.messages, setup);
}

void ShowMessageDescription(UiState& ui, const std::string& message, const std::string& file,
                            const DescriptionLabels& labels) {
    if (!CheckFileReadable(ui, file)) return;
    const MessageDescription d = FindMessageDescription(file, message);
    if (d.status != DescriptionStatus::Found) {
        ui.platform.MessageBox(BoxKind::Plain, "Meldung", DisplayText(ui, kNoDescription));
        return;
    }
    ui.helpNumber = kHelpDescription;
    std::string cause = DisplayText(ui, d.cause);
    std::string remedy = DisplayText(ui, d.remedy);
    bool changed = false;
    bool ok = false;
    {
        DialogHelpScope help(ui, false);
        ok = ui.platform.MessageDescription(DisplayText(ui, message), cause, remedy, changed,
                                            labels);
    }
    if (!ok || !changed) return;
    if (!AskYesNo(ui, "Save Changes ?")) return;
    switch (WriteMessageDescription(file, message, StoredText(cause), StoredText(remedy))) {
        case DescriptionWrite::Written:
            return;
        case DescriptionWrite::NoEntry:
            ui.platform.MessageBox(BoxKind::Plain, "", DisplayText(ui, message) + " not found.");
            return;
        case DescriptionWrite::Failed:
            break;
    }
    ReportDisplayedError(
        ui, DisplayText(ui, "Datei ") + file + " " + DisplayText(ui, "nicht gespeichert") + " !");
    ui.errorFlag = true;
}

}  // namespace zel3
