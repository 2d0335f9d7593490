#include "engine/temperature_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/unit_table.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 8, kTextSize = 7;
constexpr double kGap = 50;        // twips between a tick label and its axis
constexpr double kStripGap = 240;  // between the sag plot and the clearance strip
constexpr ui::Rgb kSagColour{0, 70, 200};
constexpr ui::Rgb kTensionColour{190, 90, 0};
constexpr ui::Rgb kClearanceColour{0, 130, 0};

// A mark and its caption, left to right from x; gives back the x after them.
double LegendEntry(ui::Surface& target, Mark mark, ui::Rgb colour, const std::string& caption,
                   double x, double y, double lineHeight) {
    DrawMark(target, mark, x + 50, y + lineHeight / 2, colour);
    PlaceText(target, caption, x + 140, y, Align::Left);
    return x + 140 + target.textWidth(caption) + 200;
}

}  // namespace

TemperatureChartLayout DrawTemperatureChart(const Program& program, const SpanSolution& solution,
                                            ui::Surface& target, const ChartBox& box) {
    const Units& units = program.units;
    const auto& rows = solution.temperatures;
    const bool clearance = solution.clearanceGiven;
    const auto length = [&](float feet) { return units.displayNumber(unit::kLength, feet); };
    const auto force = [&](float pounds) { return units.displayNumber(unit::kForce, pounds); };
    const auto degrees = [&](double f) {
        return units.displayNumber(unit::kTemperature, static_cast<float>(f));
    };
    const double installedT = static_cast<double>(solution.inputs.installedTemperature);
    const double installedSag = length(solution.inputs.sag);
    const double installedTension = force(solution.installed.tension);

    TemperatureChartLayout layout;
    // The temperature axis runs over the table's range exactly, ticked in round display steps.
    layout.temperature = NiceAxis(degrees(kTableLowTemperature), degrees(kTableHighTemperature), 9);
    layout.temperature.low = degrees(kTableLowTemperature);
    layout.temperature.high = degrees(kTableHighTemperature);
    double sagLow = installedSag, sagHigh = installedSag;
    double tensionLow = installedTension, tensionHigh = installedTension;
    double clearLow = length(rows[0].clearance), clearHigh = clearLow;
    for (const TemperatureRow& row : rows) {
        sagLow = std::min(sagLow, length(row.sag));
        sagHigh = std::max(sagHigh, length(row.sag));
        clearLow = std::min(clearLow, length(row.clearance));
        clearHigh = std::max(clearHigh, length(row.clearance));
        tensionLow = std::min(tensionLow, force(row.tension));
        tensionHigh = std::max(tensionHigh, force(row.tension));
    }
    layout.sag = NiceAxis(sagLow, sagHigh, 5);
    layout.tension = AlignedAxis(tensionLow, tensionHigh, layout.sag.intervals());
    // A clearance below 0 shows against a 0 line.
    if (clearance)
        layout.clearance = NiceAxis(std::min(clearLow, clearHigh < 0 ? 0.0 : clearLow),
                                    std::max(clearHigh, clearLow < 0 ? 0.0 : clearHigh), 2);

    // Room for the tick labels on both sides, two lines on top and two below.
    target.setBold(false);
    target.setFontSize(kTextSize);
    const double line = target.textHeight();
    double leftLabels = WidestTickText(target, layout.sag);
    const double rightLabels = WidestTickText(target, layout.tension);
    if (clearance) leftLabels = std::max(leftLabels, WidestTickText(target, layout.clearance));
    ChartBox& plot = layout.plot;
    plot.left = box.left + leftLabels + kGap + 40;
    plot.top = box.top + 2 * line + 120;
    plot.width = box.right() - rightLabels - kGap - 40 - plot.left;
    const double bottom = box.bottom() - 2 * line - 80;  // of the lowest plot
    plot.height = bottom - plot.top;
    ChartBox& strip = layout.clearancePlot;
    if (clearance) {
        // The clearance gets a strip of its own under the sags, so that a clearance many times
        // the sag does not flatten the sag curve.
        plot.height = (bottom - plot.top) * 0.64;
        strip = {plot.left, plot.bottom() + kStripGap, plot.width,
                 bottom - plot.bottom() - kStripGap};
    }
    const ChartBox& lowest = clearance ? strip : plot;
    const auto X = [&](double t) { return layout.temperature.place(t, plot.left, plot.right()); };
    const auto YSag = [&](double v) { return layout.sag.place(v, plot.bottom(), plot.top); };
    const auto YTension = [&](double v) {
        return layout.tension.place(v, plot.bottom(), plot.top);
    };
    const auto YClear = [&](double v) {
        return layout.clearance.place(v, strip.bottom(), strip.top);
    };

    // Title, then the axis titles, which carry the curves' marks.
    target.setFontSize(kTitleSize);
    target.setBold(true);
    PlaceText(target, "Sag and Tension against Temperature", box.left + box.width / 2, box.top,
              Align::Centre);
    target.setBold(false);
    target.setFontSize(kTextSize);
    const double legendY = box.top + line + 60;
    const std::string lengthUnit = UnitText(units, unit::kLength);
    double x = box.left;
    x = LegendEntry(target, Mark::Circle, kSagColour, AxisTitle("Sag", lengthUnit), x, legendY, line);
    if (clearance)
        LegendEntry(target, Mark::Triangle, kClearanceColour,
                    AxisTitle("Clearance (lower scale)", lengthUnit), x, legendY, line);
    const std::string tensionTitle = AxisTitle("Tension", UnitText(units, unit::kForce));
    PlaceText(target, tensionTitle, box.right(), legendY, Align::Right);
    DrawMark(target, Mark::Square, box.right() - target.textWidth(tensionTitle) - 90,
             legendY + line / 2, kTensionColour);

    // Grids, frames and ticks.
    for (int i = 0; i <= layout.sag.intervals(); ++i) {
        const double y = YSag(layout.sag.low + i * layout.sag.step);
        if (i > 0 && i < layout.sag.intervals())
            target.line(plot.left, y, plot.right(), y, kLightGray);
        PlaceText(target, layout.sag.tickText(layout.sag.low + i * layout.sag.step),
                  plot.left - kGap, y - line / 2, Align::Right);
        PlaceText(target, layout.tension.tickText(layout.tension.low + i * layout.tension.step),
                  plot.right() + kGap, y - line / 2, Align::Left);
    }
    if (clearance)
        for (int i = 0; i <= layout.clearance.intervals(); ++i) {
            const double v = layout.clearance.low + i * layout.clearance.step;
            if (i > 0 && i < layout.clearance.intervals())
                target.line(strip.left, YClear(v), strip.right(), YClear(v),
                            std::fabs(v) < 1e-9 ? kGray : kLightGray, std::fabs(v) < 1e-9 ? 15 : 0);
            PlaceText(target, layout.clearance.tickText(v), strip.left - kGap, YClear(v) - line / 2,
                      Align::Right);
        }
    const ChartAxis& t = layout.temperature;
    for (double tick = std::ceil(t.low / t.step - 1e-9) * t.step; tick <= t.high + 1e-9;
         tick += t.step) {
        if (tick > t.low + 1e-9 && tick < t.high - 1e-9) {
            target.line(X(tick), plot.top, X(tick), plot.bottom(), kLightGray);
            if (clearance) target.line(X(tick), strip.top, X(tick), strip.bottom(), kLightGray);
        }
        PlaceText(target, t.tickText(tick), X(tick), lowest.bottom() + 40, Align::Centre);
    }
    PlaceText(target, AxisTitle("Temperature", UnitText(units, unit::kTemperature)),
              plot.left + plot.width / 2, lowest.bottom() + 40 + line, Align::Centre);
    target.rectangle(plot.left, plot.top, plot.right(), plot.bottom(), kBlack);
    if (clearance) target.rectangle(strip.left, strip.top, strip.right(), strip.bottom(), kBlack);

    // The installed temperature, through both plots.
    const double xi = X(degrees(installedT));
    target.line(xi, plot.top, xi, plot.bottom(), kGray, 15);
    if (clearance) target.line(xi, strip.top, xi, strip.bottom(), kGray, 15);
    const std::string installed = "Installed " + TemperatureText(units, static_cast<float>(installedT));
    const bool roomRight = xi + 60 + target.textWidth(installed) < plot.right();
    PlaceText(target, installed, roomRight ? xi + 60 : xi - 60, plot.top + 30,
              roomRight ? Align::Left : Align::Right);

    // The curves, then the installed point over them.
    std::vector<ui::Point> sag, tension, clear;
    for (const TemperatureRow& row : rows) {
        sag.push_back({X(degrees(row.temperature)), YSag(length(row.sag))});
        tension.push_back({X(degrees(row.temperature)), YTension(force(row.tension))});
        clear.push_back({X(degrees(row.temperature)), YClear(length(row.clearance))});
    }
    target.polyline(tension, kTensionColour, 15);
    for (const ui::Point& p : tension) DrawMark(target, Mark::Square, p.x, p.y, kTensionColour, 70);
    target.polyline(sag, kSagColour, 15);
    for (const ui::Point& p : sag) DrawMark(target, Mark::Circle, p.x, p.y, kSagColour, 70);
    int firstBelow = -1;
    if (clearance) {
        target.polyline(clear, kClearanceColour, 15);
        for (size_t i = 0; i < clear.size(); ++i) {
            const bool below = rows[i].clearance < 0;
            if (below && firstBelow < 0) firstBelow = static_cast<int>(i);
            DrawMark(target, below ? Mark::FilledSquare : Mark::Triangle, clear[i].x, clear[i].y,
                     below ? kRed : kClearanceColour, below ? 100 : 80);
        }
    }
    DrawMark(target, Mark::Diamond, xi, YSag(installedSag), kBlack, 140);
    DrawMark(target, Mark::Diamond, xi, YTension(installedTension), kBlack, 140);

    // A clearance below 0 is said in words as well, in the strip's upper left corner (the
    // clearance falls as the temperature rises, so that corner is clear of it).
    if (firstBelow >= 0) {
        std::string below = "Clearance below 0 at ";
        below += TemperatureText(
            units, static_cast<float>(rows[static_cast<size_t>(firstBelow)].temperature));
        const bool allAbove = std::all_of(rows.begin() + firstBelow, rows.end(),
                                          [](const TemperatureRow& r) { return r.clearance < 0; });
        if (allAbove && firstBelow + 1 < static_cast<int>(rows.size())) below += " and above";
        const double width = target.textWidth(below);
        const double y = std::max(strip.top + 40, strip.bottom() - line - 40);
        target.rectangle(strip.left + 40, y - 20, strip.left + width + 300, y + line + 20, kRed, 10,
                         kWhite);
        DrawMark(target, Mark::FilledSquare, strip.left + 140, y + line / 2, kRed, 100);
        PlaceText(target, below, strip.left + 240, y, Align::Left);
    }
    return layout;
}

}  // namespace cn3
