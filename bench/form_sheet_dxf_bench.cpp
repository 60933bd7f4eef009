// Writing the A4 form sheet (frame, title block, geometry block, results table) as a DXF file.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "contact/hertz_solver.h"
#include "graphics/contact_sheet.h"
#include "shell/program.h"
#include "util/batch_platform.h"

static void BM_FormSheetDxf(benchmark::State& state) {
    std::string dir = (std::filesystem::temp_directory_path() / "zel3_bench_XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        state.SkipWithError("no scratch folder");
        return;
    }
    zel3::Program program(std::make_unique<zel3::BatchPlatform>());
    program.run.CadBatch = true;
    program.run.ProjectName = dir + "/form";
    program.settings.folders.TempDir = dir;
    zel3::ContactCase& c = program.contactCase;
    c.body[0].kind = c.body[1].kind = zel3::BodyKind::Sphere;
    c.body[0].sphereDiameter = 20;
    c.body[1].sphereDiameter = 40;
    c.F = 1000;
    c.drawingName = "Kugel auf Kugel";
    c.changes.count = 12;
    zel3::CalculateCase(c, program.messages);

    for (auto _ : state) {
        program.ui.errorFlag = false;
        zel3::ShowContactSheet(program, 1, 3);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(dir + "/form.dxf"));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FormSheetDxf)->Unit(benchmark::kMillisecond);
