#pragma once
// A platform for tests: every message shown is recorded, and the answers to questions and
// dialogs are taken from queues the test fills. An empty queue answers Cancel.

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "docu/docu_forms.h"
#include "util/platform.h"

namespace zel3::test {

struct ShownMessage {
    BoxKind kind;
    std::string caption;
    std::string text;
};

// One answer to a dialog: cancelled, or OK with a text / a choice / a yes-no character.
struct DialogAnswer {
    bool ok = true;
    std::string text;
    int choice = 0;
    char yesNo = 'J';
    bool okButton = true;  // yes/no dialog: OK pressed (false: closed with Enter)
    int help = 0;          // 1 or 2: "&Hilfetext" or "Hilfe&bild" clicked before the next answer

    static DialogAnswer Cancel() { DialogAnswer a; a.ok = false; return a; }
    static DialogAnswer Text(std::string t) { DialogAnswer a; a.text = std::move(t); return a; }
    static DialogAnswer Choice(int c) { DialogAnswer a; a.choice = c; return a; }
    static DialogAnswer YesNo(char c) { DialogAnswer a; a.yesNo = c; return a; }
    static DialogAnswer Help(bool picture) { DialogAnswer a; a.help = picture ? 2 : 1; return a; }
};

// The user's doing in the description window of a finding.
struct DescriptionAnswer {
    bool ok = true;
    bool changed = false;
    std::string cause;
    std::string remedy;
};

struct ShownDescription {
    std::string message;
    std::string cause;
    std::string remedy;
};

struct DialogRequest {
    std::string kind;  // "text", "yesno", "radio", "list", "open", "save", "folder"
    std::string prompt;
    std::string preset;  // preset text, yes/no character, or preset choice number
    int maxLength = 0;
    std::vector<std::string> options;
};

class ScriptedPlatform : public Platform {
public:
    std::deque<YesNoCancel> questionAnswers;
    std::deque<DialogAnswer> dialogAnswers;
    std::deque<DescriptionAnswer> descriptionAnswers;  // empty: closed with OK, unchanged

    std::vector<ShownMessage> messages;
    std::vector<std::string> questions;
    std::vector<DialogRequest> requests;
    std::vector<std::string> startedPrograms;
    std::vector<ShownDescription> descriptions;
    std::vector<DescriptionLabels> descriptionLabels;
    int beeps = 0;
    int repaintRequests = 0;
    std::vector<int> pauses;                // pause records of screen replays, in ms
    std::deque<bool> animationAnswers;      // true: "+" (next step), false: "++" (end)
    int animationSteps = 0;
    int processedEvents = 0;
    std::deque<AxisLimits> limitAnswers;     // diagram limits confirmed; empty: keep automatic
    std::vector<std::string> limitRequests;  // captions of the limits dialogs shown
    ScreenInfo screen;     // what Screen() reports
    WindowFrame graphics;  // what GraphicsWindow() reports
    int busy = 0;  // busy cursor depth
    std::vector<std::string> statusTexts;

    // The case dialogs: "names", "geometry" and "materials" are recorded as shown and answered
    // from caseDialogAnswers (true OK, false Cancel; empty: Cancel). On OK, editCase (if set)
    // makes the user's changes; in the material dialog, pickBody 1 or 2 first presses
    // "Datenbank..." of that body.
    std::deque<bool> caseDialogAnswers;
    std::vector<std::string> caseDialogs;
    std::function<void(const std::string& dialog, ContactCase&)> editCase;
    int pickBody = 0;
    std::vector<bool> pickResults;

    bool EditDrawingNames(ContactCase& c, const TextOptions&) override {
        return caseDialog("names", c);
    }
    bool EditGeometry(ContactCase& c, NumberFormat&) override { return caseDialog("geometry", c); }
    bool EditMaterials(ContactCase& c, NumberFormat&,
                       const std::function<bool(int body)>& pickMaterial) override {
        if (pickBody != 0 && pickMaterial) pickResults.push_back(pickMaterial(pickBody));
        return caseDialog("materials", c);
    }
    void StatusText(const std::string& text) override { statusTexts.push_back(text); }

