#include "engine/span_profile.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/number_format.h"
#include "core/unit_table.h"
#include "engine/span_inputs.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 8, kTextSize = 7;
constexpr int kSegments = 40;  // even, so that the middle of the span is a drawn point
constexpr double kLegendWidth = 3900;
constexpr ui::Rgb kPoleColour{90, 90, 90};
constexpr std::array<ui::Rgb, 5> kCurveColours = {ui::Rgb{0, 0, 0}, ui::Rgb{0, 70, 200},
                                                  ui::Rgb{0, 130, 0}, ui::Rgb{130, 0, 160},
                                                  ui::Rgb{150, 90, 0}};

std::string Trimmed(std::string text) {
    const auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::string WithUnit(const Units& units, int kind, float value, const char* pattern) {
    return units.toDisplay(kind, value, pattern) + units.label(kind);
}

// The parabola's depth below the supports at distance x along a span of length l.
double Depth(double sag, double x, double l) {
    return 4.0 * sag * x * (l - x) / (l * l);
}

}  // namespace

std::string ScaleNote(double exaggeration) {
    // A sag deeper than the plot is tall for its width (a very deep sag) is drawn reduced.
    if (exaggeration < 0.95) {
        std::string note = "Vertical scale reduced to ";
        note += FormatNumber(exaggeration, "#0.00");
        note += " of the horizontal";
        return note;
    }
    if (exaggeration < 1.05) return "Vertical scale as the horizontal";
    std::string note = "Vertical scale exaggerated ";
    note += FormatNumber(exaggeration, exaggeration >= 10 ? "#,##0" : "#0.0");
    note += " times";
    return note;
}

std::vector<ProfileCurve> ProfileCurves(const Program& program, const SpanSolution& solution,
                                        const UsableLoadCheck& check) {
    const Units& units = program.units;
    std::vector<ProfileCurve> curves;
    ProfileCurve installed;
    installed.sag = DisplayNumber(units, unit::kLength, solution.inputs.sag);
    installed.caption = "Installed at ";
    installed.caption +=
        units.toDisplay(unit::kTemperature, solution.inputs.installedTemperature, "##0.#;;");
    installed.caption += ' ';
    installed.caption += UnitText(units, unit::kTemperature);
    installed.caption += ": ";
    installed.caption += WithUnit(units, unit::kLength, solution.inputs.sag, "##0.00 ");
    installed.caption += ", ";
    installed.caption += WithUnit(units, unit::kForce, solution.installed.tension, "##,##0 ");
    curves.push_back(installed);
    for (const RowCheck& r : check.rows) {
        const LoadingCondition& c = solution.conditions.at(static_cast<size_t>(r.row - 1));
        ProfileCurve curve;
        curve.row = r.row;
        curve.sag = DisplayNumber(units, unit::kLength, c.sag);
        curve.over = r.over();
        curve.caption = Trimmed(LoadingRowLabel(program, r.row)) + ": " +
                        WithUnit(units, unit::kLength, c.sag, "##0.00 ") + ", " +
                        WithUnit(units, unit::kForce, c.tension, "##,##0 ");
        if (curve.over) curve.caption += " (over usable)";
        curves.push_back(curve);
    }
    return curves;
}

