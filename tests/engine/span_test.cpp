// The span computation: the solver's functions, then one recomputation end to end (the
// results text to the last shown digit, the temperature table and the five loading conditions,
// the stops that leave every view alone, the main-window events that recompute), all against
// hand calculations in double precision from the physics (cable length of a parabola, stretch
// linear in tension), not from the solver's cubic.
#include <cmath>
#include <regex>
#include <tuple>

#include "app/wire_events.h"
#include "engine/recompute.h"
#include "engine/solver.h"
#include "engine/worksheet_events.h"
#include "engine_fixture.h"
#include "hand_calculations.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

// Installed at span L and sag D under load w, then loaded with w' and its stress-free length
// scaled (creep). Ordinary loads, temperatures and creep are solved by hand, condition by
// condition, in the recomputation tests below.
TEST(solver_test, sag_matches_a_hand_solution_under_changed_load_and_length) {
    struct Row { const char* what; double L, D, w, EA, loadAfter, lengthFactor; };
    // clang-format off
    const Row rows[] = {
        {"slack drop, 5 % creep", 80, 4, 0.05, 2e4, 0.05, 1.05}, {"very stiff, iced", 200, 4, 0.6, 1e12, 2.5, 1},
        {"deep sag beyond 128 ft", 1000, 150, 1, 3e6, 1, 1},     {"deeper still", 2000, 700, 1, 3e6, 1, 1}};
    // clang-format on
    for (const auto& r : rows) {
        const double S = r.L + 8 * r.D * r.D / (3 * r.L);
        const double S0 = S / (1 + r.w * r.L * r.L / (8 * r.D) / r.EA) * r.lengthFactor;
        const double want = HandSag(r.L, S0, r.loadAfter, r.EA, r.D);
        EXPECT_NEAR(SolveSag(float(r.L), float(S0), float(r.loadAfter), float(r.EA)), want,
                    std::max(2e-4, want * 1e-3)) << r.what;
    }
}

TEST(solver_test, parabola_of_span_100_sag_1_and_unloaded_or_unreal_inputs) {
    EXPECT_NEAR(CableLength(100.0f, 1.0f), 100.026667, 1e-5);
    EXPECT_FLOAT_EQ(ParabolicTension(0.5f, 100.0f, 1.0f), 625.0f);
    EXPECT_LT(SolveSag(100.0f, 99.99f, 0.0f, 1e6f), 1e-4f);
    // A finite answer, not an endless search, with no stiffness or an endless load.
    EXPECT_TRUE(std::isfinite(SolveSag(100, 100, 1, 0)) && std::isfinite(SolveSag(100, 100, INFINITY, 1e6f)));
    EXPECT_EQ(ConditionLoad(0, 0, 0, 0, 0).angle, 0.0f);
}

