// ComputeBundleDiameter on selections of 10, 20 and 31 cables: the refinement tries every
// triple, so the largest selection the layout holds is the one to watch (target: < 5 ms).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bundle/bundle_diameter.h"
#include "core/number_format.h"

namespace {

class SilentDialogs : public cn3::ui::Dialogs {
  public:
    int messages = 0;
    void message(std::string_view) override { ++messages; }
    bool askYesNo(std::string_view) override { return false; }
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const cn3::ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const cn3::ui::FileDialogRequest&) override { return {}; }
};

// A large cable with smaller ones of slightly different sizes around it, so that every
// selection size up to 31 lays out without refusal.
void selectCables(cn3::Program& program, int cables) {
    cn3::ui::Grid& grid = program.main.Grid2;
    grid.setCols(4);
    grid.setRows(2);
    grid.setText(1, 1, "Bundle");
    std::mt19937 random(7);
    std::uniform_real_distribution<double> size(0.9, 1.1);
    for (int i = 0; i < cables; ++i) {
        const double d = i == 0 ? 5.0 : size(random);
        const int row = grid.rows() - 1;
        grid.addItem(std::to_string(row) + "\tP3 500\t" + cn3::FormatNumber(d, "0.000") + "\t0.1",
                     row);
    }
}

void BM_ComputeBundleDiameter(benchmark::State& state) {
    cn3::Program program;
    SilentDialogs dialogs;
    program.dialogs = &dialogs;
    selectCables(program, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        cn3::ComputeBundleDiameter(program);
        benchmark::DoNotOptimize(program.bundle);
    }
    if (dialogs.messages > 0) state.SkipWithError("the selection was refused as too many");
    state.counters["diameter"] =
        cn3::LeadingNumber(program.main.Grid2.text(program.main.Grid2.rows() - 1, 2));
}

}  // namespace

BENCHMARK(BM_ComputeBundleDiameter)->Arg(10)->Arg(20)->Arg(31)->Unit(benchmark::kMillisecond);
