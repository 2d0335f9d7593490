// The batch path per span file: read it, Restore (the bundle diameter included), Recompute at
// the turn to "Sag / Tension", and write the text format; next to one Recompute of the same
// opened worksheet. Target: one span file costs less than twice one Recompute.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "batch/batch_run.h"
#include "batch/span_results.h"
#include "engine/recompute.h"
#include "files/span_file.h"

namespace cn3::batch {
namespace {

const std::string kData = CN3_SOURCE_DIR "/data";

// The shipped strand example with `cables` coax cables on the strand, written once.
std::string SpanWithCables(int cables) {
    const auto path =
        std::filesystem::temp_directory_path() / ("cn3-bench-" + std::to_string(cables) + ".cn3");
    SpanRecord record = ReadSpanFile(kData + "/examples/strand-three-coax.cn3").value();
    const char* coax[] = {"P 500", "P 750", "C 875"};
    for (auto& name : record.cableNames) name.clear();
    record.cableNames[0] = "1/4 EHS 6M";
    for (int i = 1; i <= cables; ++i) record.cableNames[static_cast<std::size_t>(i)] = coax[i % 3];
    (void)WriteSpanFile(path.string(), record);
    return path.string();
}

struct Started {
    Program program;
    MessageLog log;
    explicit Started() { StartHeadless(program, log, kData); }
};

void BM_BatchSpanFile(benchmark::State& state) {
    auto started = std::make_unique<Started>();
    const std::string file = SpanWithCables(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const SpanOutcome outcome = WorkOutSpanFile(started->program, file);
        benchmark::DoNotOptimize(TextOf(outcome));
        if (!outcome.clean()) state.SkipWithError("the span file gave a message");
    }
}

void BM_RecomputeOpened(benchmark::State& state) {
    auto started = std::make_unique<Started>();
    WorkOutSpanFile(started->program, SpanWithCables(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        Recompute(started->program);
        benchmark::DoNotOptimize(started->program.loadingResults.values.data());
    }
}

// Three coax cables (the shipped example's size), and twelve, about as many as lay out around
// a strand before the second ring is full.
BENCHMARK(BM_BatchSpanFile)->Arg(3)->Arg(12)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecomputeOpened)->Arg(3)->Arg(12)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cn3::batch
