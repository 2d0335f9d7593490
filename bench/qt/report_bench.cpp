// The span report with the NESC and temperature tables of the shipped three-coax example:
// printed to a PDF file (the command line's --report) and to the recording surface (the
// layout alone). Each iteration is one whole print job: the measuring run and the printing
// run. Target: 100 reports from the command line in under 2 s, so well under 20 ms a PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageSize>
#include <filesystem>
#include <memory>
#include <string>

#include "batch/batch_run.h"
#include "qt/print_preview.h"
#include "qt/resources.h"
#include "reports/span_report.h"
#include "ui/print_job.h"
#include "ui/recording_surface.h"

namespace cn3 {
namespace {

const std::string kData = CN3_SOURCE_DIR "/data";

struct Started {
    Program program;
    batch::MessageLog log;
    Started() {
        qt::LoadResources();
        program.logoPath = qt::kLogoPath;
        batch::StartHeadless(program, log, kData);
        batch::WorkOutSpanFile(program, kData + "/examples/strand-three-coax.cn3");
        program.main.Check3.setChecked(true);
        program.main.Check4.setChecked(true);
    }
};

void BM_ReportToPdf(benchmark::State& state) {
    auto started = std::make_unique<Started>();
    const auto path = std::filesystem::temp_directory_path() / "cn3-bench-report.pdf";
    const QString pdf = QString::fromStdString(path.string());
    const QPageLayout letter = qt::PrintPageLayout(QPageSize(QPageSize::Letter));
    for (auto _ : state) {
        const auto failure = qt::SaveJobAsPdf(
            [&](ui::Surface& s) { PrintSpanReport(started->program, s); }, pdf, letter);
        if (failure) state.SkipWithError(failure->c_str());
    }
    std::filesystem::remove(path);
}

void BM_ReportToRecording(benchmark::State& state) {
    auto started = std::make_unique<Started>();
    for (auto _ : state) {
        ui::RecordingSurface pages("Printer", 11520, 15120);
        ui::RunPrintJob([&](ui::Surface& s) { PrintSpanReport(started->program, s); }, pages);
        benchmark::DoNotOptimize(pages.ops().size());
    }
}

BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportToRecording)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cn3

// Qt's fonts and PDF writer need an application; offscreen, so no display is needed.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
