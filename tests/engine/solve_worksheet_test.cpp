// The typed solution of a worksheet against the same hand calculations as the shown texts,
// its stops with their reasons, and that solving shows and changes nothing.
#include <variant>

#include "engine/solve_worksheet.h"
#include "engine_fixture.h"
#include "hand_calculations.h"

namespace cn3::test {
namespace {

// Span 150 ft, sag 3 ft at 60 F, 0.361 lb/ft on 1/4 EHS (EA 1,200,000 lb, 6,650 lb, 6.4e-6 per
// F), clearance 20 ft, point at 50 ft, bundle 0.85 in, the Light district.
TEST_F(EngineTest, solution_holds_the_installed_state_the_sweep_and_the_five_conditions) {
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "3", "20");
    program.spanRecord.selectedDistrict = 2;
    const auto solved = SolveWorksheet(program);
    ASSERT_TRUE(std::holds_alternative<SpanSolution>(solved));
    const auto& s = std::get<SpanSolution>(solved);

    const double L = 150, D = 3, w = 0.361, EA = 1.2e6;
    const double S = L + 8 * D * D / (3 * L), H = w * L * L / (8 * D), S0 = S / (1 + H / EA);
    EXPECT_NEAR(s.installed.cableLength, S, 1e-4);
    EXPECT_NEAR(s.installed.tension, H, 1e-3);
    EXPECT_NEAR(s.installed.stressFree, S0, 1e-4);
    EXPECT_NEAR(s.installed.bareSag, HandSag(L, S0, 0.121, EA, D), 1e-4);
    EXPECT_NEAR(s.installed.usableLoad, 3990, 1e-3);
    EXPECT_EQ(std::tuple(s.cables.count, s.cables.integrated, s.cables.drop, s.support.name, s.clearanceGiven),
              std::tuple(3, false, false, "1/4 EHS", true));
    EXPECT_FLOAT_EQ(s.bundleDiameter, 0.85f);

    // -40, 60 (the installed temperature itself) and 140 F.
    for (const auto& [index, T] : {std::pair{0, -40}, std::pair{10, 60}, std::pair{18, 140}}) {
        const auto& row = s.temperatures[size_t(index)];
        const double S0T = S0 * (1 + 6.4e-6 * (T - 60));
        const double DT = HandSag(L, S0T, w, EA, D);
        EXPECT_EQ(row.temperature, T);
        EXPECT_NEAR(row.sag, DT, 1e-4) << T;
        EXPECT_NEAR(row.tension, w * S0T * S0T / (8 * DT), 0.05) << T;
        EXPECT_NEAR(row.lengthChange, (L + 8 * DT * DT / (3 * L) - S) * 100 / S, 1e-4) << T;
        EXPECT_NEAR(row.clearance, 20 + D - DT, 1e-4) << T;
    }

    const int records[] = {2, 3, 4, 5, 6};
    for (int i = 0; i < kConditions; ++i) {
        const auto& c = s.conditions[size_t(i)];
        const auto want = HandCondition(program.loadings[size_t(records[i])], 0.85, 0);
        const float got[13] = {c.temperature, c.iceLoad,      c.windPressure,  c.resultant,   c.sag,
                               c.tension,     c.lengthChange, c.pointSag,      c.horizontalSag,
                               c.verticalSag, c.angle,        c.iceThickness,  c.loadConstant};
        EXPECT_EQ(c.record, records[i]);
        for (int k = 0; k < 13; ++k)
            EXPECT_NEAR(got[k], want[size_t(k)], k == 5 ? want[size_t(k)] * 1e-4 : 1e-4)
                << "condition " << i + 1 << ", column " << k;
    }
}

TEST_F(EngineTest, solving_names_why_it_stops_and_shows_nothing) {
    struct Row { const char* what; std::vector<std::string> names; const char *span, *sag; SolveStop reason; const char* name; };
    // clang-format off
    const Row rows[] = {
        {"no cable", {}, "150", "3", SolveStop::NoCable, ""},
        {"no carrier", {"P 500", "P 750"}, "150", "3", SolveStop::NoCarrier, ""},
        {"span 0", {"1/4 EHS"}, "0", "3", SolveStop::NoSpan, ""},
        {"sag 0", {"1/4 EHS"}, "150", "abc", SolveStop::NoSag, ""},
        {"unknown cable", {"1/4 EHS", "P 999"}, "150", "3", SolveStop::UnknownCable, "P 999"},
        {"no stiffness", {"1/4 EHS", "BAD EHS", "P 500"}, "150", "3", SolveStop::NoStiffness, "BAD EHS"}};
    // clang-format on
    for (const auto& r : rows) {
        worksheet(r.names, r.span, r.sag);
        const auto solved = SolveWorksheet(program);
        ASSERT_TRUE(std::holds_alternative<SolveStopped>(solved)) << r.what;
        const auto& stop = std::get<SolveStopped>(solved);
        EXPECT_EQ(std::tuple(stop.reason, stop.name), std::tuple(r.reason, r.name)) << r.what;
    }
    EXPECT_EQ(std::tuple(dialogs.messages().size(), program.main.Label4.caption()), std::tuple(0u, ""));
}

// The results text writes 1,500 ft with a thousands group; typed back, it reads whole.
TEST_F(EngineTest, span_entries_read_thousands_groups_whole) {
    // clang-format off
    const std::tuple<const char*, const char*, float, float> rows[] = {  // span, creep, span read, creep read
        {"1,500", "0", 1500, 0}, {"1,500.50 ft", "0", 1500.5f, 0}, {"1,50", "0", 1, 0}, {"1500", "0,05", 1500, 0}};
    // clang-format on
    for (const auto& [span, creep, spanRead, creepRead] : rows) {
        worksheet({"1/4 EHS"}, span, "3", "", creep);
        const auto in = ReadSpanInputs(program);
        EXPECT_EQ(std::pair(in.span, in.creep), std::pair(spanRead, creepRead)) << span << " " << creep;
    }
}

}  // namespace
}  // namespace cn3::test
