// How the span entries, the sag mode, the bundle cell and the selection are read.
#include <gtest/gtest.h>

#include <variant>

#include "engine/selected_cables.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

using WorksheetReadTest = EngineTest;

TEST_F(WorksheetReadTest, entries_are_read_by_their_leading_number) {
    entries("150 ft", "3.5", "", "abc", "");
    const auto in = ReadSpanInputs(program);
    EXPECT_FLOAT_EQ(in.span, 150.0f);
    EXPECT_FLOAT_EQ(in.sag, 3.5f);
    EXPECT_EQ(in.pointDistance, 0.0f);
    EXPECT_EQ(in.clearance, 0.0f);
    EXPECT_EQ(in.creep, 0.0f);
    EXPECT_FLOAT_EQ(in.installedTemperature, 60.0f);
}

TEST_F(WorksheetReadTest, percent_sag_is_a_share_of_the_span) {
    entries("150", "2");
    program.main.Option1.select(1);
    EXPECT_FLOAT_EQ(ReadSpanInputs(program).sag, 3.0f);
    program.main.Option1.select(0);
    EXPECT_FLOAT_EQ(ReadSpanInputs(program).sag, 2.0f);
}

TEST_F(WorksheetReadTest, metric_entries_come_back_in_feet_but_creep_and_percent_do_not_convert) {
    metric();
    entries("45.72", "0.9144", "15.24", "6.096", "0.05");
    auto in = ReadSpanInputs(program);
    EXPECT_FLOAT_EQ(in.span, 150.0f);
    EXPECT_FLOAT_EQ(in.sag, 3.0f);
    EXPECT_FLOAT_EQ(in.pointDistance, 50.0f);
    EXPECT_FLOAT_EQ(in.clearance, 20.0f);
    EXPECT_FLOAT_EQ(in.creep, 0.05f);
    program.main.Text9[1].setText("2");
    program.main.Option1.select(1);
    EXPECT_FLOAT_EQ(ReadSpanInputs(program).sag, 3.0f);
}

TEST_F(WorksheetReadTest, bundle_cell_by_hand_or_computed_gives_the_same_diameter) {
    struct Row { const char* cell; float inches; };
    const Row rows[] = {{"0.850", 0.85f}, {"Ovr 0.850", 0.85f}, {"Ovr:1.2", 1.2f},
                        {"", 0.0f},       {"Ovr", 0.0f},        {"Ovr ", 0.0f}};
    for (const auto& r : rows) {
        select({"1/4 EHS"}, r.cell);
        EXPECT_FLOAT_EQ(OverallDiameter(program), r.inches) << '"' << r.cell << '"';
    }
    metric();
    select({"1/4 EHS"}, "Ovr 21.59");
    EXPECT_FLOAT_EQ(OverallDiameter(program), 0.85f);
}

TEST_F(WorksheetReadTest, selection_is_the_rows_between_headings_and_bundle_row) {
    select({"1/4 EHS", "P 500", "P 750"});
    EXPECT_EQ(SelectedCableNames(program.main), (std::vector<std::string>{"1/4 EHS", "P 500", "P 750"}));
    program.main.Grid2.setRows(2);
    EXPECT_TRUE(SelectedCableNames(program.main).empty());
}

TEST_F(WorksheetReadTest, carrier_is_chosen_by_the_names_kinds) {
    struct Row {
        const char* what;
        std::vector<std::string> names;
        int support;
        float weight;
        bool integrated, drop;
    };
    const Row rows[] = {
        {"strand with lashed cables", {"P 500", "1/4 EHS", "P 750"}, 1, 0.361f, false, false},
        {"two strands: the later one", {"1/4 EHS", "P 500", "3/8 EHS"}, 2, 0.474f, false, false},
        {"integrated messenger", {"LX 540 AM", "P 500"}, 5, 0.33f, true, false},
        {"a name of no kind carries itself", {"P 500", "XYZ 1"}, 7, 0.28f, true, false},
        {"a lone drop cable", {"RG6 VM"}, 6, 0.04f, false, true},
        {"a lone lashed cable", {"P 750"}, 4, 0.16f, false, false},
        {"no carrier among several", {"P 500", "P 750"}, 0, 0.24f, false, false},
        {"nothing selected", {}, 0, 0.0f, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const auto read = ReadSpanCables(program.cables, r.names);
        ASSERT_TRUE(std::holds_alternative<SpanCables>(read));
        const auto& c = std::get<SpanCables>(read);
        EXPECT_EQ(c.supportRow, r.support);
        EXPECT_NEAR(c.totalWeight, r.weight, 1e-6);
        EXPECT_EQ(c.integrated, r.integrated);
        EXPECT_EQ(c.drop, r.drop);
    }
}

TEST_F(WorksheetReadTest, unknown_name_is_reported_exactly_as_selected) {
    const auto read = ReadSpanCables(program.cables, {"1/4 EHS", "p 500", "Nope"});
    ASSERT_TRUE(std::holds_alternative<UnknownCable>(read));
    EXPECT_EQ(std::get<UnknownCable>(read).name, "p 500");
}

}  // namespace
}  // namespace cn3::test
