#include "reports/charts_page.h"

#include <algorithm>

#include "engine/chart_parts.h"
#include "engine/span_charts.h"
#include "engine/temperature_chart.h"
#include "reports/project_header.h"

namespace cn3 {

namespace {

constexpr double kMargin = 500;    // left and right, twips
constexpr double kChartGap = 500;  // between the two pictures
constexpr double kTitleSize = 14, kBodySize = 10;

}  // namespace

void PrintChartsPage(const Program& program, ui::Surface& surface) {
    surface.setBold(false);
    surface.setFontSize(kTitleSize);
    const double width = surface.scaleWidth();
    PlaceText(surface, kChartsPageTitle, width / 2, 0, Align::Centre);
    surface.setFontSize(kBodySize);
    surface.setCurrentY(surface.textHeight() * 2);
    PrintProjectLine(program.main, surface, kMargin);
    double y = surface.currentY() + surface.textHeight();

    if (!program.shownSolution) {
        PlaceText(surface, "There are no results to chart.", kMargin, y, Align::Left);
        return;
    }
    const SpanSolution& solution = *program.shownSolution;
    const double chartWidth = std::max(1000.0, width - 2 * kMargin);
    // The pictures keep the shape they have on screen, enlarged to the page's width.
    const double chartHeight = chartWidth * kTemperatureChartHeight / kTemperatureChartWidth;
    DrawTemperatureChart(program, solution, surface, {kMargin, y, chartWidth, chartHeight});
    y += chartHeight + kChartGap;
    const double profileHeight = chartWidth * kSpanProfileHeight / kSpanProfileWidth;
    DrawProfileWithCheck(program, solution, surface, {kMargin, y, chartWidth, profileHeight});
    surface.setFontSize(kBodySize);
    surface.setCurrentX(0);
    surface.setCurrentY(y + profileHeight);
}

}  // namespace cn3
