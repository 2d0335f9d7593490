#include <gtest/gtest.h>

#include "core/cable_kind.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

namespace {
const char* kNoCarrier = "Error - No Carrier Strand or Integrated Messenger found.";
}

TEST(page_change_test, leaving_cables_for_a_page_that_computes_needs_a_carrying_cable) {
    struct Case {
        const char* what;
        const char* cable;  // selected before turning, or nullptr
        int from;
        int to;
        bool refused;
    };
    const Case cases[] = {
        {"empty to Project ID", nullptr, page::kCables, page::kProjectId, true},
        {"empty to Sag / Tension", nullptr, page::kCables, page::kSagTension, true},
        {"empty to Nesc Results", nullptr, page::kCables, page::kNescResults, true},
        {"coax alone to Sag / Tension", "C 750", page::kCables, page::kSagTension, true},
        {"empty to Files/Print", nullptr, page::kCables, page::kFilesPrint, false},
        {"empty to Help", nullptr, page::kCables, page::kHelp, false},
        {"empty from Project ID to Sag / Tension", nullptr, page::kProjectId, page::kSagTension,
         false},
        {"strand", "6M EHS", page::kCables, page::kSagTension, false},
        {"drop", "RG6 VM", page::kCables, page::kNescResults, false},
        {"messenger", "LX 540 AM", page::kCables, page::kProjectId, false},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        if (c.cable) sheet.clickCatalogue(CableKindOf(c.cable) % 10, c.cable);
        ui::TabStrip& pages = sheet.program.main.SSTab1;
        pages.restoreTab(c.from);
        if (c.refused) sheet.dialogs.expectMessage();
        pages.setTab(c.to);
        EXPECT_EQ(pages.tab(), c.refused ? c.from : c.to) << c.what;
        EXPECT_EQ(sheet.dialogs.messages(),
                  c.refused ? std::vector<std::string>{kNoCarrier} : std::vector<std::string>{})
            << c.what;
    }
}

TEST(page_change_test, exit_page_asks_the_window_to_close_without_the_carrier_check) {
    SelectionWorksheet sheet;
    int closeRequests = 0;
    sheet.program.main.requestClose = [&] { ++closeRequests; };
    sheet.program.main.SSTab1.setTab(page::kExit);
    EXPECT_EQ(closeRequests, 1);

    // Without a host to ask, nothing happens.
    SelectionWorksheet bare;
    bare.program.main.SSTab1.setTab(page::kExit);
}

}  // namespace cn3::test

namespace cn3::test {

TEST(page_change_test, result_pages_are_recomputed_and_help_is_not) {
    struct Case {
        int to;
        bool recomputed;
    };
    const Case cases[] = {{page::kSagTension, true}, {page::kNescResults, true},
                          {page::kFilesPrint, true}, {page::kHelp, false},
                          {page::kProjectId, false}};
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        Program& program = sheet.program;
        program.units.table[4] = {"ft", "m", 0.3048f, 0.0f};
        program.main.Text9[0].setText("150");
        program.main.Text9[1].setText("3");
        program.main.HScroll1.setRange(-40, 140);
        program.main.HScroll1.setValue(60);
        program.worksheetEdited = 1;
        sheet.clickCatalogue(family::kStrand, "6M EHS");
        sheet.clickCatalogue(family::kK5, "P3 500");

        program.main.SSTab1.setTab(c.to);
        EXPECT_EQ(program.main.Label4.caption().empty(), !c.recomputed) << "page " << c.to;
    }
}

}  // namespace cn3::test
