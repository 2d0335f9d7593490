#include "core/cable_kind.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(cable_selection_test, carrier_and_drop_rules_decide_which_clicks_are_taken) {
    const std::string one = "Error - Can Only Select ONE Carrier Strand or Integrated Messenger";
    const std::string drop = "Error - Drop cable must be only selection";
    struct Case {
        std::vector<std::pair<int, std::string>> clicks;
        std::string message;  // empty: none
        Names selected;
        bool userCable = true;
    };
    const Case cases[] = {
        {{{0, "6M EHS"}, {1, "P3 500"}, {1, "P3 500"}, {2, "LX 540"}}, "",
         {"6M EHS", "P3 500", "P3 500", "LX 540"}},
        {{{0, "6M EHS"}, {0, "10M EHS"}}, one, {"6M EHS"}},
        {{{1, "P3 500 M"}, {0, "6M EHS"}}, one, {"P3 500 M"}},
        {{{0, "6M EHS"}, {3, "ORF 48 SS"}}, one, {"6M EHS"}},
        {{{1, "C 750"}, {4, "RG6 VM"}}, drop, {"C 750"}},
        {{{4, "RG6 VM"}, {4, "RG6 VM"}}, drop, {"RG6 VM"}},
        {{{4, "RG6 VM"}, {1, "C 750"}}, drop, {"RG6 VM"}},
        // A user cable goes by its name's kind; headings and the "None" row are not cables.
        {{{0, "6M EHS"}, {5, "P USER 1"}, {1, "Integrated Messengers"}}, "", {"6M EHS", "P USER 1"}},
        {{{5, "None"}, {0, "10M EHS"}}, "", {"10M EHS"}, false},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet(c.userCable);
        if (!c.message.empty()) sheet.dialogs.expectMessage();
        for (const auto& [tab, name] : c.clicks) sheet.clickCatalogue(tab, name);
        EXPECT_EQ(sheet.dialogs.messages(), c.message.empty() ? Names{} : Names{c.message});
        EXPECT_EQ(sheet.selectedNames(), c.selected) << c.clicks.back().second;
    }
}

TEST(cable_selection_test, rows_copy_shown_values_and_removal_renumbers_and_totals) {
    SelectionWorksheet sheet(true, /*metric=*/true);
    sheet.clickCatalogue(family::kStrand, "6M EHS", 6);  // any column selects
    sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.clickCatalogue(family::kK5, "C 750");
    const ui::Grid& grid = sheet.form.Grid2;
    EXPECT_EQ(grid.text(2, 2), "12.700");
    EXPECT_EQ(sheet.bundleCell(3), "0.5450");  // 0.180 + 0.125 + 0.240 kg/m as shown
    sheet.clickSelected(0);  // headings
    sheet.clickSelected(4);  // bundle row
    sheet.clickSelected(2);
    EXPECT_EQ(sheet.selectedNames(), (Names{"6M EHS", "C 750"}));
    EXPECT_EQ(grid.text(2, 0), "2");
    EXPECT_EQ(sheet.bundleCell(3), "0.4200");
    sheet.clickSelected(1);
    sheet.clickSelected(1);
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ((Names{sheet.bundleCell(2), sheet.bundleCell(3)}), (Names{"0.000", "0.0000"}));
}

TEST(family_listing_test, each_tab_lists_its_family_with_messengers_under_one_heading) {
    const std::vector<std::pair<int, Names>> cases = {
        {family::kStrand, {"6M EHS", "10M EHS"}},  // never table row 1
        {family::kK5, {"P3 500", "Integrated Messengers", "P3 500 M", "C 750"}},
        {family::kLX, {"LX 540", "Integrated Messengers", "LX 540 AM"}},
        {family::kFiber, {"ORF 24", "Integrated Messengers", "ORF 48 SS"}},
        {family::kDrop, {"RG6 VM"}},
        {family::kUserDefined, {"P USER 1"}},
    };
    SelectionWorksheet sheet;
    for (const auto& [tab, names] : cases) {
        FillCatalogueGrid(sheet.program, tab);
        EXPECT_EQ(sheet.listed(), names) << "tab " << tab;
    }
    SelectionWorksheet empty(/*withUserCable=*/false);
    FillCatalogueGrid(empty.program, family::kUserDefined);
    EXPECT_EQ(empty.listed(), Names{"None"});
}

