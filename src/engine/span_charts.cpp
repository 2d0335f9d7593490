#include "engine/span_charts.h"

#include <memory>

#include "engine/span_profile.h"
#include "engine/temperature_chart.h"
#include "ui/text_fit.h"

namespace cn3 {

namespace {

constexpr double kCheckSize = 8;
constexpr double kCheckGap = 200;  // between the check line and the profile

}  // namespace

void DrawProfileWithCheck(const Program& program, const SpanSolution& solution, ui::Surface& target,
                          const ChartBox& box) {
    const UsableLoadCheck check = CheckUsableLoad(program, solution);
    target.setBold(false);
    target.setFontSize(kCheckSize);
    const std::string line = UsableLoadCheckLine(program, check);
    const double height = target.textHeight();
    // A long line (several cases over the limit) shrinks to the picture's width.
    target.setFontSize(ui::FitText(target, line, box.width - 240));
    if (check.anyOver()) {
        target.rectangle(box.left, box.top, box.left + target.textWidth(line) + 240,
                         box.top + height + 60, kRed, 25);
        PlaceText(target, line, box.left + 120, box.top + 30, Align::Left);
    } else {
        PlaceText(target, line, box.left, box.top + 30, Align::Left);
    }
    const double top = box.top + height + 60 + kCheckGap;
    DrawSpanProfile(program, solution, check, target,
                    {box.left, top, box.width, box.bottom() - top});
}

void ShowSolutionCharts(Program& program, const SpanSolution& solution) {
    program.shownSolution = std::make_shared<const SpanSolution>(solution);
    ui::Surface& chart = program.main.TemperatureChart.surface();
    chart.clear();
    DrawTemperatureChart(program, solution, chart,
                         {0, 0, kTemperatureChartWidth, kTemperatureChartHeight});
    program.main.TemperatureChart.refresh();
    ui::Surface& profile = program.main.SpanProfile.surface();
    profile.clear();
    DrawProfileWithCheck(program, solution, profile,
                         {150, 0, kSpanProfileWidth - 300, kSpanProfileHeight});
    program.main.SpanProfile.refresh();
}

void ClearSolutionCharts(Program& program) {
    program.shownSolution.reset();
    program.main.TemperatureChart.surface().clear();
    program.main.TemperatureChart.refresh();
    program.main.SpanProfile.surface().clear();
    program.main.SpanProfile.refresh();
}

void ShowTemperatureChart(Program& program) {
    program.main.TemperatureChart.setVisible(program.main.Check2.checked());
}

}  // namespace cn3
