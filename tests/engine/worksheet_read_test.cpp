// How the span entries, the bundle cell and the selection are read.
#include <gtest/gtest.h>

#include <variant>

#include "engine/selected_cables.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

using WorksheetReadTest = EngineTest;

TEST_F(WorksheetReadTest, percent_sag_and_creep_are_plain_numbers_even_in_metric) {
    metric();
    entries("45.72", "2", "", "", "");
    program.main.Option1.select(1);
    const auto in = ReadSpanInputs(program);
    EXPECT_FLOAT_EQ(in.span, 150.0f);
    EXPECT_FLOAT_EQ(in.sag, 3.0f);
    EXPECT_EQ(in.creep, 0.0f);
}

TEST_F(WorksheetReadTest, bundle_cell_by_hand_or_computed_gives_the_same_diameter) {
    struct Row { const char* cell; float inches; };
    const Row rows[] = {{"0.850", 0.85f}, {"Ovr 0.850", 0.85f}, {"", 0.0f}, {"Ovr", 0.0f}};
    for (const auto& r : rows) {
        select({"1/4 EHS"}, r.cell);
        EXPECT_FLOAT_EQ(OverallDiameter(program), r.inches) << '"' << r.cell << '"';
    }
}

TEST_F(WorksheetReadTest, carrier_is_chosen_by_the_names_kinds) {
    struct Row { const char* what; std::vector<std::string> names; int support; float weight; bool integrated, drop; };
    const Row rows[] = {
        {"strand with lashed cables", {"P 500", "1/4 EHS", "P 750"}, 1, 0.361f, false, false},
        {"two strands: the later one", {"1/4 EHS", "P 500", "3/8 EHS"}, 2, 0.474f, false, false},
        {"integrated messenger", {"LX 540 AM", "P 500"}, 5, 0.33f, true, false},
        {"a name of no kind carries itself", {"P 500", "XYZ 1"}, 7, 0.28f, true, false},
        {"a lone drop cable", {"RG6 VM"}, 6, 0.04f, false, true},
        {"no carrier among several", {"P 500", "P 750"}, 0, 0.24f, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const auto c = std::get<SpanCables>(ReadSpanCables(program.cables, r.names));
        EXPECT_EQ(c.supportRow, r.support);
        EXPECT_NEAR(c.totalWeight, r.weight, 1e-6);
        EXPECT_EQ(c.integrated, r.integrated);
        EXPECT_EQ(c.drop, r.drop);
    }
}

}  // namespace
}  // namespace cn3::test
