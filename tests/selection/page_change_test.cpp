#include <gtest/gtest.h>

#include "core/cable_kind.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(page_change_test, pages_that_compute_need_a_carrier_when_left_from_cables) {
    struct Case {
        const char* cable;  // selected first, or nullptr
        int from, to;
        bool refused, recomputed;
    };
    const Case cases[] = {
        {nullptr, page::kCables, page::kProjectId, true, false},
        {nullptr, page::kCables, page::kNescResults, true, false},
        {"C 750", page::kCables, page::kSagTension, true, false},
        {nullptr, page::kCables, page::kFilesPrint, false, false},  // nothing to compute
        {nullptr, page::kCables, page::kHelp, false, false},
        {nullptr, page::kProjectId, page::kSagTension, false, false},
        {"6M EHS", page::kCables, page::kSagTension, false, true},
        {"RG6 VM", page::kCables, page::kFilesPrint, false, true},
        {"LX 540 AM", page::kCables, page::kProjectId, false, false},
        {"LX 540 AM", page::kCables, page::kHelp, false, false},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        Program& program = sheet.program;
        program.main.Text9[0].setText("150");
        program.main.Text9[1].setText("3");
        program.worksheetEdited = 1;
        if (c.cable) sheet.clickCatalogue(CableKindOf(c.cable) % 10, c.cable);
        if (c.refused) sheet.dialogs.expectMessage();
        program.main.SSTab1.restoreTab(c.from);
        program.main.SSTab1.setTab(c.to);

        EXPECT_EQ(program.main.SSTab1.tab(), c.refused ? c.from : c.to) << c.to;
        EXPECT_EQ(sheet.dialogs.messages(),
                  c.refused ? Names{"Error - No Carrier Strand or Integrated Messenger found."}
                            : Names{});
        EXPECT_EQ(program.main.Label4.caption().empty(), !c.recomputed) << c.to;
    }
}

TEST(page_change_test, exit_page_asks_the_window_to_close) {
    SelectionWorksheet sheet;
    int requests = 0;
    sheet.program.main.requestClose = [&] { ++requests; };
    sheet.program.main.SSTab1.setTab(page::kExit);
    EXPECT_EQ(requests, 1);
}

}  // namespace cn3::test
