// The drawn charts against the formulas they picture: the span profile's curves are the
// parabolas y = 4·D·x·(L − x)/L² of their sags between supports at the span's ends, the
// temperature chart's points are the 19 rows of the temperature table on axes that hold every
// value, round axes, and the usable-load check of a span within and of one beyond the usable
// load (60 % of 6,650 lbs is 3,990 lbs), with its marks on the loading table.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "engine/chart_axis.h"
#include "engine/recompute.h"
#include "engine/span_charts.h"
#include "engine/span_profile.h"
#include "engine/temperature_chart.h"
#include "engine/usable_load_check.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using ui::RecordedOp;

// The polylines of `points` points, in the order drawn.
std::vector<std::vector<ui::Point>> Polylines(const ui::RecordingSurface& surface, size_t points) {
    std::vector<std::vector<ui::Point>> found;
    for (const auto& op : surface.ops())
        if (op.kind == RecordedOp::Kind::Polyline && op.points.size() == points)
            found.push_back(op.points);
    return found;
}

bool Drawn(const ui::RecordingSurface& surface, const std::string& text) {
    const auto& ops = surface.ops();
    return std::any_of(ops.begin(), ops.end(),
                       [&](const RecordedOp& op) { return op.text == text; });
}

class ChartsTest : public EngineTest {
  protected:
    // Solves the worksheet as a full recomputation does and gives back the shown solution.
    const SpanSolution& solve() {
        Recompute(program);
        EXPECT_TRUE(program.shownSolution);
        return *program.shownSolution;
    }
    // Heavy district with both user loadings ticked: rows 1, 2, 4 and 5 are drawn.
    void allLoadings() {
        program.spanRecord.selectedDistrict = 0;
        program.loading.Check1[0].setChecked(true);
        program.loading.Check1[1].setChecked(true);
    }
};