// Each expected text is its lines, each one after a "|" that stands for the LF CR break.
TEST_F(EngineTest, results_text_for_each_kind_of_carrier) {
    struct Row {
        const char* what;
        bool metric;
        std::vector<std::string> names;
        const char *span, *sag, *lines;
    };
    // clang-format off
    const Row rows[] = {
        {"a strand with two lashed cables", false, {"1/4 EHS", "P 500", "P 750"}, "150", "3",
         "|Span Length = 150.00 ft|Span Sag = 3.00 ft  (36.0 in)|Span Tension = 338 lbs|         Max Load = 6,650 lbs"
         "|             Usable load (60%) = 3,990 lbs|Catenary Length = 150.160 ft|Stress Free Length @"
         "|      Installed Temperature = 150.118 ft||Unloaded Strand|     Sag = 2.74 ft  (32.8 in)    1.82 %|     Tension = 124 lbs"},
        {"a name of no kind", false, {"P 500", "XYZ 1"}, "150", "3",  // integrated, so no usable load, stress-free length, strand
         "|Span Length = 150.00 ft|Span Sag = 3.00 ft  (36.0 in)|Span Tension = 309 lbs"
         "|         Max Load = 5,000 lbs|Catenary Length = 150.160 ft"},
        {"a lone drop cable", false, {"RG6 VM"}, "80", "2",  // no unloaded strand
         "|Span Length = 80.00 ft|Span Sag = 2.00 ft  (24.0 in)|Span Tension = 16 lbs|         Max Load = 300 lbs"
         "|             Usable load (60%) = 180 lbs|Catenary Length = 80.133 ft|Stress Free Length @"
         "|      Installed Temperature = 80.108 ft"},
        {"metric", true, {"1/4 EHS", "P 500", "P 750"}, "45.72", "0.9144",  // no inches
         "|Span Length = 45.72 m|Span Sag = .91 m|Span Tension = 1,505 N|         Max Load = 29,581 N"
         "|             Usable load (60%) = 17,748 N|Catenary Length = 45.769 m|Stress Free Length @"
         "|      Installed Temperature = 45.756 m||Unloaded Strand|     Sag = .83 m    1.82 %|     Tension = 553 N"}};
    // clang-format on
    for (const auto& r : rows) {
        program.units.metricUnits = r.metric;
        worksheet(r.names, r.span, r.sag);
        Recompute(program);
        EXPECT_EQ(program.main.Label4.caption(),
                  std::regex_replace(r.lines, std::regex("\\|"), "\n\r"))
            << r.what;
    }
}

// Span 150 ft, sag 3 ft, 0.361 lb/ft on a strand of EA 1,200,000 lb and 0.0000064 per F,
// clearance 20 ft: each row solved from the cable length and stretch of the parabola.
TEST_F(EngineTest, temperature_table_matches_the_hand_calculation) {
    const auto& grid = program.main.GridTemp;
    const auto row = [&](int r) {
        return grid.text(r, 0) + "|" + grid.text(r, 1) + "|" + grid.text(r, 2) + "|" + grid.text(r, 3) + "|" + grid.text(r, 4);
    };
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "3", "20");
    program.main.HScroll1.setValue(62);
    Recompute(program);
    struct Line {
        const char* what;
        int row;
        const char* want;
    };
    const Line installedAt62[] = {{"-40 F, the coldest", 1, "-40.0|2.12 |480 |-0.05|20.88 "},
                                  {"0 F", 5, ".0|2.48 |410 |-0.03|20.52 "},
                                  {"60 F", 11, "60.0|2.98 |341 |0.00|20.02 "},
                                  {"140 F, the hottest", 19, "140.0|3.58 |284 |0.05|19.42 "}};
    for (const auto& [what, r, want] : installedAt62) EXPECT_EQ(row(r), want) << what;
    EXPECT_EQ(std::tuple(grid.rows(), grid.text(0, 4)), std::tuple(20, "Clearance\n\r20 ft"));
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "3", "none");
    Recompute(program);
    EXPECT_EQ(std::tuple(grid.text(1, 4), grid.text(19, 4), grid.text(0, 4)), std::tuple("N/A", "N/A", "Clearance\n\r"));
}

