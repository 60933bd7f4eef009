// File "Tabelle" over 10,000 project files in the desktop program: every file loaded,
// calculated and listed while the progress dialog paints and takes events, then the table
// window filled. The window is closed at once, so the time is that of the scan and the fill.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QProgressDialog>

#include "project_folder.h"
#include "report/table_preview_window.h"
#include "shell/main_window.h"
#include "shell/qt_table_windows.h"
#include "util/qt_platform.h"

namespace {

// Counts the paints of the progress dialogs while the scan runs.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<QProgressDialog*>(watched)) ++paints;
        return false;
    }
};

void BM_ResultsTableWindow10000Files(benchmark::State& state) {
    const ProjectFolder folder(static_cast<int>(state.range(0)));
    zel3::Program program(std::make_unique<zel3::QtPlatform>());
    program.ProgramDataDir = ZEL3_BENCH_DATA_DIR "/";
    program.run.ProjectDir = folder.dir();
    zel3::MainWindow window(program);
    window.resize(1024, 800);
    window.show();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    size_t rows = 0;
    for (auto _ : state) {
        zel3::ResultsTableWindow table = zel3::MakeResultsTableWindow(program, &window);
        // The table window is filled as the user would see it, then closed.
        table.showTable = [&rows](const std::string& caption,
                                  std::vector<std::vector<std::string>>& r, int selected) {
            zel3::PreviewTexts texts;
            texts.caption = caption;
            zel3::TForm_preview preview(texts, r, selected, {}, {});
            rows = r.size();
            return 0;
        };
        zel3::ResultsTableCommand(program, {}, table);
    }
    qApp->removeEventFilter(&counter);
    if (rows != static_cast<size_t>(state.range(0)) + 1) state.SkipWithError("rows missing");
    state.counters["progress_paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ResultsTableWindow10000Files)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
