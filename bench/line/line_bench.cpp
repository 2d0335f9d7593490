// A strand run of 1,000 spans solved in full: the ruling span through the span solver at
// every condition, each span's sags and lowest clearance over the hottest temperature, the
// installation and the drawn loadings, every pole's weight span and the usable-load check.
#include <benchmark/benchmark.h>

#include <variant>

#include "line/line_output.h"
#include "line/solve_line.h"

namespace {

using namespace cn3;

SpanProblem Problem() {
    SpanProblem p;
    p.cables.count = 2;
    p.cables.supportRow = 1;
    p.cables.totalWeight = 0.281f;  // a 1/4 in strand and a coax
    p.support = {"1/4 EHS 6M", 0.121f, 1200000.0f, 6650.0f, 0.0000064f};
    p.inputs.creep = 0.0f;
    p.inputs.installedTemperature = 60.0f;
    p.bundleDiameter = 0.85f;
    const LoadingRecord records[kConditions] = {{"Light        ", 30, 0, 9, 0.05f},
                                                {"Ice 32F      ", 32, 0.5f, 0, 0},
                                                {"Never Shown  ", 90, 1, 0, 0},
                                                {"Ice+Wind     ", 15, 0.25f, 2.3f, 0},
                                                {"Hot 120F     ", 120, 0, 0, 0}};
    for (int i = 0; i < kConditions; ++i) {
        p.conditionRecords[static_cast<size_t>(i)] = records[i];
        p.conditionRecordIndex[static_cast<size_t>(i)] = i == 0 ? 2 : i + 1;
    }
    return p;
}

line::PoleLine Run(int spans) {
    line::PoleLine line;
    for (int i = 0; i <= spans; ++i) {
        std::string id = "P";
        id += std::to_string(i + 1);
        line.poles.push_back({id, 100.0f + 15.0f * static_cast<float>((i * 7) % 5), 25.0f});
    }
    for (int i = 0; i < spans; ++i)
        line.spans.push_back({120.0f + 10.0f * static_cast<float>((i * 3) % 9), std::nullopt});
    return line;
}

// Installed at 1.5 % of the ruling span, both user loadings drawn.
line::LineWorksheet Worksheet() {
    line::LineWorksheet worksheet;
    worksheet.sagPercent = true;
    worksheet.sag = 1.5;
    worksheet.userLoadingsDrawn = 2;
    return worksheet;
}

void BM_SolveLine(benchmark::State& state) {
    const line::PoleLine line = Run(static_cast<int>(state.range(0)));
    const line::LineWorksheet worksheet = Worksheet();
    const SpanProblem problem = Problem();
    for (auto _ : state) {
        auto solved = line::SolveLine(line, worksheet, problem);
        if (!std::holds_alternative<line::LineSolution>(solved)) state.SkipWithError("no solution");
        benchmark::DoNotOptimize(solved);
    }
}
BENCHMARK(BM_SolveLine)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same line solved and written as JSON, as `catenova --line --format json` writes it.
void BM_SolveAndWriteJson(benchmark::State& state) {
    const line::PoleLine line = Run(static_cast<int>(state.range(0)));
    const line::LineWorksheet worksheet = Worksheet();
    const SpanProblem problem = Problem();
    for (auto _ : state) {
        const auto solved = line::SolveLine(line, worksheet, problem);
        benchmark::DoNotOptimize(line::LineJson(line, std::get<line::LineSolution>(solved)));
    }
}
BENCHMARK(BM_SolveAndWriteJson)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