// Heavy with a bundle cell of just "Ovr" (bare ice cylinders); medium in metric, the sag as
// 2 % of the span and 5 % creep (plain numbers in either system); light with the bundle's
// 0.85 in. The loading window's 12.7 mm of ice is kept in inches, so it shows once converted.
TEST_F(EngineTest, five_conditions_with_ice_wind_constant_and_creep) {
    struct Case {
        const char* what;
        int district;
        bool metric;
        const char *span, *sag, *point, *bundle, *creep;
        double d;
    };
    // clang-format off
    const Case cases[] = {{"heavy, bare ice cylinders", 0, false, "150", "3", "50", "Ovr", "0", 0},
                          {"light, the bundle's 0.85 in", 2, false, "150", "3", "50", "0.850", "0", 0.85},
                          {"medium, metric, sag as 2 % of the span, 5 % creep", 1, true, "45.72", "2", "15.24",
                           "Ovr 21.590", "0.05", 0.85}};
    const double tolerance[13] = {1e-6, 1e-5, 1e-6, 1e-5, 1e-4, 0, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-6, 1e-6};
    // clang-format on
    const auto& results = program.loadingResults;
    program.loading.Cells[2].setCaption("12.7");
    program.loading.Cells[3].setCaption("4");
    for (const auto& c : cases) {
        program.spanRecord.selectedDistrict = static_cast<std::uint8_t>(c.district);
        program.units.metricUnits = c.metric;
        program.main.Option1.select(c.metric ? 1 : 0);
        worksheet({"1/4 EHS", "P 500", "P 750"}, c.span, c.sag, "", c.creep, c.bundle, c.point);
        Recompute(program);
        const int records[] = {c.district, 3, 4, 5, 6};
        for (int i = 1; i <= 5; ++i) {
            const auto want = HandCondition(program.loadings[size_t(records[i - 1])], c.d, std::atof(c.creep));
            for (int k = 0; k < 13; ++k)
                EXPECT_NEAR(results.at(i, k), want[k], k == 5 ? want[k] * 1e-4 : tolerance[k])
                    << c.what << ", condition " << i << ", column " << k;
        }
    }
    EXPECT_EQ(std::tuple(results.at(0, 18), results.at(1, 18), results.formats[18], results.at(1, 19), results.formats[19]),
              std::tuple(3.0f, 0.5f, "##.00", 4.0f, "##.0"));  // a small length in inches: 12.70 mm shown
}

// No cable, span 0, sag 0, no carrier among lashed cables, an unknown cable, and a carrier
// with no stiffness (the later of two strands). Each stop keeps the views and says, over the results and in the status bar, that they are
// not for the current entries and why; the next full run takes the line away.
TEST_F(EngineTest, stops_leave_every_view_as_it_was_and_say_why) {
    struct Row { std::vector<std::string> names; const char *span, *sag, *creep, *message, *why; };
    // clang-format off
    const Row rows[] = {
        {{}, "150", "3", "0", "", "no cable is selected."},
        {{"1/4 EHS"}, "0", "3", "0", "", "the span length is 0."},
        {{"1/4 EHS"}, "-150", "3", "0", "", "the span length is below 0."},
        {{"1/4 EHS"}, "150", "", "0", "", "the sag is 0."},
        {{"1/4 EHS"}, "150", "-2", "0", "", "the sag is below 0."},
        {{"1/4 EHS"}, "150", "3", "-1", "", "a creep of -1 or below leaves no cable length."},
        {{"1/4 EHS"}, "150", "3", "-2", "", "a creep of -1 or below leaves no cable length."},
        {{"P 500", "P 750"}, "150", "3", "0", "", "no selected cable carries the span."},
        {{"1/4 EHS", "P 999"}, "150", "3", "0", "Error - Unknown Cable P 999", "P 999 is not in the cable table."},
        {{"1/4 EHS", "BAD EHS", "P 500"}, "150", "3", "0", "Error - Axial stiffness of BAD EHS is 0",
         "the axial stiffness of BAD EHS is 0."}};
    // clang-format on
    auto& m = program.main;
    const auto views = [&m, &r = program.loadingResults] {
        return std::tuple(m.Label4.caption(), m.GridTemp.text(1, 1), m.GridTemp.text(0, 4), r.values, r.formats,
                          static_cast<ui::RecordingSurface&>(m.Picture3.surface()).ops().size());
    };
    const auto notes = [&m] { return std::pair(m.StatusMessage.caption(), m.ResultsNote.caption()); };

    worksheet({"1/4 EHS"}, "150", "3");
    Recompute(program);
    EXPECT_EQ(notes(), std::pair(std::string(), std::string())) << "the first results are current";
    m.Label4.setCaption("");  // a fresh worksheet: a stop has no results to speak of
    worksheet({"1/4 EHS"}, "0", "3");
    Recompute(program);
    EXPECT_EQ(notes(), std::pair(std::string(), std::string())) << "no results yet, nothing to say";

    worksheet({"1/4 EHS", "P 750"}, "200", "4", "18");  // a full run first, so that there is something to keep
    Recompute(program);
    std::vector<std::string> messages;
    for (const auto& row : rows) {
        worksheet(row.names, row.span, row.sag, "18", row.creep);
        const auto before = views();
        if (*row.message) dialogs.expectMessage(), messages.push_back(row.message);
        Recompute(program);
        const std::string why = std::string("The results shown are not for the current entries: ") + row.why;
        EXPECT_EQ(std::tuple(dialogs.messages(), views() == before, notes()), std::tuple(messages, true, std::pair(why, why)))
            << row.span << " " << row.sag << " " << row.creep;
    }
    worksheet({"1/4 EHS", "P 750"}, "200", "4", "18");
    Recompute(program);
    EXPECT_EQ(notes(), std::pair(std::string(), std::string()));
}

