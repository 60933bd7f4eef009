// The results table over a folder of 10,000 project files: each file loaded, calculated and
// its row filled.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "project/results_table.h"

namespace {

class ProjectFolder {
  public:
    explicit ProjectFolder(int files) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zel3-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern + "/";
        const char* examples[] = {"kugel_kugel.zl3", "kugel_rille.zl3", "rolle_ebene.zl3",
                                  "rolle_rolle.zl3"};
        for (int i = 0; i < files; ++i) {
            std::filesystem::copy_file(
                std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/" + examples[i % 4],
                dir_ + "p" + std::to_string(i) + ".zl3");
        }
    }
    ~ProjectFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
};

void BM_ResultsTable10000Files(benchmark::State& state) {
    const ProjectFolder folder(static_cast<int>(state.range(0)));
    zel3::NumberFormat nf;
    zel3::ContactCase last;
    zel3::MessageList messages;
    for (auto _ : state) {
        zel3::ResultsScan scan = zel3::BuildResultsTable(folder.dir(), "zl3", nf, last, messages);
        benchmark::DoNotOptimize(scan.table.data());
        if (scan.table.size() != static_cast<size_t>(state.range(0)) + 1) {
            state.SkipWithError("rows missing");
        }
    }
}
BENCHMARK(BM_ResultsTable10000Files)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
