// The physics core without a window: the sweep and the conditions share one state step,
// the worksheet reader hands SolveSpan exactly what the worksheet holds, and solving stops.
#include <variant>

#include <gtest/gtest.h>

#include "engine/read_span_problem.h"
#include "engine/solve_worksheet.h"
#include "engine/span_problem.h"
#include "engine/span_state.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

// 1/4 EHS with P 500 and P 750 (0.361 lb/ft) over 150 ft at 3 ft sag, 60 F, 2 % creep,
// bundle 0.85 in, point at 50 ft; the Heavy district and records 3 to 6.
SpanProblem HandProblem() {
    SpanProblem p;
    p.inputs = {150.0f, 3.0f, 50.0f, 0.0f, 0.02f, 60.0f};
    p.cables = {3, 1, 0.361f, false, false};
    p.support = {"1/4 EHS", 0.121f, 1.2e6f, 6650.0f, 6.4e-6f};
    p.bundleDiameter = 0.85f;
    const LoadingRecord records[] = {{"Heavy        ", 0, 0.5f, 4, 0.31f},
                                     {"Extreme Wind ", 60, 0, 21, 0},
                                     {"Never Shown  ", 90, 1, 0, 0},
                                     {"Hot Summer   ", 120, 0, 0, 0},
                                     {"Glaze        ", 32, 0.75f, 2, 0.1f}};
    for (size_t i = 0; i < 5; ++i) {
        p.conditionRecords[i] = records[i];
        p.conditionRecordIndex[i] = i == 0 ? 0 : int(i) + 2;
    }
    return p;
}

// The sweep's row and the condition of the same temperature and load are one state: only the
// creep differs, and without creep the two agree to the bit.
TEST(solve_span_test, sweep_and_conditions_take_the_one_state_step) {
    SpanProblem problem = HandProblem();
    problem.inputs.creep = 0;
    problem.bundleDiameter = 0;
    problem.conditionRecords[1] = {"Still 60     ", 60, 0, 0, 0};  // the cable's own weight at 60 F
    const auto s = std::get<SpanSolution>(SolveSpan(problem));
    const auto& row = s.temperatures[10];  // 60 F
    ASSERT_EQ(row.temperature, 60);
    EXPECT_EQ(std::tuple(row.sag, row.tension, row.lengthChange),
              std::tuple(s.conditions[1].sag, s.conditions[1].tension, s.conditions[1].lengthChange));
    const SpanState state = StateAt(s.inputs, s.installed, s.support, 60.0f, 0.361f, 0.0f);
    EXPECT_EQ(state.sag, row.sag);
    EXPECT_FLOAT_EQ(state.stressFree, s.installed.stressFree);
}

TEST_F(EngineTest, the_worksheet_reads_into_the_problem_it_shows) {
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "2", "20", "0.02");
    program.main.Option1.select(1);  // percent of span: 3 ft
    program.spanRecord.selectedDistrict = 1;
    const auto read = ReadSpanProblem(program);
    ASSERT_TRUE(std::holds_alternative<SpanProblem>(read));
    const auto& p = std::get<SpanProblem>(read);
    EXPECT_EQ(std::tuple(p.inputs.span, p.inputs.sag, p.inputs.creep, p.clearanceGiven, p.bundleDiameter),
              std::tuple(150.0f, 3.0f, 0.02f, true, 0.85f));
    EXPECT_EQ(p.conditionRecordIndex, (std::array<int, 5>{1, 3, 4, 5, 6}));
    EXPECT_EQ(p.conditionRecords[0].name, "Medium       ");
    EXPECT_EQ(std::tuple(p.support.name, p.cables.count), std::tuple("1/4 EHS", 3));
}

// Solving stops with its reason and the name at fault, and shows no message and no results.
TEST_F(EngineTest, solving_names_why_it_stops_and_shows_nothing) {
    worksheet({"1/4 EHS", "BAD EHS", "P 500"}, "150", "3");
    const auto solved = SolveWorksheet(program);
    ASSERT_TRUE(std::holds_alternative<SolveStopped>(solved));
    const auto& stop = std::get<SolveStopped>(solved);
    EXPECT_EQ(std::tuple(stop.reason, stop.name, dialogs.messages().size(), program.main.Label4.caption()),
              std::tuple(SolveStop::NoStiffness, "BAD EHS", 0u, ""));
}

}  // namespace
}  // namespace cn3::test
