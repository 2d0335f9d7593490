// The pole line: ruling span and sags against hand calculations, the clearance minimum and the
// low point on inclined spans, uplift, the usable-load check, and the one-span line against
// the worksheet itself, number for number.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <variant>

#include "engine/engine_fixture.h"
#include "engine/read_span_problem.h"
#include "engine/solve_worksheet.h"
#include "line/line_output.h"
#include "line/line_tables.h"
#include "line/line_worksheet.h"
#include "line/solve_line.h"
#include "line/span_geometry.h"

namespace cn3::line {
namespace {

PoleLine Line(const std::vector<float>& spans, const std::vector<float>& ground = {},
              float height = 25.0f) {
    PoleLine line;
    for (std::size_t i = 0; i <= spans.size(); ++i) {
        std::string id = "P";
        id += std::to_string(i + 1);
        line.poles.push_back({id, ground.empty() ? 100.0f : ground[i], height});
    }
    for (const float L : spans) line.spans.push_back({L, std::nullopt});
    return line;
}

TEST(line_geometry_test, ruling_span_and_sags_match_hand_calculations) {
    // Equal spans are their own ruling span, and each sags as it.
    EXPECT_EQ(RulingSpan({150.0f, 150.0f, 150.0f}), 150.0f);
    EXPECT_EQ(ScaledSag(2.5f, 150.0f, 150.0f), 2.5f);
    // 100, 150, 200: sqrt((1e6 + 3.375e6 + 8e6) / 450) = sqrt(27500) = 165.83 ft.
    const float RS = RulingSpan({100.0f, 150.0f, 200.0f});
    EXPECT_NEAR(RS, 165.8312f, 1e-4f);
    // A sag of 3 ft on the ruling span is 3 (L / RS)^2 on each: 1.091, 2.455, 4.364 ft.
    EXPECT_NEAR(ScaledSag(3.0f, 100.0f, RS), 3.0f * 10000.0f / 27500.0f, 1e-5f);
    EXPECT_NEAR(ScaledSag(3.0f, 150.0f, RS), 3.0f * 22500.0f / 27500.0f, 1e-5f);
    EXPECT_NEAR(ScaledSag(3.0f, 200.0f, RS), 3.0f * 40000.0f / 27500.0f, 1e-5f);
    // A single span is its own ruling span, bit for bit.
    for (const float L : {37.3f, 150.0f, 211.7f, 1234.5f}) EXPECT_EQ(RulingSpan({L}), L);
}

TEST(line_geometry_test, lowest_clearance_of_an_inclined_span) {
    // 200 ft from 30 ft down to 20 ft with a sag of 4 ft: the slope is 0 at
    // x = 100 + 10 * 200 / 32 = 162.5 ft, where c = 30 - 8.125 - 4*4*162.5*37.5/40000 = 19.4375.
    const LowestClearance low = MinimumClearance(30.0f, 20.0f, 4.0f, 200.0f);
    EXPECT_FLOAT_EQ(low.x, 162.5f);
    EXPECT_FLOAT_EQ(low.height, 19.4375f);
    EXPECT_FLOAT_EQ(ClearanceAt(30.0f, 20.0f, 4.0f, 200.0f, 162.5f), 19.4375f);
    // Level: the middle, hA - D.
    EXPECT_FLOAT_EQ(MinimumClearance(25.0f, 25.0f, 2.0f, 150.0f).x, 75.0f);
    EXPECT_FLOAT_EQ(MinimumClearance(25.0f, 25.0f, 2.0f, 150.0f).height, 23.0f);
    // So steep that the strand falls all the way: the low end, clamped to the span.
    const LowestClearance steep = MinimumClearance(30.0f, 10.0f, 1.0f, 100.0f);
    EXPECT_FLOAT_EQ(steep.x, 100.0f);
    EXPECT_FLOAT_EQ(steep.height, 10.0f);
    // The lowest point of the strand may lie outside its span: 50 - 10*100/16 = -12.5 ft.
    EXPECT_FLOAT_EQ(LowPoint(100.0f, 110.0f, 2.0f, 100.0f), -12.5f);
    EXPECT_FLOAT_EQ(LowPoint(100.0f, 100.0f, 2.0f, 100.0f), 50.0f);
}

class LineTest : public test::EngineTest {
  protected:
    // 1/4 EHS with a 0.121 lb/ft coax-free load: 150 ft at 2 ft unless told otherwise.
    void strand(std::string span = "150", std::string sag = "2") {
        worksheet({"1/4 EHS"}, std::move(span), std::move(sag));
    }
    LineWorksheet lineWorksheet() const {
        const auto w = LineWorksheetOf(program);
        EXPECT_TRUE(std::holds_alternative<LineWorksheet>(w));
        return std::get<LineWorksheet>(w);
    }
    SpanProblem problem() const { return std::get<SpanProblem>(ReadSpanProblem(program)); }
    LineSolution solve(const PoleLine& line) const {
        const auto solved = SolveLine(line, lineWorksheet(), problem());
        if (const auto* why = std::get_if<std::string>(&solved)) ADD_FAILURE() << *why;
        return std::get<LineSolution>(solved);
    }
};

// `entries`: the worksheet's point of interest and clearance too, which a line file does not
// keep (the line has clearances of its own).
void ExpectSameSolution(const SpanSolution& a, const SpanSolution& b, bool entries) {
    const auto whole = [](const SpanSolution& s) {
        const auto& x = s.installed;
        return std::tuple(s.inputs.span, s.inputs.sag, s.inputs.creep, s.inputs.installedTemperature,
                          s.cables.totalWeight, s.support.name, s.bundleDiameter, x.cableLength,
                          x.tension, x.stressFree, x.bareSag, x.barePercent, x.bareTension,
                          x.usableLoad);
    };
    EXPECT_EQ(whole(a), whole(b));
    if (entries) {
        EXPECT_EQ(std::tuple(a.inputs.pointDistance, a.inputs.clearance, a.clearanceGiven),
                  std::tuple(b.inputs.pointDistance, b.inputs.clearance, b.clearanceGiven));
    }
    for (std::size_t t = 0; t < a.temperatures.size(); ++t) {
        const auto &p = a.temperatures[t], &q = b.temperatures[t];
        EXPECT_EQ(std::tuple(p.temperature, p.sag, p.tension, p.lengthChange),
                  std::tuple(q.temperature, q.sag, q.tension, q.lengthChange))
            << t;
        if (entries) {
            EXPECT_EQ(p.clearance, q.clearance) << t;
        }
    }
    for (std::size_t c = 0; c < a.conditions.size(); ++c) {
        const auto &p = a.conditions[c], &q = b.conditions[c];
        EXPECT_EQ(std::tuple(p.record, p.temperature, p.iceLoad, p.windPressure, p.resultant, p.sag,
                             p.tension, p.lengthChange, p.horizontalSag, p.verticalSag, p.angle,
                             p.iceThickness, p.loadConstant),
                  std::tuple(q.record, q.temperature, q.iceLoad, q.windPressure, q.resultant, q.sag,
                             q.tension, q.lengthChange, q.horizontalSag, q.verticalSag, q.angle,
                             q.iceThickness, q.loadConstant))
            << c;
        if (entries) {
            EXPECT_EQ(p.pointSag, q.pointSag) << c;
        }
    }
}

TEST_F(LineTest, a_line_of_one_span_is_the_worksheet_to_the_digit) {
    for (const int percent : {0, 1}) {
        program.main.Option1.select(percent);
        worksheet({"P 500", "1/4 EHS"}, "163.7", percent ? "1.3" : "2.37", "21.5", "0.02");
        program.loading.Check1[0].setChecked(true);
        const auto worksheet = SolveWorksheet(program);
        ASSERT_TRUE(std::holds_alternative<SpanSolution>(worksheet));
        const SpanSolution& w = std::get<SpanSolution>(worksheet);

        // From the worksheet as opened, and from the line's own record of it on the catalogue
        // (as a line file opens alone).
        const auto fromFile = ProblemOf(lineWorksheet(), program.cables);
        ASSERT_TRUE(std::holds_alternative<SpanProblem>(fromFile));
        for (const bool opened : {true, false}) {
            const SpanProblem base = opened ? problem() : std::get<SpanProblem>(fromFile);
            const auto solved = SolveLine(Line({163.7f}), lineWorksheet(), base);
            ASSERT_TRUE(std::holds_alternative<LineSolution>(solved));
            const LineSolution& line = std::get<LineSolution>(solved);
            EXPECT_EQ(line.rulingSpan, w.inputs.span);
            ExpectSameSolution(line.ruling, w, opened);
            const SpanResult& span = line.spans.at(0);
            EXPECT_EQ(span.installedSag, w.inputs.sag);
            for (std::size_t t = 0; t < span.stringing.size(); ++t)
                EXPECT_EQ(span.stringing[t], w.temperatures[t].sag);
            EXPECT_EQ(line.conditions.at(0).tension, w.installed.tension);
            // Installed, 19 temperatures, the district, Ice 32F and the ticked user loading.
            ASSERT_EQ(line.conditions.size(), 1u + 19u + 3u);
            EXPECT_EQ(line.conditions.back().tension, w.conditions[3].tension);
            EXPECT_EQ(line.conditions.back().name, "Hot Summer");
        }
    }
}

TEST_F(LineTest, the_spans_share_the_ruling_spans_tension_and_scale_its_sag) {
    program.main.Option1.select(1);  // 1.5 % of the ruling span
    strand("150", "1.5");
    const LineSolution s = solve(Line({100.0f, 150.0f, 200.0f}));
    EXPECT_NEAR(s.rulingSpan, 165.83f, 0.005f);
    EXPECT_FLOAT_EQ(s.ruling.inputs.sag, 0.015f * s.rulingSpan);
    for (std::size_t i = 0; i < 3; ++i) {
        const float L = s.spans[i].length;
        EXPECT_NEAR(s.spans[i].installedSag,
                    s.ruling.inputs.sag * (L / s.rulingSpan) * (L / s.rulingSpan), 1e-5f);
        EXPECT_FALSE(s.spans[i].rulingSpanNote);
    }
    // Installed at a typed tension instead: the sag that gives it, w RS^2 / (8 H).
    PoleLine atTension = Line({100.0f, 150.0f, 200.0f});
    atTension.installation = {Installation::Mode::Tension, 800.0f};
    const LineSolution t = solve(atTension);
    EXPECT_NEAR(t.ruling.installed.tension, 800.0f, 0.01f);
    EXPECT_NEAR(t.ruling.inputs.sag, 0.121f * t.rulingSpan * t.rulingSpan / 6400.0f, 1e-5f);
}

TEST_F(LineTest, level_ground_clears_by_the_attachment_less_the_hottest_sag) {
    strand();
    PoleLine line = Line({150.0f, 150.0f}, {}, 18.0f);
    line.spans[1].requiredClearance = 17.0f;
    const LineSolution s = solve(line);
    const float hotSag = s.ruling.temperatures.back().sag;
    // Without ice the hottest temperature governs over the loadings' vertical sags here
    // unless a loading sags deeper; the governing condition is the deepest sag.
    float deepest = std::max(s.ruling.inputs.sag, hotSag);
    for (const auto& c : s.conditions)
        if (c.kind == LineCondition::Kind::Loading) deepest = std::max(deepest, c.rulingSag);
    EXPECT_FLOAT_EQ(s.spans[0].lowest.height, 18.0f - deepest);
    EXPECT_FLOAT_EQ(s.spans[0].lowest.x, 75.0f);
    EXPECT_FLOAT_EQ(s.spans[0].installed.height, 18.0f - 2.0f);
    EXPECT_FALSE(s.spans[0].clearanceOk);  // 15.5 ft required by default
    EXPECT_EQ(s.spans[1].requiredClearance, 17.0f);
    EXPECT_FLOAT_EQ(s.spans[1].margin, 18.0f - deepest - 17.0f);
    EXPECT_FALSE(s.passes());
    EXPECT_EQ(FailureReasons(line, s).size(), 1u + (s.spans[1].clearanceOk ? 0u : 1u));
}

TEST_F(LineTest, a_low_pole_between_two_high_ones_is_pulled_up) {
    strand();
    // The middle pole stands 40 ft lower: at -40 F each span's lowest point lies beyond it.
    const LineSolution s = solve(Line({150.0f, 150.0f}, {100.0f, 60.0f, 100.0f}));
    const float cold = ScaledSag(s.ruling.temperatures.front().sag, 150.0f, s.rulingSpan);
    const float beyond = 75.0f + 40.0f * 150.0f / (8.0f * cold);  // x_low of the first span
    EXPECT_NEAR(s.poles[1].weightSpan, 2.0f * (150.0f - beyond), 0.01f);
    EXPECT_LT(s.poles[1].weightSpan, 0.0f);
    EXPECT_TRUE(s.poles[1].uplift);
    EXPECT_NEAR(s.poles[1].upliftLoad, -s.poles[1].weightSpan * 0.121f, 0.01f);
    EXPECT_FALSE(s.poles[0].uplift);
    EXPECT_FALSE(s.poles[2].uplift);
    EXPECT_NEAR(s.poles[0].weightSpan, beyond, 0.01f);
    const auto reasons = FailureReasons(Line({150.0f, 150.0f}, {100.0f, 60.0f, 100.0f}), s);
    ASSERT_FALSE(reasons.empty());
    EXPECT_NE(reasons.back().find("Pole P2: uplift at -40 F"), std::string::npos) << reasons.back();
    // On level ground every pole carries half of each span beside it.
    const LineSolution level = solve(Line({100.0f, 200.0f}));
    EXPECT_FLOAT_EQ(level.poles[0].weightSpan, 50.0f);
    EXPECT_FLOAT_EQ(level.poles[1].weightSpan, 150.0f);
    EXPECT_FLOAT_EQ(level.poles[2].weightSpan, 100.0f);
}

TEST_F(LineTest, tension_over_the_usable_load_and_spans_far_from_the_ruling_span_are_said) {
    strand("150", "0.05");  // 0.121 * 150^2 / 0.4 = 6,806 lb, over 60 % of 6,650 lb
    const PoleLine line = Line({150.0f, 150.0f});
    const LineSolution s = solve(line);
    ASSERT_FALSE(s.overloads.empty());
    EXPECT_EQ(s.overloads.front().condition, 0u);
    EXPECT_FLOAT_EQ(s.usableLoad, 3990.0f);
    EXPECT_FALSE(s.passes());

    strand();
    const PoleLine uneven = Line({50.0f, 200.0f, 200.0f});
    const LineSolution u = solve(uneven);
    EXPECT_TRUE(u.spans[0].rulingSpanNote);
    EXPECT_FALSE(u.spans[1].rulingSpanNote);
    const auto notes = RulingSpanNotes(uneven, u);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("Span P1-P2 (50.00 ft) is shorter than half the ruling span"),
              std::string::npos);

