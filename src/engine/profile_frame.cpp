#include "engine/profile_frame.h"

#include <algorithm>
#include <numeric>

#include "core/number_format.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 8, kTextSize = 7;
constexpr double kLegendWidth = 3900;
constexpr ui::Rgb kPoleColour{90, 90, 90};

}  // namespace

void ProfileFrame::drawLegendEntry(ui::Surface& target, size_t index, std::string_view number,
                                   std::string_view caption, ui::Rgb colour, double width) const {
    const double ly = plot.top + static_cast<double>(index) * (lineHeight + 60);
    target.line(legendLeft, ly + lineHeight / 2, legendLeft + 250, ly + lineHeight / 2, colour,
                width);
    PlaceText(target, number, legendLeft + 330, ly, Align::Left);
    PlaceText(target, caption, legendLeft + 480, ly, Align::Left);
}

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

ProfileFrame DrawProfileFrame(ui::Surface& target, const ChartBox& box, const ProfileSpans& spans) {
    ProfileFrame frame;
    frame.supports.push_back(0);
    for (double length : spans.lengths) frame.supports.push_back(frame.supports.back() + length);
    const double total = frame.supports.back();

    frame.distance = NiceAxis(0, total, 6);
    frame.distance.low = 0;
    frame.distance.high = total;
    frame.depth = NiceAxis(0, spans.deepest, 4);

    target.setBold(false);
    target.setFontSize(kTextSize);
    const double line = target.textHeight();
    frame.lineHeight = line;
    const double depthLabels = WidestTickText(target, frame.depth);
    ChartBox& plot = frame.plot;
    plot.left = box.left + depthLabels + 100;
    plot.top = box.top + 2 * line + 200;
    plot.width = box.right() - kLegendWidth - 200 - plot.left;
    plot.height = box.bottom() - 2 * line - 80 - plot.top;
    frame.legendLeft = plot.right() + 300;
    frame.exaggeration = (plot.height / (frame.depth.high - frame.depth.low)) /
                         (plot.width / (frame.distance.high - frame.distance.low));

    // Title and the scale note.
    target.setFontSize(kTitleSize);
    target.setBold(true);
    PlaceText(target, "Span Profile", box.left, box.top, Align::Left);
    target.setBold(false);
    target.setFontSize(kTextSize);
    PlaceText(target, ScaleNote(frame.exaggeration), plot.right(), box.top + 20, Align::Right);
    PlaceText(target, AxisTitle("Sag", spans.lengthUnit), box.left, box.top + line + 60,
              Align::Left);

    // Ticks and grid.
    const ChartAxis& depth = frame.depth;
    for (int i = 0; i <= depth.intervals(); ++i) {
        const double v = depth.low + i * depth.step;
        if (i > 0) target.line(plot.left, frame.y(v), plot.right(), frame.y(v), kLightGray);
        PlaceText(target, depth.tickText(v), plot.left - 100, frame.y(v) - line / 2, Align::Right);
    }
    const ChartAxis& d = frame.distance;
    for (double tick = 0; tick <= d.high + 1e-9; tick += d.step) {
        // The last tick before the end gives way to the end's own label.
        if (tick > 1e-9 && tick < d.high - d.step * 0.3)
            target.line(frame.x(tick), plot.top, frame.x(tick), plot.bottom(), kLightGray);
        if (tick < d.high - d.step * 0.3)
            PlaceText(target, d.tickText(tick), frame.x(tick), plot.bottom() + 40, Align::Centre);
    }
    PlaceText(target, spans.endText, plot.right(), plot.bottom() + 40, Align::Centre);
    PlaceText(target, AxisTitle("Distance along the span", spans.lengthUnit),
              plot.left + plot.width / 2, plot.bottom() + 40 + line, Align::Centre);

    // The supports: poles standing above the cable's attachment and the line between them.
    target.line(frame.x(0), frame.y(0), frame.x(total), frame.y(0), kGray);
    for (double at : frame.supports) {
        target.line(frame.x(at), plot.top - 180, frame.x(at), plot.bottom(), kPoleColour, 45);
        DrawMark(target, Mark::FilledSquare, frame.x(at), frame.y(0), kPoleColour, 90);
    }
    return frame;
}

}  // namespace cn3