    // The settings dialog: editSettings plays the user (empty: "Abbrechen" at once).
    std::function<bool(Settings&, UiState&, const SettingsEnvironment&)> editSettings;
    std::vector<std::pair<int, int>> drawingAreaSizes;  // ResizeDrawingArea calls
    bool EditSettings(Settings& s, UiState& ui, const SettingsEnvironment& env) override {
        return editSettings ? editSettings(s, ui, env) : false;
    }
    void ResizeDrawingArea(int width, int height) override {
        drawingAreaSizes.emplace_back(width, height);
    }

    bool DiagramLimitsDialog(const std::string& title, const std::string&, const std::string&,
                             const AxisLimits&, AxisLimits& entered) override {
        limitRequests.push_back(title);
        if (limitAnswers.empty()) return false;
        entered = limitAnswers.front();
        limitAnswers.pop_front();
        return true;
    }
    // The documentation dialogs: each queued function plays the user on the form and answers
    // OK (true) or Cancel; an empty queue stands for a platform without such a window.
    std::deque<std::function<bool(ChangeForm&)>> changeDialogs;
    std::deque<std::function<bool(DrawingInfoForm&)>> drawingInfoDialogs;
    std::deque<std::function<bool(DocumentForm&)>> documentDialogs;
    std::optional<bool> ChangeDialog(ChangeForm& form) override { return play(changeDialogs, form); }
    std::optional<bool> DrawingInfoDialog(DrawingInfoForm& form) override {
        return play(drawingInfoDialogs, form);
    }
    std::optional<bool> DocumentSetupDialog(DocumentForm& form) override {
        return play(documentDialogs, form);
    }

    void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override {
        messages.push_back({kind, caption, text});
    }
    YesNoCancel Question(const std::string&, const std::string& text) override {
        questions.push_back(text);
        if (questionAnswers.empty()) return YesNoCancel::Cancel;
        YesNoCancel a = questionAnswers.front();
        questionAnswers.pop_front();
        return a;
    }
    bool TextDialog(const std::string& prompt, int maxLength, std::string& answer) override {
        requests.push_back({"text", prompt, answer, maxLength, {}});
        DialogAnswer a = next();
        if (a.ok) answer = a.text.substr(0, static_cast<size_t>(maxLength));
        return a.ok;
    }
    bool YesNoDialog(const std::string& prompt, char& answer, bool& okPressed) override {
        requests.push_back({"yesno", prompt, std::string(1, answer), 0, {}});
        DialogAnswer a = next();
        okPressed = a.ok && a.okButton;
        if (a.ok) answer = a.yesNo;
        return a.ok;
    }
    bool RadioDialog(const std::string& prompt, const std::vector<std::string>& options,
                     int& selected) override {
        return choose("radio", prompt, options, selected);
    }
    bool ListDialog(const std::string& prompt, const std::vector<std::string>& options,
                    int& selected) override {
        return choose("list", prompt, options, selected);
    }
    bool OpenFileDialog(const std::string& startDir, const std::string& pattern,
                        std::string& path) override {
        return pick("open", startDir + "|" + pattern, path);
    }
    // As the desktop's dialog does when set: a chosen file that exists was asked about (and
    // the user said yes) before the dialog returned.
    bool saveDialogAsksOverwrite = false;
    bool SaveFileDialog(const std::string& startDir, const std::string& pattern,
                        const std::string& suggested, std::string& path) override {
        overwriteConfirmed.clear();
        const bool ok = pick("save", startDir + "|" + pattern + "|" + suggested, path);
        if (ok && saveDialogAsksOverwrite && std::filesystem::exists(path))
            overwriteConfirmed = path;
        return ok;
    }
    bool FolderDialog(const std::string& start, std::string& folder) override {
        return pick("folder", start, folder);
    }
    bool StartProgram(const std::string& commandLine) override {
        startedPrograms.push_back(commandLine);
        return true;
    }
    // Hidden starts: recorded; the result is hiddenStartResult (33: started).
    std::vector<std::string> hiddenStarts;
    int hiddenStartResult = 33;
    int StartHidden(const std::string& commandLine) override {
        hiddenStarts.push_back(commandLine);
        return hiddenStartResult;
    }
    // The plot converter form: each answer replaces the line; an empty queue is "Abbrechen".
    std::deque<DialogAnswer> plotFormAnswers;
    std::vector<std::string> plotFormLines;  // the lines the form was opened with
    bool EditPlotCommand(std::string& line, const std::string&) override {
        plotFormLines.push_back(line);
        if (plotFormAnswers.empty()) return false;
        DialogAnswer a = plotFormAnswers.front();
        plotFormAnswers.pop_front();
        if (a.ok) line = a.text;
        return a.ok;
    }
    bool urlOpens = true;  // what OpenUrl answers
    bool OpenUrl(const std::string& url) override {
        startedPrograms.push_back("url " + url);
        return urlOpens;
    }
    std::vector<std::string> clipboard;  // every text put on the clipboard
    void SetClipboardText(const std::string& text) override { clipboard.push_back(text); }
    void ShowTextScreen(const std::string& title, const std::vector<std::string>&) override {
        messages.push_back({BoxKind::Plain, "text screen", title});
    }
    void ShowTextFile(const std::string& path) override {
        messages.push_back({BoxKind::Plain, "text file", path});
    }
    void Beep() override { ++beeps; }
    void RequestRepaint() override { ++repaintRequests; }
    void ProcessEvents() override { ++processedEvents; }
    void PauseMs(int ms) override { pauses.push_back(ms); }
    bool AnimationStep() override {
        ++animationSteps;
        if (animationAnswers.empty()) return false;
        bool a = animationAnswers.front();
        animationAnswers.pop_front();
        return a;
    }
    ScreenInfo Screen() const override { return screen; }
    WindowFrame GraphicsWindow() const override { return graphics; }
    void SetBusy(bool on) override { busy += on ? 1 : -1; }
    bool MessageDescription(const std::string& message, std::string& cause, std::string& remedy,
                            bool& changed, const DescriptionLabels& labels) override {
        descriptions.push_back({message, cause, remedy});
        descriptionLabels.push_back(labels);
        changed = false;
        if (descriptionAnswers.empty()) return true;
        DescriptionAnswer a = descriptionAnswers.front();
        descriptionAnswers.pop_front();
        if (!a.ok) return false;
        changed = a.changed;
        if (a.changed) {
            cause = a.cause;
            remedy = a.remedy;
        }
        return true;
    }