    // A span no aerial plant has is said under the results, as the worksheet says it.
    const PoleLine far = Line({150.0f, 2500.0f});
    const auto shown = LineNotes(far, solve(far), program.units);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const LineNote& n) {
        return n.text == "Note - Span P2-P3 (2,500.00 ft) is beyond the aerial spans this "
                         "worksheet is for (up to 2,000 ft).";
    }));
}

void KeysOf(const nlohmann::json& j, std::set<std::string>& keys) {
    if (j.is_object())
        for (const auto& item : j.items()) {
            keys.insert(item.key());
            KeysOf(item.value(), keys);
        }
    if (j.is_array())
        for (const auto& element : j) KeysOf(element, keys);
}

TEST_F(LineTest, the_json_writes_every_name_the_readme_describes_and_no_other) {
    std::ifstream in(std::string(CN3_SOURCE_DIR) + "/README.md");
    std::ostringstream text;
    text << in.rdbuf();
    const std::string readme = text.str();
    const std::size_t section = readme.find("### Pole lines");
    const std::size_t from = readme.find("**json**:", section);
    const std::size_t to = readme.find("Exit status:", from);
    ASSERT_NE(to, std::string::npos);
    const std::string described = readme.substr(from, to - from);
    std::set<std::string> names;
    const std::regex name("`([a-z_0-9]+)`");
    for (auto it = std::sregex_iterator(described.begin(), described.end(), name);
         it != std::sregex_iterator(); ++it)
        if ((*it)[1] != "null") names.insert((*it)[1]);

    strand();
    program.loading.Check1[0].setChecked(true);
    const PoleLine line = Line({150.0f, 180.0f});
    std::set<std::string> written;
    KeysOf(nlohmann::json::parse(LineJson(line, solve(line))), written);
    EXPECT_EQ(written, names);
}

TEST_F(LineTest, a_line_the_solver_cannot_take_says_why) {
    strand();
    PoleLine one = Line({150.0f});
    one.poles.pop_back();
    const auto solved = SolveLine(one, lineWorksheet(), problem());
    ASSERT_TRUE(std::holds_alternative<std::string>(solved));
    EXPECT_EQ(std::get<std::string>(solved), "No line results: a line needs at least two poles.");
    worksheet({"Nothing Such"}, "150", "2");
    const auto stopped = LineWorksheetOf(program);
    ASSERT_TRUE(std::holds_alternative<SolveStopped>(stopped));
    EXPECT_EQ(std::get<SolveStopped>(stopped).reason, SolveStop::UnknownCable);
}

}  // namespace
}  // namespace cn3::line
