// How the span entries, the bundle cell and the selection are read, and the main-window
// events that end in a recomputation, through the wired controls.
#include <tuple>
#include <variant>

#include "engine/selected_cables.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"
#include "engine/worksheet_events.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

class WorksheetTest : public EngineTest {
protected:
    WorksheetTest() {
        WireWorksheetEvents(program);
        select({"1/4 EHS", "P 500", "P 750"});
    }
    // Whether the latest drawing (since the last clear) holds the text.
    bool drawn(const std::string& text) {
        bool found = false;
        for (const auto& op : static_cast<ui::RecordingSurface&>(program.main.Picture3.surface()).ops())
            if (op.kind == ui::RecordedOp::Kind::Clear || op.text == text) found = op.text == text;
        return found;
    }
};

TEST_F(WorksheetTest, percent_sag_and_creep_are_plain_numbers_even_in_metric) {
    metric();
    entries("45.72", "2", "", "0.05");
    program.main.Option1.select(1);
    const auto in = ReadSpanInputs(program);
    EXPECT_FLOAT_EQ(in.span, 150.0f);
    EXPECT_FLOAT_EQ(in.sag, 3.0f);
    EXPECT_FLOAT_EQ(in.creep, 0.05f);
}

TEST_F(WorksheetTest, bundle_cell_by_hand_or_computed_gives_the_same_diameter) {
    const std::pair<const char*, float> rows[] = {{"0.850", 0.85f}, {"Ovr 0.850", 0.85f}, {"", 0.0f}, {"Ovr", 0.0f}};
    for (const auto& [cell, inches] : rows) {
        select({"1/4 EHS"}, cell);
        EXPECT_FLOAT_EQ(OverallDiameter(program), inches) << '"' << cell << '"';
    }
}

// A lone strand, an integrated messenger and a lone drop cable show in the results text.
TEST_F(WorksheetTest, carrier_is_chosen_by_the_names_kinds) {
    struct Row {
        const char* what;
        std::vector<std::string> names;
        int support;
        float weight;
        bool integrated, drop;
    };
    const Row rows[] = {
        {"two strands: the later one", {"1/4 EHS", "P 500", "3/8 EHS"}, 2, 0.474f, false, false},
        {"a name of no kind carries itself", {"P 500", "XYZ 1"}, 7, 0.28f, true, false},
        {"no carrier among several", {"P 500", "P 750"}, 0, 0.24f, false, false},
    };
    for (const auto& r : rows) {
        const auto c = std::get<SpanCables>(ReadSpanCables(program.cables, r.names));
        EXPECT_EQ(std::tuple(c.supportRow, c.integrated, c.drop), std::tuple(r.support, r.integrated, r.drop))
            << r.what;
        EXPECT_NEAR(c.totalWeight, r.weight, 1e-6) << r.what;
    }
}

TEST_F(WorksheetTest, entries_change_nothing_until_the_temperature_is_set) {
    program.worksheetEdited = 0;
    entries("150", "3");
    EXPECT_EQ(program.main.Label4.caption(), "");
    program.main.HScroll1.setValue(70);
    EXPECT_EQ(program.worksheetEdited, 1);
    EXPECT_EQ(program.main.Label1.caption(), "Installed Temperature 70");
    EXPECT_NE(program.main.Label4.caption().find("Span Sag = 3.00 ft"), std::string::npos);
    program.main.Text9[1].setText("4");
    EXPECT_NE(program.main.Label4.caption().find("Span Sag = 4.00 ft"), std::string::npos);
    program.main.Option1.select(1);  // 4 % of 150 ft
    EXPECT_NE(program.main.Label4.caption().find("Span Sag = 6.00 ft"), std::string::npos);
}

TEST_F(WorksheetTest, point_of_interest_option_shows_its_entry_and_redraws) {
    entries("150", "3");
    auto& main = program.main;
    main.Check1[0].click();
    const auto point = [&] { return std::tuple(main.Text9[2].visible(), main.Label2[2].visible(), drawn("Sag @")); };
    EXPECT_EQ(point(), std::tuple(true, true, true));
    main.Check1[1].click();
    EXPECT_EQ(std::tuple(main.Text9[2].visible(), drawn("Vector")), std::tuple(true, true));
    main.Check1[0].click();
    EXPECT_EQ(point(), std::tuple(false, false, false));
}

TEST_F(WorksheetTest, loading_button_recomputes_after_the_window_closes) {
    entries("150", "3");
    bool ran = false;
    program.loading.runModal = [&] {
        ran = program.loading.shown;
        program.loading.Check1[0].setChecked(true);  // the user switches on a user loading
    };
    program.main.Command5.click();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(drawn("Hot Summer   "));
}

}  // namespace
}  // namespace cn3::test