TEST(chart_axis, round_steps_hold_the_range) {
    struct Row {
        const char* name;
        double low, high;
        int target;
        double from, to, step, tickAt;
        const char* tick;
    };
    // clang-format off
    const Row rows[] = {
        {"sags of a span",          2.63, 3.92, 5,  2.5,  4.0,  0.5, 2.5,   "2.5"},
        {"tensions",                841,  1602, 5,  800,  1800, 200, 1000,  "1,000"},
        {"a range with no width",   3,    3,    5,  2.6,  3.4,  0.2, 3,     "3.0"},
        {"nothing but zero",        0,    0,    4,  -1,   1,    0.5, 1e-12, "0.0"},
        {"clearances through zero", -1.3, 18.4, 5,  -5,   20,   5,   -5,    "-5"},
        {"metric temperatures",     -40,  60,   9,  -40,  60,   20,  -40,   "-40"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const ChartAxis axis = NiceAxis(r.low, r.high, r.target);
        EXPECT_NEAR(axis.low, r.from, 1e-9) << r.name;
        EXPECT_NEAR(axis.high, r.to, 1e-9) << r.name;
        EXPECT_NEAR(axis.step, r.step, 1e-9) << r.name;
        EXPECT_LE(axis.low, std::min(r.low, r.high)) << r.name;
        EXPECT_GE(axis.high, std::max(r.low, r.high)) << r.name;
        EXPECT_EQ(axis.tickText(r.tickAt), r.tick) << r.name;
    }
}

// A second axis takes the first one's number of intervals so that their ticks share gridlines,
// and stays at or above 0 for values that are never negative.
TEST(chart_axis, an_aligned_axis_has_the_intervals_asked_for) {
    struct Row {
        const char* name;
        double low, high;
        int intervals;
        double from, to;
    };
    const Row rows[] = {{"tensions on four", 841, 1602, 4, 750, 1750},
                        {"tensions on six, the spare step on top", 841, 1602, 6, 800, 2000},
                        {"small values on five", 0.2, 1.1, 5, 0.2, 1.2},
                        {"from 0, never below it", 0, 1.1, 4, 0, 2}};
    for (const Row& r : rows) {
        const ChartAxis axis = AlignedAxis(r.low, r.high, r.intervals);
        EXPECT_EQ(axis.intervals(), r.intervals) << r.name;
        EXPECT_NEAR(axis.low, r.from, 1e-9) << r.name;
        EXPECT_NEAR(axis.high, r.to, 1e-9) << r.name;
        EXPECT_TRUE(axis.low <= r.low && r.high <= axis.high) << r.name;
    }
}

// Midspan is a drawn point at the depth of the sag, the ends sit on the supports at the span's
// ends, the lowest point is the middle and a quarter of the way along the depth is 3/4 of the
// sag; the vertical exaggeration is the ratio of the two scales.
TEST_F(ChartsTest, span_profile_curves_are_the_parabolas_of_their_sags) {
    struct Row {
        const char* name;
        bool metric;
    };
    for (const Row& r : {Row{"English display", false}, Row{"metric display", true}}) {
        program.units.metricUnits = r.metric ? 1 : 0;
        allLoadings();
        worksheet({"1/4 EHS", "P 500", "P 750"}, r.metric ? "45.72" : "150",
                  r.metric ? "0.9144" : "3");
        program.main.Option1.select(0);
        const SpanSolution& s = solve();
        ui::RecordingSurface surface;
        const ChartBox box{300, 200, 9000, 3400};
        const SpanProfileLayout layout =
            DrawSpanProfile(program, s, CheckUsableLoad(program, s), surface, box);
        const double toDisplay = r.metric ? 0.3048 : 1.0;
        const auto shown = [&](float feet) { return double(feet) * toDisplay; };
        const double L = shown(s.inputs.span);
        const std::vector<double> sags = {shown(s.inputs.sag), shown(s.conditions[0].sag),
                                          shown(s.conditions[1].sag), shown(s.conditions[3].sag),
                                          shown(s.conditions[4].sag)};
        const auto curves = Polylines(surface, 41);
        ASSERT_EQ(curves.size(), sags.size()) << r.name;
        const auto& plot = layout.plot;
        EXPECT_EQ(layout.depth.low, 0) << r.name;
        EXPECT_NEAR(layout.distance.high, L, 1e-3) << r.name;
        const double perDepth = plot.height / layout.depth.high, perLength = plot.width / L;
        EXPECT_NEAR(layout.exaggeration, perDepth / perLength, 1e-5) << r.name;
        for (size_t i = 0; i < sags.size(); ++i) {
            const auto& c = curves[i];
            EXPECT_NEAR(c.front().x, plot.left, 1e-6) << r.name << i;
            EXPECT_NEAR(c.back().x, plot.left + plot.width, 1e-6) << r.name << i;
            EXPECT_NEAR(c.front().y, plot.top, 1e-6) << r.name << i;
            EXPECT_NEAR(c.back().y, plot.top, 1e-6) << r.name << i;
            EXPECT_NEAR(c[20].x, plot.left + plot.width / 2, 1e-6) << r.name << i;
            EXPECT_NEAR((c[20].y - plot.top) / perDepth, sags[i], 1e-5) << r.name << i;
            EXPECT_NEAR((c[10].y - plot.top) / perDepth, 0.75 * sags[i], 1e-5) << r.name << i;
            const auto lowest =
                std::max_element(c.begin(), c.end(), [](auto a, auto b) { return a.y < b.y; });
            EXPECT_EQ(lowest - c.begin(), 20) << r.name << i;
            EXPECT_GE(plot.top + plot.height + 1e-6, c[20].y) << "inside the plot: " << r.name << i;
        }
        EXPECT_TRUE(Drawn(surface, ScaleNote(layout.exaggeration))) << r.name;
    }
}

TEST(span_profile, the_scale_note_says_how_the_vertical_scale_is_drawn) {
    struct Row {
        const char* name;
        double exaggeration;
        const char* note;
    };
    const Row rows[] = {{"many times", 18.4, "Vertical scale exaggerated 18 times"},
                        {"a few times", 2.46, "Vertical scale exaggerated 2.5 times"},
                        {"about even", 1.03, "Vertical scale as the horizontal"},
                        {"a sag deeper than the plot is tall", 0.5,
                         "Vertical scale reduced to 0.50 of the horizontal"}};
    for (const Row& r : rows) EXPECT_EQ(ScaleNote(r.exaggeration), r.note) << r.name;
}

// The point of interest is marked on every curve at its distance from midspan, where the
// table's sag-at-point column measures it: each loading's mark stands that column's value above
// its curve's lowest point. Only while its option is ticked, and not past the supports.
TEST_F(ChartsTest, the_point_of_interest_is_marked_where_the_sag_at_point_column_measures_it) {
    worksheet({"1/4 EHS", "P 500"}, "150", "3", "", "0", "0.850", "50");
    program.main.Option1.select(0);
    const auto marks = [&](const SpanSolution& s) {
        ui::RecordingSurface surface;
        const auto layout =
            DrawSpanProfile(program, s, CheckUsableLoad(program, s), surface, {0, 0, 9000, 3400});
        const double x = layout.plot.left + layout.plot.width * (75.0 + 50) / 150;
        std::vector<double> depths;
        for (const auto& op : surface.ops())
            if (op.kind == RecordedOp::Kind::Circle && std::fabs(op.x - x) < 1e-6)
                depths.push_back((op.y - layout.plot.top) * layout.depth.high / layout.plot.height);
        return std::pair{depths, Drawn(surface, "Pt of interest 50.0 ft from midspan")};
    };
    for (bool ticked : {false, true}) {
        program.main.Check1[0].setChecked(ticked);
        const SpanSolution& s = solve();
        const auto [depths, captioned] = marks(s);
        EXPECT_EQ(captioned, ticked);
        if (!ticked) {
            EXPECT_TRUE(depths.empty());
            continue;
        }
        ASSERT_EQ(depths.size(), 3u);
        EXPECT_NEAR(depths[0], 4 * double(s.inputs.sag) * 125 * 25 / (150.0 * 150.0), 1e-5);
        // The column's tension is worked out over the stress-free length in the place of the
        // span, so it agrees with the curve to the square of their ratio: a few thousandths.
        for (size_t i = 0; i < 2; ++i)
            EXPECT_NEAR(double(s.conditions[i].sag) - depths[i + 1],
                        double(s.conditions[i].pointSag), 0.005 * double(s.conditions[i].sag))
                << i;
    }
    program.main.Text9[2].setText("80");  // beyond the supports, seen from midspan
    EXPECT_TRUE(marks(solve()).first.empty());
}

// The sag and tension curves are the table's 19 rows at their temperatures; both vertical
// axes hold every value and share their gridlines; the clearance (below 0 in one row) has a
// strip of its own under them on the same temperature axis, with 0 on its scale when it runs
// out; the installed temperature and a clearance below 0 are marked and said.
TEST_F(ChartsTest, temperature_chart_points_are_the_table_rows_on_axes_that_hold_them) {
    struct Row {
        const char* name;
        const char* clearance;
        bool metric;
    };
    const Row rows[] = {{"no clearance", "", false},
                        {"a clearance that runs out", "0.3", false},
                        {"metric", "5", true}};
    for (const Row& r : rows) {
        program.units.metricUnits = r.metric ? 1 : 0;
        worksheet({"1/4 EHS", "P 500", "P 750"}, r.metric ? "45.72" : "150",
                  r.metric ? "0.9144" : "3", r.clearance);
        program.main.Option1.select(0);
        program.main.HScroll1.setValue(70);
        const SpanSolution& s = solve();
        ui::RecordingSurface surface;
        const TemperatureChartLayout layout =
            DrawTemperatureChart(program, s, surface, {0, 0, 6600, 3300});
        const double lengthFactor = r.metric ? 0.3048 : 1, forceFactor = r.metric ? 4.448222 : 1;
        const auto length = [&](float feet) { return double(feet) * lengthFactor; };
        const auto force = [&](float pounds) { return double(pounds) * forceFactor; };
        const auto degrees = [&](double f) { return r.metric ? (f - 32) * 0.5555556 : f; };
        const auto& plot = layout.plot;
        EXPECT_NEAR(layout.temperature.low, degrees(-40), 1e-4) << r.name;
        EXPECT_NEAR(layout.temperature.high, degrees(140), 1e-4) << r.name;
        EXPECT_EQ(layout.sag.intervals(), layout.tension.intervals()) << r.name;
        const auto lines = Polylines(surface, 19);
        ASSERT_EQ(lines.size(), std::string(r.clearance).empty() ? 2u : 3u) << r.name;
        const auto x = [&](double T) {
            return plot.left +
                   (degrees(T) - degrees(-40)) / (degrees(140) - degrees(-40)) * plot.width;
        };
        const auto yIn = [&](const ChartBox& box, const ChartAxis& a, double v) {
            return box.top + box.height - (v - a.low) / (a.high - a.low) * box.height;
        };
        const auto y = [&](const ChartAxis& a, double v) { return yIn(plot, a, v); };
        const auto& strip = layout.clearancePlot;
        if (s.clearanceGiven) {
            EXPECT_TRUE(strip.top > plot.top + plot.height && strip.left == plot.left &&
                        strip.width == plot.width)
                << r.name;
        }
        for (size_t i = 0; i < 19; ++i) {
            const TemperatureRow& row = s.temperatures[i];
            EXPECT_NEAR(lines[1][i].x, x(-40 + 10.0 * double(i)), 1e-3) << r.name << i;
            EXPECT_NEAR(lines[1][i].y, y(layout.sag, length(row.sag)), 1e-3) << r.name << i;
            EXPECT_NEAR(lines[0][i].y, y(layout.tension, force(row.tension)), 1e-2) << r.name << i;
            const auto holds = [](const ChartAxis& a, double v) {
                return a.low <= v && v <= a.high;
            };
            EXPECT_TRUE(holds(layout.sag, length(row.sag))) << r.name << i;
            if (s.clearanceGiven) {
                EXPECT_TRUE(holds(layout.clearance, length(row.clearance))) << r.name << i;
                EXPECT_TRUE(holds(layout.clearance, 0) || row.clearance > 0) << r.name << i;
                EXPECT_NEAR(lines[2][i].x, lines[1][i].x, 1e-9) << r.name << i;
                EXPECT_NEAR(lines[2][i].y, yIn(strip, layout.clearance, length(row.clearance)),
                            1e-3)
                    << r.name << i;
            }
            EXPECT_TRUE(layout.tension.low <= force(row.tension) &&
                        force(row.tension) <= layout.tension.high)
                << r.name;
        }
        const std::string unit = r.metric ? "C" : "F";
        EXPECT_TRUE(
            Drawn(surface, "Installed " + std::string(r.metric ? "21.1" : "70") + " " + unit))
            << r.name;
        const auto below = std::find_if(s.temperatures.begin(), s.temperatures.end(),
                                        [](auto& t) { return t.clearance < 0; });
        const bool runsOut = s.clearanceGiven && below != s.temperatures.end();
        EXPECT_EQ(runsOut, r.name == std::string("a clearance that runs out"));
        if (runsOut) {
            EXPECT_TRUE(Drawn(surface, "Clearance below 0 at " +
                                           std::to_string(below->temperature) + " F and above"));
        }
    }
}

// The check line under the table names every case over the usable load (0.6 x 6,650 lbs) and
// by how much, the worst marked; or says all are within it and names the highest. The
// loadings' tensions over it are framed red in the drawn table, on the rows' lines.
TEST_F(ChartsTest, the_check_line_names_the_loadings_over_the_usable_load) {
    allLoadings();
    struct Row {
        std::vector<std::string> cables;
        const char *sag, *line;
        std::vector<int> over;  // the table rows framed
    };
    const Row rows[] = {
        {{"1/4 EHS", "P 500"}, "3",
         "Installed, -40 to 140 F and every shown loading are within the usable load of 3,990 "
         "lbs; the highest tension is 1,318 lbs (Glaze).",
         {}},
        {{"1/4 EHS", "P 750", "P 750", "P 750"}, "0.4",
         "Over the usable load of 3,990 lbs: installed by 236 lbs, -40 F by 959 lbs (the worst), "
         "Rule 251 - Heavy by 808 lbs, Extreme Wind by 336 lbs, Glaze by 651 lbs.",
         {1, 2, 5}}};
    for (const Row& r : rows) {
        worksheet(r.cables, "150", r.sag);
        program.main.Option1.select(0);
        const SpanSolution& s = solve();
        EXPECT_EQ(UsableLoadCheckLine(program, CheckUsableLoad(program, s)), r.line);
        const auto& profile =
            static_cast<ui::RecordingSurface&>(program.main.SpanProfile.surface());
        EXPECT_TRUE(Drawn(profile, r.line)) << r.line;

        const auto& table = static_cast<ui::RecordingSurface&>(program.main.Picture3.surface());
        std::vector<double> framed, overLines;
        auto since = table.ops().begin();  // the drawing since the picture was last cleared
        for (auto op = since; op != table.ops().end(); ++op)
            if (op->kind == RecordedOp::Kind::Clear) since = op;
        for (const auto& op : std::vector<RecordedOp>(since, table.ops().end())) {
            if (op.kind == RecordedOp::Kind::Rectangle && op.colour == ui::Rgb{200, 0, 0})
                framed.push_back(op.points[0].y + 15);
            for (int row : r.over)
                if (op.kind == RecordedOp::Kind::Text && op.text == LoadingRowLabel(program, row))
                    overLines.push_back(op.y);
        }
        EXPECT_EQ(framed, overLines) << r.line;
        EXPECT_EQ(framed.size(), r.over.size()) << r.line;
    }
}

// A support with no rated strength has no usable load to check against: nothing is called
// over it. A messenger cable carrying itself is checked against its own strength, the "Max
// Load" of the results text.
TEST_F(ChartsTest, the_check_uses_the_support_strength_of_the_results_text) {
    worksheet({"RG6 VM"}, "100", "1");
    program.main.Option1.select(0);
    const SpanSolution& own = solve();
    EXPECT_FLOAT_EQ(CheckUsableLoad(program, own).usableLoad, 0.6f * 300);

    program.cables.rows[1][7] = "";  // 1/4 EHS without its rated strength
    worksheet({"1/4 EHS", "P 500"}, "150", "3");
    const UsableLoadCheck unrated = CheckUsableLoad(program, solve());
    EXPECT_EQ(std::tuple(unrated.rated, unrated.anyOver(), UsableLoadCheckLine(program, unrated)),
              std::tuple(false, false,
                         "The support has no rated breaking strength: no usable load to check."));
}

// The charts show the solution the numbers show: a stopped recomputation keeps them, a new
// worksheet takes them away, and the temperature chart shows with the temperature table.
TEST_F(ChartsTest, charts_keep_the_shown_solution_and_show_with_the_temperature_table) {
    worksheet({"1/4 EHS", "P 500"}, "150", "3");
    const SpanSolution first = solve();
    worksheet({"1/4 EHS", "P 500"}, "0", "3");
    Recompute(program);
    ASSERT_TRUE(program.shownSolution);
    EXPECT_EQ(program.shownSolution->inputs.span, first.inputs.span);
    EXPECT_FALSE(
        static_cast<ui::RecordingSurface&>(program.main.SpanProfile.surface()).ops().empty());
    ClearSolutionCharts(program);
    EXPECT_FALSE(program.shownSolution);

    EXPECT_FALSE(program.main.TemperatureChart.visible());
    program.main.Check2.setChecked(true);
    ShowTemperatureChart(program);
    EXPECT_TRUE(program.main.TemperatureChart.visible());
}

}  // namespace
}  // namespace cn3::test