SpanProfileLayout DrawSpanProfile(const Program& program, const SpanSolution& solution,
                                  const UsableLoadCheck& check, ui::Surface& target,
                                  const ChartBox& box) {
    const Units& units = program.units;
    SpanProfileLayout layout;
    layout.curves = ProfileCurves(program, solution, check);
    const double span = DisplayNumber(units, unit::kLength, solution.inputs.span);
    double deepest = 0;
    for (const ProfileCurve& c : layout.curves) deepest = std::max(deepest, c.sag);

    layout.distance = NiceAxis(0, span, 6);
    layout.distance.low = 0;
    layout.distance.high = span;
    layout.depth = NiceAxis(0, deepest, 4);

    target.setBold(false);
    target.setFontSize(kTextSize);
    const double line = target.textHeight();
    double depthLabels = 0;
    for (int i = 0; i <= layout.depth.intervals(); ++i)
        depthLabels = std::max(
            depthLabels,
            target.textWidth(layout.depth.tickText(layout.depth.low + i * layout.depth.step)));
    ChartBox& plot = layout.plot;
    plot.left = box.left + depthLabels + 100;
    plot.top = box.top + 2 * line + 200;
    plot.width = box.right() - kLegendWidth - 200 - plot.left;
    plot.height = box.bottom() - 2 * line - 80 - plot.top;
    const auto X = [&](double d) { return layout.distance.place(d, plot.left, plot.right()); };
    const auto Y = [&](double d) { return layout.depth.place(d, plot.top, plot.bottom()); };
    layout.exaggeration = (plot.height / (layout.depth.high - layout.depth.low)) /
                          (plot.width / (layout.distance.high - layout.distance.low));

    // Title and the scale note.
    target.setFontSize(kTitleSize);
    target.setBold(true);
    PlaceText(target, "Span Profile", box.left, box.top, Align::Left);
    target.setBold(false);
    target.setFontSize(kTextSize);
    PlaceText(target, ScaleNote(layout.exaggeration), plot.right(), box.top + 20, Align::Right);
    const std::string lengthUnit = UnitText(units, unit::kLength);
    std::string depthTitle = "Sag (";
    depthTitle += lengthUnit;
    depthTitle += ')';
    PlaceText(target, depthTitle, box.left, box.top + line + 60, Align::Left);

    // Ticks and grid.
    for (int i = 0; i <= layout.depth.intervals(); ++i) {
        const double v = layout.depth.low + i * layout.depth.step;
        if (i > 0) target.line(plot.left, Y(v), plot.right(), Y(v), kLightGray);
        PlaceText(target, layout.depth.tickText(v), plot.left - 100, Y(v) - line / 2, Align::Right);
    }
    const ChartAxis& d = layout.distance;
    for (double tick = 0; tick <= d.high + 1e-9; tick += d.step) {
        if (tick > 1e-9 && tick < d.high - d.step * 0.3)
            target.line(X(tick), plot.top, X(tick), plot.bottom(), kLightGray);
        if (tick < d.high - d.step * 0.3)
            PlaceText(target, d.tickText(tick), X(tick), plot.bottom() + 40, Align::Centre);
    }
    PlaceText(target, WithUnit(units, unit::kLength, solution.inputs.span, "#,##0.0# "),
              plot.right(), plot.bottom() + 40, Align::Centre);
    std::string distanceTitle = "Distance along the span (";
    distanceTitle += lengthUnit;
    distanceTitle += ')';
    PlaceText(target, distanceTitle, plot.left + plot.width / 2, plot.bottom() + 40 + line,
              Align::Centre);

    // The supports: poles standing above the cable's attachment and the line between them.
    target.line(X(0), Y(0), X(span), Y(0), kGray);
    for (double at : {0.0, span}) {
        target.line(X(at), plot.top - 180, X(at), plot.bottom(), kPoleColour, 45);
        DrawMark(target, Mark::FilledSquare, X(at), Y(0), kPoleColour, 90);
    }

    // The curves, each numbered on itself where the curves stand apart, and the legend.
    const bool point = program.main.Check1[0].checked();
    // The table's "Sag @ Point" is R·x²/(2H), the rise of the cable above its lowest point at x
    // from midspan, so the point is marked there for the picture to agree with the column.
    const double fromMidspan = DisplayNumber(units, unit::kLength, solution.inputs.pointDistance);
    const double x = span / 2 + fromMidspan;  // right of midspan, clear of the curve numbers
    const bool pointInSpan = point && fromMidspan > 0 && fromMidspan <= span / 2;
    if (pointInSpan) {
        target.line(X(x), plot.top, X(x), plot.bottom(), kGray, 15);
        std::string caption = "Pt of interest ";
        caption += WithUnit(units, unit::kLength, solution.inputs.pointDistance, "#,##0.0# ");
        caption += " from midspan";
        const bool roomRight = X(x) + 60 + target.textWidth(caption) < plot.right();
        PlaceText(target, caption, roomRight ? X(x) + 60 : X(x) - 60, plot.bottom() - line - 30,
                  roomRight ? Align::Left : Align::Right);
    }
    const double legendLeft = plot.right() + 300;
    for (size_t i = 0; i < layout.curves.size(); ++i) {
        const ProfileCurve& c = layout.curves[i];
        const ui::Rgb colour = c.over ? kRed : kCurveColours[i % kCurveColours.size()];
        const double width = c.over ? 35 : 15;
        std::vector<ui::Point> points;
        for (int k = 0; k <= kSegments; ++k) {
            const double at = span * k / kSegments;
            points.push_back({X(at), Y(Depth(c.sag, at, span))});
        }
        target.polyline(points, colour, width);
        if (pointInSpan) DrawMark(target, Mark::Circle, X(x), Y(Depth(c.sag, x, span)), colour, 80);

        const std::string tag = std::to_string(i + 1);
        const double tagAt = span * (0.1 + 0.08 * static_cast<double>(i));
        const double tx = X(tagAt), ty = Y(Depth(c.sag, tagAt, span));
        const double half = target.textWidth(tag) / 2 + 30;
        target.rectangle(tx - half, ty - line / 2 - 10, tx + half, ty + line / 2 + 10, colour, 10,
                         kWhite);
        PlaceText(target, tag, tx, ty - line / 2, Align::Centre);

        const double ly = plot.top + static_cast<double>(i) * (line + 60);
        target.line(legendLeft, ly + line / 2, legendLeft + 250, ly + line / 2, colour, width);
        PlaceText(target, tag, legendLeft + 330, ly, Align::Left);
        PlaceText(target, c.caption, legendLeft + 480, ly, Align::Left);
    }
    return layout;
}

}  // namespace cn3