// Before a negative sag stopped the run it came out as a negative tension; a creep of -2 gave
// a tension of hundreds of millions of pounds. A sag beyond a tenth of the span is noted.
TEST_F(EngineTest, deep_sags_are_noted_over_current_results) {
    const std::string note = "Note - The sag is more than 10 % of the span; the parabolic model loses accuracy there.";
    for (const auto& [sag, expected] : {std::pair{"10", ""}, std::pair{"10.01", note.c_str()}, std::pair{"3", ""}}) {
        worksheet({"1/4 EHS"}, "100", sag);
        Recompute(program);
        EXPECT_EQ(std::pair(program.main.ResultsNote.caption(), program.main.StatusMessage.caption()),
                  std::pair(std::string(expected), std::string())) << sag;
    }
}

TEST_F(EngineTest, main_window_events_recompute_once_the_temperature_is_set) {
    auto& m = program.main;
    const auto shows = [&](const char* text) { return m.Label4.caption().find(text) != std::string::npos; };
    const auto drawn = [&](const std::string& text) {  // since the picture was last cleared
        bool found = false;
        for (const auto& op : static_cast<ui::RecordingSurface&>(m.Picture3.surface()).ops())
            if (op.kind == ui::RecordedOp::Kind::Clear || op.text == text) found = op.text == text;
        return found;
    };
    const auto point = [&] { return std::tuple(m.Text9[2].visible(), m.Label2[2].visible(), drawn("Sag @"), drawn("Vector")); };
    WireWorksheetEvents(program);
    program.worksheetEdited = 0;
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "3");
    EXPECT_EQ(m.Label4.caption(), "");
    m.HScroll1.setValue(70);
    EXPECT_EQ(std::tuple(program.worksheetEdited, m.Label1.caption(), shows("Span Sag = 3.00 ft")),
              std::tuple(1, "Installed Temperature 70", true));
    m.Text9[1].setText("4");
    EXPECT_TRUE(shows("Span Sag = 4.00 ft"));
    m.Option1.select(1);  // 4 % of 150 ft
    EXPECT_TRUE(shows("Span Sag = 6.00 ft"));
    m.Check1[0].click();
    EXPECT_EQ(point(), std::tuple(true, true, true, false));
    m.Check1[1].click();
    m.Check1[0].click();
    EXPECT_EQ(point(), std::tuple(false, false, false, true));
    // The loading window shows and runs (the user ticks a loading), then the table has that loading.
    program.loading.runModal = [&] { program.loading.Check1[0].setChecked(program.loading.shown); };
    m.Command5.click();
    EXPECT_TRUE(drawn("Hot Summer   "));
    // The temperature box shows and hides the table with the clearance entry and its caption.
    for (bool shown : {true, false}) {
        m.Check2.click();
        EXPECT_EQ(std::tuple(m.GridTemp.visible(), m.Label2[3].visible(), m.Text9[3].visible()),
                  std::tuple(shown, shown, shown));
    }
}

}  // namespace
}  // namespace cn3::test
