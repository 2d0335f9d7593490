#include "engine/span_profile.h"

#include <algorithm>
#include <array>

#include "core/blanks.h"
#include "core/unit_table.h"
#include "engine/span_inputs.h"

namespace cn3 {

namespace {

constexpr int kSegments = 40;  // even, so that the middle of the span is a drawn point
constexpr std::array<ui::Rgb, 5> kCurveColours = {ui::Rgb{0, 0, 0}, ui::Rgb{0, 70, 200},
                                                  ui::Rgb{0, 130, 0}, ui::Rgb{130, 0, 160},
                                                  ui::Rgb{150, 90, 0}};

std::string WithUnit(const Units& units, int kind, float value, const char* pattern) {
    return units.toDisplay(kind, value, pattern) + units.label(kind);
}

// The parabola's depth below the supports at distance x along a span of length l.
double Depth(double sag, double x, double l) {
    return 4.0 * sag * x * (l - x) / (l * l);
}

}  // namespace

std::vector<ProfileCurve> ProfileCurves(const Program& program, const SpanSolution& solution,
                                        const UsableLoadCheck& check) {
    const Units& units = program.units;
    std::vector<ProfileCurve> curves;
    ProfileCurve installed;
    installed.sag = units.displayNumber(unit::kLength, solution.inputs.sag);
    installed.caption = "Installed at ";
    installed.caption += TemperatureText(units, solution.inputs.installedTemperature);
    installed.caption += ": ";
    installed.caption += WithUnit(units, unit::kLength, solution.inputs.sag, "##0.00 ");
    installed.caption += ", ";
    installed.caption += WithUnit(units, unit::kForce, solution.installed.tension, "##,##0 ");
    curves.push_back(installed);
    for (const RowCheck& r : check.rows) {
        const LoadingCondition& c = solution.conditions.at(static_cast<size_t>(r.row - 1));
        ProfileCurve curve;
        curve.row = r.row;
        curve.sag = units.displayNumber(unit::kLength, c.sag);
        curve.over = r.over();
        curve.caption = TrimEndSpaces(LoadingRowLabel(program, r.row)) + ": " +
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
    const double span = units.displayNumber(unit::kLength, solution.inputs.span);
    ProfileSpans spans;
    spans.lengths = {span};
    for (const ProfileCurve& c : layout.curves) spans.deepest = std::max(spans.deepest, c.sag);
    spans.lengthUnit = UnitText(units, unit::kLength);
    spans.endText = WithUnit(units, unit::kLength, solution.inputs.span, "#,##0.0# ");
    const ProfileFrame frame = DrawProfileFrame(target, box, spans);
    layout.plot = frame.plot;
    layout.distance = frame.distance;
    layout.depth = frame.depth;
    layout.exaggeration = frame.exaggeration;
    const ChartBox& plot = frame.plot;
    const double line = frame.lineHeight;
    const auto X = [&](double d) { return frame.x(d); };
    const auto Y = [&](double d) { return frame.y(d); };

    // The curves, each numbered on itself where the curves stand apart, and the legend.
    const bool point = program.main.Check1[0].checked();
    // The table's "Sag @ Point" is R·x²/(2H), the rise of the cable above its lowest point at x
    // from midspan, so the point is marked there for the picture to agree with the column.
    const double fromMidspan = units.displayNumber(unit::kLength, solution.inputs.pointDistance);
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
        frame.drawLegendEntry(target, i, tag, c.caption, colour, width);
    }
    return layout;
}

}  // namespace cn3