TEST(family_listing_test, values_show_in_display_units_and_zero_as_an_empty_cell) {
    for (bool metric : {false, true}) {
        SelectionWorksheet sheet(true, metric);
        FillCatalogueGrid(sheet.program, family::kK5);  // P3 500 has no steel
        Names shown;
        for (int col = 2; col <= 7; ++col) shown.push_back(sheet.form.Grid1.text(1, col));
        EXPECT_EQ(shown, (metric ? Names{"", "12.700", "", "0.125", "", ""}
                                 : Names{"", "0.500", "", "0.084", "", ""}));
        FillCatalogueGrid(sheet.program, family::kStrand);
        EXPECT_EQ(sheet.form.Grid1.text(1, 7), metric ? "29,581" : "6,650");
    }
}

TEST(family_listing_test, creep_entry_shows_with_strands_and_editing_button_on_user_tab) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.form;
    for (int tab : {family::kUserDefined, family::kStrand, family::kLX}) {
        form.SSTab2.setTab(tab);
        EXPECT_EQ(form.Text9[4].visible(), tab == family::kStrand) << tab;
        EXPECT_EQ(form.Command1.visible(), tab == family::kUserDefined) << tab;
    }
    form.SSTab2.setTab(family::kUserDefined);
    form.Command1.click();  // while editing, the button stays and creep stays away
    form.SSTab2.setTab(family::kStrand);
    EXPECT_TRUE(form.Command1.visible());
    EXPECT_FALSE(form.Text9[4].visible());
}

TEST(manual_bundle_diameter_test, typed_value_is_the_bundle_cell_until_the_field_is_emptied) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.form;
    for (auto [typed, cell] : {std::pair{"1.25", "Ovr 1.250"}, {" 0.8 in", "Ovr 0.800"}}) {
        form.Text5.setText(typed);
        EXPECT_EQ(sheet.bundleCell(2), cell);
        EXPECT_FALSE(form.Command3.enabled());
    }
    // Selection changes, and a bundle row emptied by a new worksheet, keep the typed value.
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.clickCatalogue(family::kK5, "C 750");
    form.Grid2.setText(form.Grid2.rows() - 1, 2, "");
    sheet.clickSelected(3);
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 0.800");
    form.Text5.setText("  ");
    EXPECT_EQ(sheet.bundleCell(2), "0.750");  // 0.250 beside 0.500, computed at once
    EXPECT_TRUE(form.Command3.enabled());
}

TEST(manual_bundle_diameter_test, too_many_cables_put_the_placeholder_value_in_force) {
    SelectionWorksheet sheet;
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    // Around a 0.5 in cable, eleven equal ones fill the first ring and its grooves.
    for (int i = 0; i < 11; ++i) sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.dialogs.expectMessage();
    sheet.clickCatalogue(family::kK5, "P3 500");
    EXPECT_EQ(sheet.form.Text5.text(), "9.999");
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 9.999");
    EXPECT_FALSE(sheet.form.Command3.enabled());
}

TEST(page_change_test, pages_that_compute_need_a_carrier_when_left_from_cables) {
    struct Case { const char* cable; int from, to; bool refused, recomputed; };  // cable may be null
    const Case cases[] = {
        {nullptr, page::kCables, page::kProjectId, true, false},
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
        MainForm& form = sheet.form;
        form.Text9[0].setText("150");
        form.Text9[1].setText("3");
        sheet.program.worksheetEdited = 1;
        if (c.cable) sheet.clickCatalogue(CableKindOf(c.cable) % 10, c.cable);
        if (c.refused) sheet.dialogs.expectMessage();
        form.SSTab1.restoreTab(c.from);
        form.SSTab1.setTab(c.to);
        EXPECT_EQ(form.SSTab1.tab(), c.refused ? c.from : c.to) << c.to;
        EXPECT_EQ(sheet.dialogs.messages(),
                  c.refused ? Names{"Error - No Carrier Strand or Integrated Messenger found."} : Names{});
        EXPECT_EQ(form.Label4.caption().empty(), !c.recomputed) << c.to;
    }
    SelectionWorksheet sheet;  // and "EXIT" asks the window to close
    int requests = 0;
    sheet.form.requestClose = [&] { ++requests; };
    sheet.form.SSTab1.setTab(page::kExit);
    EXPECT_EQ(requests, 1);
}

}  // namespace cn3::test
