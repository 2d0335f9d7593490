// One recomputation end to end: the results text to the last shown digit, the temperature
// table and the five loading conditions against hand calculations in double precision, and
// the stops that leave every view alone.
#include <tuple>

#include "engine/recompute.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using RecomputeTest = EngineTest;

TEST_F(RecomputeTest, results_text_for_each_kind_of_carrier) {
    struct Row { const char* what; bool metric; std::vector<std::string> names; const char *span, *sag;
                 std::vector<std::string> lines; };
    const Row rows[] = {
        {"strand with two lashed cables", false, {"1/4 EHS", "P 500", "P 750"}, "150", "3",
         {"Span Length = 150.00 ft", "Span Sag = 3.00 ft  (36.0 in)", "Span Tension = 338 lbs",
          "         Max Load = 6,650 lbs", "             Usable load (60%) = 3,990 lbs",
          "Catenary Length = 150.160 ft", "Stress Free Length @",
          "      Installed Temperature = 150.118 ft", "", "Unloaded Strand",
          "     Sag = 2.74 ft  (32.8 in)    1.82 %", "     Tension = 124 lbs"}},
        {"integrated messenger: no usable load, stress-free length or strand", false,
         {"LX 540 AM", "P 500"}, "150", "3",
         {"Span Length = 150.00 ft", "Span Sag = 3.00 ft  (36.0 in)", "Span Tension = 309 lbs",
          "         Max Load = 5,000 lbs", "Catenary Length = 150.160 ft"}},
        {"lone drop cable: no unloaded strand", false, {"RG6 VM"}, "80", "2",
         {"Span Length = 80.00 ft", "Span Sag = 2.00 ft  (24.0 in)", "Span Tension = 16 lbs",
          "         Max Load = 300 lbs", "             Usable load (60%) = 180 lbs",
          "Catenary Length = 80.133 ft", "Stress Free Length @",
          "      Installed Temperature = 80.108 ft"}},
        {"metric: metric units and no inches", true, {"1/4 EHS", "P 500", "P 750"}, "45.72", "0.9144",
         {"Span Length = 45.72 m", "Span Sag = .91 m", "Span Tension = 1,505 N",
          "         Max Load = 29,581 N", "             Usable load (60%) = 17,748 N",
          "Catenary Length = 45.769 m", "Stress Free Length @",
          "      Installed Temperature = 45.756 m", "", "Unloaded Strand", "     Sag = .83 m    1.82 %",
          "     Tension = 553 N"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        program.units.metricUnits = r.metric;
        select(r.names);
        entries(r.span, r.sag);
        Recompute(program);
        std::string want;
        for (const auto& line : r.lines) want += "\n\r" + line;
        EXPECT_EQ(program.main.Label4.caption(), want);
    }
}

// Span 150 ft, sag 3 ft, 0.361 lb/ft on a strand of EA 1,200,000 lb and 0.0000064 per F,
// clearance 20 ft: each row solved from the cable length and stretch of the parabola.
TEST_F(RecomputeTest, temperature_table_matches_the_hand_calculation) {
    const char* installedAt62[19] = {
        "-40.0|2.12 |480 |-0.05|20.88 ", "-30.0|2.21 |460 |-0.05|20.79 ", "-20.0|2.30 |442 |-0.04|20.70 ",
        "-10.0|2.39 |425 |-0.04|20.61 ", ".0|2.48 |410 |-0.03|20.52 ",    "10.0|2.57 |396 |-0.03|20.43 ",
        "20.0|2.65 |383 |-0.02|20.35 ",  "30.0|2.74 |371 |-0.02|20.26 ",  "40.0|2.82 |360 |-0.01|20.18 ",
        "50.0|2.90 |350 |-0.01|20.10 ",  "60.0|2.98 |341 |0.00|20.02 ",   "70.0|3.06 |332 |0.00|19.94 ",
        "80.0|3.14 |324 |0.01|19.86 ",   "90.0|3.22 |316 |0.02|19.78 ",   "100.0|3.29 |309 |0.02|19.71 ",
        "110.0|3.37 |302 |0.03|19.63 ",  "120.0|3.44 |296 |0.03|19.56 ",  "130.0|3.51 |290 |0.04|19.49 ",
        "140.0|3.58 |284 |0.05|19.42 "};
    const auto& grid = program.main.GridTemp;
    const auto row = [&](int r) {
        std::string s = grid.text(r, 0);
        for (int c = 1; c < 5; ++c) s += "|" + grid.text(r, c);
        return s;
    };
    select({"1/4 EHS", "P 500", "P 750"});
    entries("150", "3", "20");
    program.main.HScroll1.setValue(62);
    Recompute(program);
    ASSERT_EQ(grid.rows(), 20);
    for (int r = 1; r <= 19; ++r) EXPECT_EQ(row(r), installedAt62[r - 1]);
    EXPECT_EQ(grid.text(0, 4), "Clearance\n\r20 ft");
    // Installed at 60 F the installed sag comes back; the tension takes the stress-free
    // length for the span, so it is not the 338 lbs of the results text.
    program.main.HScroll1.setValue(60);
    Recompute(program);
    EXPECT_EQ(row(11), "60.0|3.00 |339 |0.00|20.00 ");
    for (const char* clearance : {"", "none"}) {
        entries("150", "3", clearance);
        Recompute(program);
        for (int r = 1; r <= 19; ++r) EXPECT_EQ(grid.text(r, 4), "N/A") << clearance;
        EXPECT_EQ(grid.text(0, 4), "Clearance\n\r");
    }
}

// Strand 1/4 EHS with P 500 and P 750 (0.361 lb/ft), bundle 0.85 in, span 150 ft, sag 3 ft at
// 60 F, point at 50 ft: columns 0..12 of a condition's row.
std::array<double, 13> HandCondition(const LoadingRecord& rec, double creep) {
    const double L = 150, D = 3, w = 0.361, EA = 1.2e6, d = 0.85, x = 50, pi = std::acos(-1.0);
    const double S = L + 8 * D * D / (3 * L), S0 = S / (1 + w * L * L / (8 * D) / EA);
    const double t = rec.iceThickness, p = rec.windPressure, K = rec.loadConstant, Di = d + 2 * t;
    const double V = w + 57 * pi / 4 * (Di * Di - d * d) / 144, Ww = p * Di / 12;
    const double R = std::hypot(V, Ww) + K, theta = std::atan(Ww / V);
    const double S0c = S0 * (1 + 6.4e-6 * (rec.temperature - 60)) * (1 + creep);
    const double Dc = HandSag(L, S0c, R, EA, D), Hc = R * S0c * S0c / (8 * Dc);
    return {rec.temperature, V - w, p, R, Dc, Hc, (L + 8 * Dc * Dc / (3 * L) - S) * 100 / S,
            R * x * x / (2 * Hc), Dc * std::sin(theta), Dc * std::cos(theta), theta * 180 / pi, t, K};
}

TEST_F(RecomputeTest, five_conditions_with_ice_wind_constant_and_creep) {
    struct Case { const char* what; int district; const char* creep; double c; };
    const Case cases[] = {{"heavy, no creep", 0, "0", 0.0}, {"medium, 5 % creep", 1, "0.05", 0.05}};
    const double tolerance[13] = {1e-6, 1e-5, 1e-6, 1e-5, 1e-4, 0, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-6, 1e-6};
    for (const auto& c : cases) {
        program.selectedDistrict = static_cast<std::uint8_t>(c.district);
        select({"1/4 EHS", "P 500", "P 750"});
        entries("150", "3", "", c.creep);
        Recompute(program);
        const int records[] = {c.district, 3, 4, 5, 6};
        for (int i = 1; i <= 5; ++i) {
            const auto want = HandCondition(program.loadings[static_cast<size_t>(records[i - 1])], c.c);
            for (int k = 0; k < 13; ++k)
                EXPECT_NEAR(program.loadingResults.at(i, k), want[k], k == 5 ? want[k] * 1e-4 : tolerance[k])
                    << c.what << ", condition " << i << ", column " << k;
        }
    }
}

TEST_F(RecomputeTest, metric_ice_thickness_is_kept_in_inches_so_it_shows_once_converted) {
    metric();
    program.loading.Cells[2].setCaption("12.7");
    program.loading.Cells[3].setCaption("4");
    select({"1/4 EHS", "P 500"}, "21.590");
    entries("45.72", "0.9144");
    Recompute(program);
    const auto& r = program.loadingResults;
    EXPECT_FLOAT_EQ(r.at(1, 18), 0.5f);
    EXPECT_EQ(program.units.toDisplay(int(r.at(0, 18)), r.at(1, 18), r.formats[18]), "12.70");
    EXPECT_EQ(program.units.toDisplay(int(r.at(0, 19)), r.at(1, 19), r.formats[19]), "4.0");
}

TEST_F(RecomputeTest, stops_leave_every_view_as_it_was_and_name_the_fault) {
    struct Row {
        const char* what;
        std::vector<std::string> names;
        const char *span, *sag, *stiffness, *message;
    };
    const char* noStiffness = "Error - Axial stiffness of BAD EHS is 0";
    const Row rows[] = {
        {"no cable", {}, "150", "3", "", ""}, {"span 0", {"1/4 EHS"}, "0", "3", "", ""},
        {"sag 0", {"1/4 EHS"}, "150", "", "", ""},
        {"no carrier among lashed cables", {"P 500", "P 750"}, "150", "3", "", ""},
        {"unknown cable", {"1/4 EHS", "P 999"}, "150", "3", "", "Error - Unknown Cable P 999"},
        {"blank stiffness", {"BAD EHS", "P 500"}, "150", "3", "", noStiffness},
        {"stiffness not a number", {"BAD EHS", "P 500"}, "150", "3", "n/a", noStiffness},
    };
    const auto views = [&] {
        auto& m = program.main;
        return std::tuple(m.Label4.caption(), m.GridTemp.text(1, 1), m.GridTemp.text(0, 4),
                          program.loadingResults.values, program.loadingResults.formats,
                          static_cast<ui::RecordingSurface&>(m.Picture3.surface()).ops().size());
    };
    select({"3/8 EHS", "P 750"});  // a full run first, so that there is something to keep
    entries("200", "4", "18");
    Recompute(program);
    std::vector<std::string> messages;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        program.cables.rows[8][field::kAxialStiffness] = r.stiffness;
        select(r.names);
        entries(r.span, r.sag, "18");
        const auto before = views();
        if (*r.message) dialogs.expectMessage(), messages.push_back(r.message);
        Recompute(program);
        EXPECT_EQ(dialogs.messages(), messages);
        EXPECT_TRUE(views() == before);
    }
}

}  // namespace
}  // namespace cn3::test
