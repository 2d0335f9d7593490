#include "line/line_profile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/chart_axis.h"
#include "engine/chart_parts.h"
#include "engine/profile_frame.h"
#include "line/line_tables.h"

namespace cn3::line {

namespace {

constexpr double kTitleSize = 8, kTextSize = 7;
constexpr int kSegments = 16;       // per span: enough for a smooth parabola at any width
constexpr double kStroke = 250;     // a legend entry's stroke, twips
constexpr double kLegendGap = 300;  // between legend entries
constexpr double kLabelGap = 80;    // kept clear between two pole IDs on a row
constexpr double kMarkSize = 70;
constexpr double kMarkedSpan = 500;  // a span narrower than this draws its strands unmarked
constexpr double kDash = 120, kDashGap = 80;

constexpr ui::Rgb kGround{130, 90, 40};
constexpr ui::Rgb kPole{90, 90, 90};
constexpr ui::Rgb kInstalled{0, 0, 0};
constexpr ui::Rgb kHot{200, 100, 0};
constexpr ui::Rgb kLoaded{0, 70, 200};
constexpr ui::Rgb kClearance{0, 130, 0};
constexpr double kGroundWidth = 25, kPoleWidth = 30, kCurveWidth = 15, kLowWidth = 45;

// A strand drawn in every span: its sag in each span (display units), and how it looks.
struct Strand {
    std::size_t condition = 0;  // LineSolution::conditions index
    std::string caption;
    ui::Rgb colour;
    bool marked = false;
    Mark mark = Mark::Circle;
    double markAt = 0.5;  // where along each span its mark stands, so that marks stand apart
};

struct LegendEntry {
    std::string caption;
    ui::Rgb colour;
    double width = 0;
    bool dashed = false;
    bool marked = false;
    Mark mark = Mark::Circle;
};

// A line drawn as dashes, for the required clearance: it stays a line of its own on a
// black-and-white page.
void Dashed(ui::Surface& s, ui::Point a, ui::Point b, ui::Rgb colour, double width) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length <= 0) return;
    for (double from = 0; from < length; from += kDash + kDashGap) {
        const double to = std::min(length, from + kDash);
        s.line(a.x + (b.x - a.x) * from / length, a.y + (b.y - a.y) * from / length,
               a.x + (b.x - a.x) * to / length, a.y + (b.y - a.y) * to / length, colour, width);
    }
}

double EntryWidth(ui::Surface& s, const LegendEntry& e) {
    return kStroke + 100 + s.textWidth(e.caption);
}

void DrawEntry(ui::Surface& s, const LegendEntry& e, double x, double y, double lineHeight) {
    const double mid = y + lineHeight / 2;
    if (e.dashed)
        Dashed(s, {x, mid}, {x + kStroke, mid}, e.colour, e.width);
    else
        s.line(x, mid, x + kStroke, mid, e.colour, e.width);
    if (e.marked) DrawMark(s, e.mark, x + kStroke / 2, mid, e.colour, kMarkSize);
    PlaceText(s, e.caption, x + kStroke + 100, y, Align::Left);
}

// The legend's entries placed in rows from `left`, wrapping before `right`: the top-left
// corner of each entry, its row counted from 0.
struct Placed {
    double x = 0;
    int row = 0;
};
std::vector<Placed> FlowLegend(ui::Surface& s, const std::vector<LegendEntry>& entries, double left,
                               double right) {
    std::vector<Placed> placed;
    double x = left;
    int row = 0;
    for (const LegendEntry& e : entries) {
        const double w = EntryWidth(s, e);
        if (x > left && x + w > right) {
            x = left;
            ++row;
        }
        placed.push_back({x, row});
        x += w + kLegendGap;
    }
    return placed;
}

// The height of the strand above the datum at x along a span from pole a to pole b (display
// units): the chord between the attachments less the parabola of sag d.
double StrandAt(double za, double zb, double d, double l, double x) {
    return za + (zb - za) * x / l - 4.0 * d * x * (l - x) / (l * l);
}

}  // namespace

