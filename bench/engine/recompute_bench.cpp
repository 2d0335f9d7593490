// One full recomputation of a strand with three lashed cables, headless (the table is drawn
// on a surface that measures text but keeps nothing), and the sag solver alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/recompute.h"
#include "engine/solver.h"
#include "forms/program.h"

namespace cn3 {
namespace {

class DiscardingSurface : public ui::Surface {
  public:
    std::string typeName() const override { return "PictureBox"; }
    double areaWidthTwips() const override { return 12000; }
    double areaHeightTwips() const override { return 9000; }

  protected:
    void deviceClear() override {}
    void deviceText(double, double, std::string_view text, double, bool) override {
        benchmark::DoNotOptimize(text.data());
    }
    double deviceTextWidth(std::string_view text, double size, bool) const override {
        return static_cast<double>(text.size()) * size * 10.0;
    }
    double deviceTextHeight(double size, bool) const override { return size * 24.0; }
    void deviceCircle(double, double, double, ui::Rgb) override {}
    void devicePicture(const std::string&, double, double, double, double) override {}
    void deviceNewPage() override {}
    void deviceEndDoc() override {}
};

void SetUp(Program& p) {
    auto& u = p.units.table;
    u[1] = {"F", "C", 0.5555556f, 32.0f};
    u[2] = {"lbs", "N", 4.448222f, 0.0f};
    u[3] = {"in", "mm", 25.4f, 0.0f};
    u[4] = {"ft", "m", 0.3048f, 0.0f};
    u[7] = {"psf", "Pa", 47.88026f, 0.0f};
    u[8] = {"lb/ft", "kg/m", 1.488164f, 0.0f};
    u[9] = {"lb/ft", "N/m", 14.5939f, 0.0f};
    const char* cables[][6] = {{"1/4 EHS", "0.25", "0.0000064", "0.121", "1200000", "6650"},
                               {"P 500", "0.50", "0", "0.080", "0", "0"},
                               {"P 750", "0.75", "0", "0.160", "0", "0"},
                               {"P 875", "0.875", "0", "0.210", "0", "0"}};
    for (int i = 0; i < 4; ++i) {
        auto& row = p.cables.rows[static_cast<size_t>(i + 1)];
        row[field::kName] = cables[i][0];
        row[field::kDiameter] = cables[i][1];
        row[field::kThermalCoefficient] = cables[i][2];
        row[field::kWeightPerLength] = cables[i][3];
        row[field::kAxialStiffness] = cables[i][4];
        row[field::kRatedBreakingStrength] = cables[i][5];
    }
    p.cables.lastCableRow = p.cables.userSeparatorRow = 5;
    p.loadings = {LoadingRecord{"Heavy        ", 0, 0.5f, 4, 0.31f},
                  LoadingRecord{"Medium       ", 15, 0.25f, 4, 0.22f},
                  LoadingRecord{"Light        ", 30, 0, 9, 0.05f},
                  LoadingRecord{"Extreme Wind ", 60, 0, 21, 0},
                  LoadingRecord{"Other        ", 90, 1, 0, 0},
                  LoadingRecord{"User 1       ", 120, 0, 0, 0},
                  LoadingRecord{"User 2       ", 32, 0.75f, 2, 0.1f}};
    const float kinds[11] = {1, 8, 7, 8, 4, 2, 0, 4, 4, 4, 0};
    const char* formats[11] = {"##0",   "#0.000", "#0.0",   "#0.000", "##0.00", "##,##0",
                               "#0.00", "##0.00", "##0.00", "##0.00", "#0.0"};
    for (int k = 0; k < 11; ++k) {
        p.loadingResults.at(0, k) = kinds[k];
        p.loadingResults.formats[static_cast<size_t>(k)] = formats[k];
    }
    auto& grid = p.main.Grid2;
    grid.setCols(4);
    grid.setRows(6);
    for (int i = 0; i < 4; ++i) grid.setText(i + 1, 1, cables[i][0]);
    grid.setText(5, 2, "1.350");
    p.main.GridTemp.setCols(5);
    p.main.Text9[0].setText("150");
    p.main.Text9[1].setText("3");
    p.main.Text9[2].setText("50");
    p.main.Text9[3].setText("20");
    p.main.Check1[0].setChecked(true);
    p.main.Check1[1].setChecked(true);
    p.loading.Check1[0].setChecked(true);
    p.loading.Check1[1].setChecked(true);
    p.main.Picture3.setSurface(std::make_shared<DiscardingSurface>());
    p.main.HScroll1.setRange(-40, 140);
    p.main.HScroll1.setValue(60);
    p.worksheetEdited = 1;
}

void BM_Recompute(benchmark::State& state) {
    auto program = std::make_unique<Program>();
    SetUp(*program);
    for (auto _ : state) {
        Recompute(*program);
        benchmark::DoNotOptimize(program->loadingResults.values.data());
    }
}
BENCHMARK(BM_Recompute)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SolveSag(benchmark::State& state) {
    float L = 150.0f, S0 = 150.11766f, w = 0.361f, EA = 1.2e6f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(S0);
        benchmark::DoNotOptimize(SolveSag(L, S0, w, EA));
    }
}
BENCHMARK(BM_SolveSag)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace cn3
