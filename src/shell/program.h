#pragma once
// The one program context: identity, run state, settings, the error flag and prompts, the
// message list and the platform. main creates it and hands it to the command handlers; tests
// create their own.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "contact/contact_case.h"
#include "contact/diagram_frame.h"
#include "dbf/dbf_work_areas.h"
#include "dbf/table_browser.h"
#include "graphics/graphics_engine.h"
#include "graphics/hpgl_interpreter.h"
#include "graphics/plane_geometry.h"
#include "report/message_list.h"
#include "report/report_writer.h"
#include "shell/language_texts.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

struct ProgramIdentity {
    std::string ProductName = "ZEL3";
    std::string ShortName = "zel3";
    std::string ProjectExt = "zl3";
    std::string VersionText = "2.7";
    std::string ProgramTitle = "ZEL3  Hertz'sche Pressung";
    std::string MakerName = "TRELLOX";
    std::string MakerWebPage = "https://www.trellox.de/";
    std::string MakerMail = "support@trellox.de";
};

struct RunState {
    std::string ProjectName;  // base name without folder and extension; empty = unnamed
    std::string ProjectDir;   // folder of the current project
    bool Modified = false;
    bool StartedWithFile = false;
    bool CadBatch = false;
};

class Program {
  public:
    explicit Program(std::unique_ptr<Platform> platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform() { return *platform_; }

    // True when "/NOGUI" stands anywhere on the command line, in any letter case.
    bool NoGui() const;

    // The calculation method of this run: the command line's, else the setting's.
    CalculationMethod Method() const;
    // Puts that method into the case; called whenever the settings may have changed.
    void ApplyCalculationMethod() { contactCase.method = Method(); }

    ProgramIdentity identity;
    RunState run;
    Settings settings;
    UiState ui;
    MessageList messages;
    DbfWorkAreas dbfTables;                  // open dBase tables (material database, print set-ups)
    LanguageTexts language;                  // menu vocabularies of the current language
    DiagramState diagram;                    // diagram frame and the axis limits entered last
    ContactCase contactCase;                 // the one case; CalculateCase fills messages from it
    GraphicsEngine graphics{ui, settings};   // the graphics window's display list and mapping
    HpglState hpgl;                          // plotter state carried from picture to picture
    MathMessageLog mathLog;                  // messages of the plane-geometry functions
    int cadKind = 3;                         // last CAD output kind, preselected next time
    int plotCommand = 1;                     // selected plot converter command line (1..5)
    long printoutRecord = 0;                 // print set-up chosen last in "printout.dbf"
    ReportWriter report;                     // the one report being written
    std::vector<std::string> args;           // command-line parameters without the program name
    std::array<std::string, 5> recentFiles;  // entries 1..4; entry 1 is the newest
    std::string ProgramDataDir;              // shipped data (help, messages, materials, examples)
    // The material selection of the material dialog's "Datenbank..." (body 1 or 2); false
    // when cancelled or when no material database is at hand.
    std::function<bool(int body)> pickMaterial;
    // Writes the display list as a picture file of CAD kind 6 (SVG), 7 (PDF) or 8 (PNG);
    // throws IoError when the file cannot be written. Set by the window program only.
    std::function<void(int kind, const std::string& path)> writePicture;
    // The table browser window; owned by the main window, absent in batch runs.
    TableBrowser* tableBrowser = nullptr;
    // "--method=" of the command line: overrides the setting for this run.
    std::optional<CalculationMethod> methodOverride;

  private:
    std::unique_ptr<Platform> platform_;
};

}  // namespace zel3