void DrawLineProfile(ui::Surface& surface, double left, double top, double width, double height,
                     const PoleLine& line, const LineSolution& solution, const Units& units) {
    const std::size_t n = std::min(line.spans.size(), solution.spans.size());
    if (n == 0 || line.poles.size() < n + 1 || width <= 0 || height <= 0) return;
    const double size = surface.fontSize();
    const bool bold = surface.bold();
    const double startX = surface.currentX(), startY = surface.currentY();
    const auto D = [&](float feet) { return units.displayNumber(unit::kLength, feet); };

    // The strands: as installed, at the hottest temperature, under the worst loading.
    std::vector<Strand> strands;
    strands.push_back(
        {0, "Installed at " + TemperatureText(units, solution.ruling.inputs.installedTemperature),
         kInstalled});
    const std::size_t hottest = std::min(solution.hottest, solution.conditions.size() - 1);
    strands.push_back({hottest,
                       "At " + TemperatureText(units, solution.conditions[hottest].temperature),
                       kHot, true, Mark::Circle, 0.35});
    if (const std::size_t worst = WorstLoading(solution); worst != 0)
        strands.push_back({worst, "Under " + solution.conditions[worst].name, kLoaded, true,
                           Mark::Triangle, 0.65});

    // Positions along the line and elevations, in display units.
    std::vector<double> at(n + 1, 0.0), ground(n + 1), attach(n + 1);
    for (std::size_t i = 0; i < n; ++i) at[i + 1] = at[i] + D(line.spans[i].length);
    for (std::size_t p = 0; p <= n; ++p) {
        ground[p] = D(line.poles[p].groundElevation);
        attach[p] = ground[p] + D(line.poles[p].attachmentHeight);
    }
    const double total = at[n];
    const auto sagOf = [&](const Strand& strand, std::size_t i) {
        return D(ScaledSag(solution.conditions[strand.condition].rulingSag,
                           solution.spans[i].length, solution.rulingSpan));
    };
    double low = *std::min_element(ground.begin(), ground.end());
    double high = *std::max_element(attach.begin(), attach.end());
    for (std::size_t i = 0; i < n; ++i) {
        high = std::max(
            high, std::max(ground[i], ground[i + 1]) + D(solution.spans[i].requiredClearance));
        for (const Strand& strand : strands)
            low = std::min(low, std::min(attach[i], attach[i + 1]) - sagOf(strand, i));
    }
    // Room under the ground for the "TOO LOW" words, and the poles standing above their
    // attachments.
    const double range = std::max(high - low, 1e-3);
    const double poleTop = 0.08 * range;
    const ChartAxis elevation = NiceAxis(low - 0.12 * range, high + poleTop, 5);
    ChartAxis distance = NiceAxis(0, total, 6);
    distance.low = 0;
    distance.high = total;

    // The legend.
    bool anyLow = false;
    for (std::size_t i = 0; i < n; ++i) anyLow = anyLow || !solution.spans[i].clearanceOk;
    std::vector<LegendEntry> legend;
    legend.push_back({"Ground", kGround, kGroundWidth});
    for (const Strand& s : strands)
        legend.push_back({s.caption, s.colour, kCurveWidth, false, s.marked, s.mark});
    legend.push_back({"Required clearance", kClearance, kCurveWidth, true});
    if (anyLow) legend.push_back({"Span TOO LOW", kRed, kLowWidth, false, true, Mark::Diamond});

    // The frame: the title row, the legend rows, the rows of pole IDs, the plot, and two rows
    // of distance labels under it.
    surface.setBold(false);
    surface.setFontSize(kTextSize);
    const double h = surface.textHeight();
    const std::string elevationTitle = AxisTitle("Elevation", UnitText(units, unit::kLength));
    const double legendLeft = left + surface.textWidth(elevationTitle) + kLegendGap;
    const auto placed = FlowLegend(surface, legend, legendLeft, left + width);
    const int legendRows = placed.empty() ? 1 : placed.back().row + 1;
    ChartBox plot;
    plot.left = left + std::max(WidestTickText(surface, elevation), surface.textWidth("0")) + 120;
    plot.width = left + width - 150 - plot.left;
    const double idTop = top + h + 80 + legendRows * (h + 40) + 40;
    // An ID centred over its pole, but inside the picture.
    const auto idCentre = [&](std::size_t p, double w) {
        const double x = distance.place(at[p], plot.left, plot.right());
        return std::max(left + w / 2, std::min(x, left + width - w / 2));
    };
    // Pole IDs on one row; when one row has no room for them all, on two rows in turn, and
    // an ID that still has no room left out.
    const auto placeIds = [&](int rows) {
        std::vector<int> row(n + 1, -1);
        std::vector<double> rightEdge(static_cast<std::size_t>(rows), -1e300);
        for (std::size_t p = 0; p <= n; ++p) {
            const double w = surface.textWidth(line.poles[p].id);
            const double x = idCentre(p, w);
            const int r = static_cast<int>(p % static_cast<std::size_t>(rows));
            double& edge = rightEdge[static_cast<std::size_t>(r)];
            if (x - w / 2 < edge + kLabelGap) continue;
            row[p] = r;
            edge = x + w / 2;
        }
        return row;
    };
    std::vector<int> idRow = placeIds(1);
    const bool twoRows = std::count(idRow.begin(), idRow.end(), -1) > 0;
    if (twoRows) idRow = placeIds(2);
    plot.top = idTop + (twoRows ? 2 : 1) * h + 60;
    plot.height = top + height - 2 * h - 100 - plot.top;
    if (plot.width <= 0 || plot.height <= 0) {
        surface.setFontSize(size);
        surface.setBold(bold);
        return;
    }
    const auto X = [&](double d) { return distance.place(d, plot.left, plot.right()); };
    const auto Y = [&](double e) { return elevation.place(e, plot.bottom(), plot.top); };
    const double exaggeration = (plot.height / (elevation.high - elevation.low)) /
                                (plot.width / (distance.high - distance.low));

    // Title, scale note, axis title and legend.
    surface.setFontSize(kTitleSize);
    surface.setBold(true);
    PlaceText(surface, "Line Profile", left, top, Align::Left);
    surface.setBold(false);
    surface.setFontSize(kTextSize);
    PlaceText(surface, ScaleNote(exaggeration), left + width, top + 20, Align::Right);
    const double legendTop = top + h + 80;
    PlaceText(surface, elevationTitle, left, legendTop, Align::Left);
    for (std::size_t e = 0; e < legend.size(); ++e)
        DrawEntry(surface, legend[e], placed[e].x, legendTop + placed[e].row * (h + 40), h);

    // Grid and ticks.
    for (int i = 0; i <= elevation.intervals(); ++i) {
        const double v = elevation.low + i * elevation.step;
        surface.line(plot.left, Y(v), plot.right(), Y(v), i == 0 ? kGray : kLightGray);
        PlaceText(surface, elevation.tickText(v), plot.left - 100,
                  std::clamp(Y(v) - h / 2, plot.top - h / 2, plot.bottom() - h / 2), Align::Right);
    }
    double labelRight = -1e300;
    for (double tick = 0; tick <= distance.high + 1e-9; tick += distance.step) {
        const std::string text = distance.tickText(tick);
        const double x = X(tick), w = surface.textWidth(text);
        surface.line(x, plot.top, x, plot.bottom(), tick == 0 ? kGray : kLightGray);
        const double labelLeft = std::min(x - w / 2, left + width - w);
        if (labelLeft < labelRight + 150) continue;
        PlaceText(surface, text, labelLeft, plot.bottom() + 40, Align::Left);
        labelRight = labelLeft + w;
    }
    surface.line(plot.right(), plot.top, plot.right(), plot.bottom(), kGray);
    PlaceText(surface, AxisTitle("Distance along the line", UnitText(units, unit::kLength)),
              plot.left + plot.width / 2, plot.bottom() + 40 + h, Align::Centre);

    // Ground, required clearance, poles and their IDs.
    std::vector<ui::Point> groundLine;
    for (std::size_t p = 0; p <= n; ++p) groundLine.push_back({X(at[p]), Y(ground[p])});
    surface.polyline(groundLine, kGround, kGroundWidth);
    for (std::size_t i = 0; i < n; ++i) {
        const double need = D(solution.spans[i].requiredClearance);
        Dashed(surface, {X(at[i]), Y(ground[i] + need)}, {X(at[i + 1]), Y(ground[i + 1] + need)},
               solution.spans[i].clearanceOk ? kClearance : kRed, kCurveWidth);
    }
    for (std::size_t p = 0; p <= n; ++p) {
        const double x = X(at[p]);
        surface.line(x, Y(ground[p]), x, Y(attach[p] + poleTop), kPole, kPoleWidth);
        DrawMark(surface, Mark::FilledSquare, x, Y(attach[p]), kPole, 60);
        if (idRow[p] >= 0)
            PlaceText(surface, line.poles[p].id, idCentre(p, surface.textWidth(line.poles[p].id)),
                      idTop + idRow[p] * h, Align::Centre);
    }

    // The strands, span by span; a span too low has the strand that governs it red and thick.
    for (std::size_t i = 0; i < n; ++i) {
        const SpanResult& r = solution.spans[i];
        const double l = at[i + 1] - at[i];
        // The strand of the governing condition, else the deepest drawn (they sag alike).
        std::size_t governing = 0;
        for (std::size_t k = 0; k < strands.size(); ++k)
            if (strands[k].condition == r.governing ||
                (strands[governing].condition != r.governing &&
                 sagOf(strands[k], i) > sagOf(strands[governing], i)))
                governing = k;
        for (std::size_t k = 0; k < strands.size(); ++k) {
            const Strand& strand = strands[k];
            const bool governs = !r.clearanceOk && k == governing;
            const double d = sagOf(strand, i);
            std::vector<ui::Point> points;
            for (int k = 0; k <= kSegments; ++k) {
                const double x = l * k / kSegments;
                points.push_back({X(at[i] + x), Y(StrandAt(attach[i], attach[i + 1], d, l, x))});
            }
            surface.polyline(points, governs ? kRed : strand.colour,
                             governs ? kLowWidth : kCurveWidth);
            if (strand.marked && X(at[i + 1]) - X(at[i]) >= kMarkedSpan) {
                const double x = l * strand.markAt;
                DrawMark(surface, strand.mark, X(at[i] + x),
                         Y(StrandAt(attach[i], attach[i + 1], d, l, x)), strand.colour, kMarkSize);
            }
        }
        if (r.clearanceOk) continue;
        // The lowest point, and the words where the span has room for them.
        const double lx = D(r.lowest.x);
        const double groundAt = ground[i] + (ground[i + 1] - ground[i]) * lx / l;
        DrawMark(surface, Mark::Diamond, X(at[i] + lx), Y(groundAt + D(r.lowest.height)), kRed,
                 110);
        const std::string words = "TOO LOW";
        const double w = surface.textWidth(words);
        const double mid = X(at[i] + l / 2);
        const double groundMid = Y((ground[i] + ground[i + 1]) / 2);
        if (w + 60 <= X(at[i + 1]) - X(at[i]) && groundMid + 60 + h <= plot.bottom() - 20) {
            surface.setBold(true);
            PlaceText(surface, words, mid, groundMid + 60, Align::Centre);
            surface.setBold(false);
        }
    }

    surface.setFontSize(size);
    surface.setBold(bold);
    surface.setCurrentX(startX);
    surface.setCurrentY(startY);
}

}  // namespace cn3::line
