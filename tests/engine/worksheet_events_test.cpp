// The main-window events that end in a recomputation, through the wired controls.
#include <gtest/gtest.h>

#include "engine/worksheet_events.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

class WorksheetEventsTest : public EngineTest {
protected:
    WorksheetEventsTest() {
        WireWorksheetEvents(program);
        program.worksheetEdited = 0;
        select({"1/4 EHS", "P 500", "P 750"});
    }
    size_t drawn() { return static_cast<ui::RecordingSurface&>(program.main.Picture3.surface()).ops().size(); }
    // Whether the latest drawing (since the last clear) holds the text.
    bool drawnText(const std::string& text) {
        bool found = false;
        for (const auto& op : static_cast<ui::RecordingSurface&>(program.main.Picture3.surface()).ops()) {
            if (op.kind == ui::RecordedOp::Kind::Clear) found = false;
            if (op.kind == ui::RecordedOp::Kind::Text && op.text == text) found = true;
        }
        return found;
    }
};

TEST_F(WorksheetEventsTest, entries_change_nothing_until_the_temperature_is_set) {
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

TEST_F(WorksheetEventsTest, point_of_interest_option_shows_its_entry_and_redraws) {
    program.worksheetEdited = 1;
    entries("150", "3");
    auto& main = program.main;
    main.Check1[0].click();
    EXPECT_TRUE(main.Text9[2].visible());
    EXPECT_TRUE(main.Label2[2].visible());
    EXPECT_TRUE(drawnText("Sag @"));
    main.Check1[1].click();
    EXPECT_TRUE(main.Text9[2].visible());
    EXPECT_TRUE(drawnText("Vector"));
    main.Check1[0].click();
    EXPECT_FALSE(main.Text9[2].visible());
    EXPECT_FALSE(main.Label2[2].visible());
    EXPECT_FALSE(drawnText("Sag @"));
}

TEST_F(WorksheetEventsTest, loading_button_recomputes_after_the_window_closes) {
    program.worksheetEdited = 1;
    entries("150", "3");
    bool ran = false;
    program.loading.runModal = [&] {
        ran = true;
        EXPECT_TRUE(program.loading.shown);
        program.loading.Check1[0].setChecked(true);  // the user switches on a user loading
    };
    program.main.Command5.click();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(drawnText("Hot Summer   "));
}

}  // namespace
}  // namespace cn3::test
