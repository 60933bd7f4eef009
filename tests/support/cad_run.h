#pragma once
// A program set up for batch CAD output into a scratch folder, as the "/CAD" batch job runs.

#include <functional>
#include <memory>
#include <string>

#include "cad/cad_driver.h"
#include "shell/program.h"
#include "support/scripted_platform.h"
#include "support/txt_listing.h"

namespace zel3::test {

struct CadTestProgram {
    explicit CadTestProgram(const std::string& tag)
        : dir(tag), program(std::make_unique<ScriptedPlatform>()) {
        program.run.CadBatch = true;
        program.run.ProjectName = dir.File("case");
        program.settings.folders.TempDir = dir.path();
        program.settings.folders.CadDir = dir.path();
    }
    ScriptedPlatform& platform() { return static_cast<ScriptedPlatform&>(program.platform()); }
    std::string Output(const std::string& ext) const { return program.run.ProjectName + "." + ext; }

    // Runs draw between the entity section's start and the end of a TXT listing.
    std::vector<TxtRecord> Listing(const std::function<void(CadDriver&)>& draw) {
        CadDriver cad(program);
        cad.CadOpen(kCadTxt);
        cad.CadExtents(0, 0, 100, 100);
        cad.CadTables(2);
        cad.CadBeginEntities();
        draw(cad);
        cad.CadEndSection();
        cad.CadClose();
        return Entities(ReadTxtListing(Output("txt")));
    }

    ScratchDir dir;
    Program program;
};

}  // namespace zel3::test