    // Texts of every message box shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages) out.push_back(m.text);
        return out;
    }

private:
    template <typename Form>
    static std::optional<bool> play(std::deque<std::function<bool(Form&)>>& queue, Form& form) {
        if (queue.empty()) return std::nullopt;
        auto user = std::move(queue.front());
        queue.pop_front();
        return user(form);
    }
    bool caseDialog(const std::string& name, ContactCase& c) {
        caseDialogs.push_back(name);
        if (caseDialogAnswers.empty()) return false;
        const bool ok = caseDialogAnswers.front();
        caseDialogAnswers.pop_front();
        if (ok && editCase) editCase(name, c);
        return ok;
    }
    DialogAnswer next() {
        // Help clicks happen while the dialog is open, before it is answered.
        while (!dialogAnswers.empty() && dialogAnswers.front().help != 0) {
            const bool picture = dialogAnswers.front().help == 2;
            dialogAnswers.pop_front();
            if (dialogHelp) dialogHelp(picture);
        }
        if (dialogAnswers.empty()) return DialogAnswer::Cancel();
        DialogAnswer a = dialogAnswers.front();
        dialogAnswers.pop_front();
        return a;
    }
    bool choose(const char* kind, const std::string& prompt,
                const std::vector<std::string>& options, int& selected) {
        requests.push_back({kind, prompt, std::to_string(selected), 0, options});
        DialogAnswer a = next();
        if (a.ok) selected = a.choice;
        return a.ok;
    }
    bool pick(const char* kind, const std::string& preset, std::string& path) {
        requests.push_back({kind, "", preset, 0, {}});
        DialogAnswer a = next();
        if (a.ok) path = a.text;
        return a.ok;
    }
};

}  // namespace zel3::test
