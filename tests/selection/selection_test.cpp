// The "Cables" page of a worksheet: the family listing, the selection rules, the manual bundle
// diameter, the page-change check and the user-defined cable editing.
#include <algorithm>

#include <gtest/gtest.h>

#include "app/wire_events.h"
#include "core/cable_kind.h"
#include "core/catalogue.h"
#include "selection/selection.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {
namespace {

using namespace family;
using namespace page;
using Names = std::vector<std::string>;

// A column of a grid below its headings, less the last rowsBelow rows.
Names column(const ui::Grid& grid, int col, int rowsBelow = 0) {
    Names out;
    for (int row = 1; row + rowsBelow < grid.rows(); ++row) out.push_back(grid.text(row, col));
    return out;
}

// A small catalogue in memory (cables of every family, optionally one user-defined cable), the
// two grids of the page, scripted dialogs, a temporary data folder and the events wired.
struct Sheet {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
    MainForm& form = program.main;

    explicit Sheet(bool withUserCable = true, bool metric = false) {
        program.dialogs = &dialogs;
        program.dataFolder = folder.path().string();
        program.units.metricUnits = metric ? 1 : 0;
        program.units.table[0] = {"", "", 1.0f, 0.0f};  // plain numbers
        program.units.table[2] = {"lb", "N", 4.448222f, 0.0f};
        program.units.table[3] = {"in", "mm", 25.4f, 0.0f};
        program.units.table[5] = {"lb/ft", "kg/m", 1.488164f, 0.0f};
        program.columnUnitKinds = {0, 0, 0, 3, 0, 5, 2, 2, 0, 0};
        program.columnFormats = {"", "##0", "##0", "##0.000", "0.0000000", "##0.000", "#,###,##0", "#,###,##0", "", ""};
        // Name, two shown-only columns, diameter (in), thermal coefficient, weight (lb/ft),
        // stiffness (lb), breaking strength (lb). Row 1 is never listed on a family tab;
        // "OTHER" fits no family.
        const std::vector<CableRecord> cables = {
            {"1/4 EHS FIRST"}, {"6M EHS", "1", "7", "0.250", "0.0000064", "0.121", "1520000", "6650"}, {"10M EHS"},
            {"P3 500", "1", "0", "0.500", "", "0.084"}, {"P3 500 M"}, {"C 750", "1", "0", "0.750", "", "0.161"},
            {"LX 540"}, {"LX 540 AM"}, {"ORF 24"}, {"ORF 48 SS"}, {"RG6 VM", "1", "0", "0.270", "0.0000070", "0.035", "40000", "600"},
            {"OTHER"}, {"User Defined\n\rCables"}};
        CableTable& table = program.cables;
        std::copy(cables.begin(), cables.end(), table.rows.begin() + 1);
        table.userSeparatorRow = table.lastCableRow = static_cast<std::int16_t>(cables.size());
        if (withUserCable) table.rows[++table.lastCableRow] = {"P USER 1", "1", "0", "0.400", "0.0000070", "0.100"};
        AssignKindCodes(table);
        form.Grid1.setCols(8);
        form.Grid2.setCols(4);
        form.Grid2.setRows(2);
        form.Grid2.setText(1, 1, "Bundle");
        WireSelectionEvents(program);
    }

    // Lists the family tab, then clicks the named cable's cell in the catalogue grid.
    void clickCatalogue(int familyTab, const std::string& name, int col = 0) {
        form.SSTab2.setTab(familyTab);
        FillCatalogueGrid(program, familyTab);
        const Names names = column(form.Grid1, 0);
        const auto at = std::find(names.begin(), names.end(), name);
        ASSERT_NE(at, names.end()) << name << " is not listed on family tab " << familyTab;
        form.Grid1.click(static_cast<int>(at - names.begin()) + 1, col);
    }
};

// Rows first..last of a grid as lines of cells joined by "|".
std::string rows(const ui::Grid& grid, int first = 1, int last = 99) {
    std::string out;
    for (int r = first; r <= std::min(last, grid.rows() - 1); ++r)
        for (int c = 0; c < grid.cols(); ++c) out += grid.text(r, c) + (c + 1 < grid.cols() ? "|" : "\n");
    return out;
}

TEST(cable_selection_test, carrier_and_drop_rules_decide_which_clicks_are_taken) {
    const std::string one = "Error - Can Only Select ONE Carrier Strand or Integrated Messenger";
    const std::string drop = "Error - Drop cable must be only selection";
    // Clicks (family tab, name), the messages shown and the cables taken; the last row has no
    // user cable, so its tab lists "None".
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> clicks;
        Names messages, selected;
        bool userCable = true;
    };
    // clang-format off
    const Case cases[] = {
        {"messenger, then strand", {{kK5, "P3 500 M"}, {kStrand, "6M EHS"}}, {one}, {"P3 500 M"}},
        {"strand, then messenger", {{kStrand, "6M EHS"}, {kFiber, "ORF 48 SS"}}, {one}, {"6M EHS"}},
        {"cable, then drop", {{kK5, "C 750"}, {kDrop, "RG6 VM"}}, {drop}, {"C 750"}},
        {"drop, then cable", {{kDrop, "RG6 VM"}, {kK5, "C 750"}}, {drop}, {"RG6 VM"}},
        // A user cable goes by its name's kind; headings and the "None" row are not cables.
        {"user cable and a heading", {{kStrand, "6M EHS"}, {kUserDefined, "P USER 1"}, {kK5, "Integrated Messengers"}},
         {}, {"6M EHS", "P USER 1"}},
        {"the None row", {{kUserDefined, "None"}, {kStrand, "10M EHS"}}, {}, {"10M EHS"}, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        Sheet sheet(c.userCable);
        for (size_t i = 0; i < c.messages.size(); ++i) sheet.dialogs.expectMessage();
        for (const auto& [tab, name] : c.clicks) sheet.clickCatalogue(tab, name);
        EXPECT_EQ(sheet.dialogs.messages(), c.messages) << c.what;
        EXPECT_EQ(column(sheet.form.Grid2, 1, 1), c.selected) << c.what;
    }
}

// Metric display: 0.250, 0.500, 0.270 and 0.400 in show as 6.350, 12.700, 6.858 and 10.160 mm;
// 0.121, 0.084, 0.035 and 0.100 lb/ft as 0.180, 0.125, 0.052 and 0.149 kg/m; 1,520,000, 6,650,
// 40,000 and 600 lb as 6,761,298 (6,761,297.5 in single precision), 29,581, 177,929 and 2,669 N.
// A value of 0 leaves the cell empty.
TEST(family_listing_test, each_tab_lists_its_family_in_display_units_with_messengers_under_one_heading) {
    // The tab, the names it lists and its first row; the creep entry shows with the strands and
    // the editing button on the user tab.
    // clang-format off
    struct Case { const char* what; int tab; Names names; std::string first; };
    const Case cases[] = {
        {"drops", kDrop, {"RG6 VM"}, "RG6 VM|1||6.858|0.0000070|0.052|177,929|2,669\n"},
        {"strands", kStrand, {"6M EHS", "10M EHS"} /* never table row 1 */,
         "6M EHS|1|7|6.350|0.0000064|0.180|6,761,298|29,581\n"},
        {"coax", kK5, {"P3 500", "Integrated Messengers", "P3 500 M", "C 750"}, "P3 500|1||12.700||0.125||\n"},
        {"LX", kLX, {"LX 540", "Integrated Messengers", "LX 540 AM"}, "LX 540|||||||\n"},
        {"fiber", kFiber, {"ORF 24", "Integrated Messengers", "ORF 48 SS"}, "ORF 24|||||||\n"},
        {"user-defined", kUserDefined, {"P USER 1"}, "P USER 1|1||10.160|0.0000070|0.149||\n"},
    };
    // clang-format on
    Sheet sheet(true, /*metric=*/true);
    MainForm& form = sheet.form;
    for (const auto& [what, tab, names, first] : cases) {
        SCOPED_TRACE(what);
        form.SSTab2.setTab(tab);
        EXPECT_EQ(column(form.Grid1, 0), names);
        EXPECT_EQ(rows(form.Grid1, 1, 1), first);
        EXPECT_EQ(std::pair(form.Text9[4].visible(), form.Command1.visible()), std::pair(tab == kStrand, tab == kUserDefined));
    }
}

// 0.250, 0.500 and 0.750 in touch in a 3-4-5 triangle held by the enclosure of the two larger:
// 1.250 in (31.750 mm), 1.000 in without the middle one; weights 0.121, 0.084 and 0.161 lb/ft
// show as 0.180, 0.125 and 0.240 kg/m. A bundle diameter typed into Text5 ("Ovr") stands until
// Text5 is emptied, and the plot is offered only for a computed one.
TEST(cable_selection_test, rows_copy_shown_values_and_removal_renumbers_totals_and_keeps_a_typed_bundle) {
    Sheet sheet(true, /*metric=*/true);
    MainForm& form = sheet.form;
    const auto state = [&] { return rows(form.Grid2) + form.Text5.text() + (form.Command3.enabled() ? "|plot" : ""); };
    form.Text5.setText(" 0.8 in");
    sheet.clickCatalogue(kStrand, "6M EHS", 6);  // any column selects
    sheet.clickCatalogue(kK5, "P3 500");
    sheet.clickCatalogue(kK5, "C 750");
    EXPECT_EQ(state(), "1|6M EHS|6.350|0.180\n2|P3 500|12.700|0.125\n3|C 750|19.050|0.240\n|Bundle|Ovr 0.800|0.5450\n 0.8 in");
    form.Grid2.setText(form.Grid2.rows() - 1, 2, "");  // emptied by a new worksheet: typed value kept
    for (int row : {0, 4, 2}) form.Grid2.click(row, 1);  // headings and the bundle row stay
    EXPECT_EQ(state(), "1|6M EHS|6.350|0.180\n2|C 750|19.050|0.240\n|Bundle|Ovr 0.800|0.4200\n 0.8 in");
    form.Text5.setText("  ");
    EXPECT_EQ(state(), "1|6M EHS|6.350|0.180\n2|C 750|19.050|0.240\n|Bundle|25.400|0.4200\n  |plot");
    for (int row : {1, 1}) form.Grid2.click(row, 1);
    EXPECT_EQ(state(), "|Bundle|0.000|0.0000\n  |plot");
    // Eleven equal cables are one in the middle, six around it and four in the grooves outside,
    // none beside the circle that closed the ring; a twelfth is too many for the layout.
    for (int i = 0; i < 11; ++i) sheet.clickCatalogue(kK5, "P3 500");
    sheet.dialogs.expectMessage();
    sheet.clickCatalogue(kK5, "P3 500");
    EXPECT_EQ(rows(form.Grid2, 13) + form.Text5.text(), "|Bundle|Ovr 9.999|1.5000\n9.999");
}

// A span file keeps 20 cables: the 21st is refused with its name, and nothing is added.
TEST(cable_selection_test, a_21st_cable_is_refused_and_nothing_added) {
    Sheet sheet;
    ui::Grid& selected = sheet.form.Grid2;
    sheet.clickCatalogue(kStrand, "6M EHS");
    for (int n = 2; n <= 20; ++n) {  // as a restored span file fills the grid
        const int bundleRow = selected.rows() - 1;
        selected.addItem(std::to_string(bundleRow), bundleRow);
        selected.setText(bundleRow, 1, "P3 500");
    }
    const std::string twenty = rows(selected);
    sheet.dialogs.expectMessage();
    sheet.clickCatalogue(kK5, "C 750");
    EXPECT_EQ(sheet.dialogs.messages(),
              Names{"Error - A span file holds at most 20 cables: C 750 is not added."});
    EXPECT_EQ(std::tuple(selected.rows(), selected.text(20, 1), rows(selected)),
              std::tuple(22, "P3 500", twenty));
}

TEST(page_change_test, pages_that_compute_need_a_carrier_when_left_from_cables) {
    // The cable selected (may be none), the page left and the one chosen, whether that is
    // refused and whether results are computed.
    struct Case {
        const char *what, *cable;
        int from, to;
        bool refused, computed;
    };
    // clang-format off
    const Case cases[] = {
        {"no cable, to project", nullptr, kCables, kProjectId, true, false},
        {"no carrier, to sag and tension", "C 750", kCables, kSagTension, true, false},
        {"no cable, to files", nullptr, kCables, kFilesPrint, false, false} /* nothing to compute */,
        {"no cable, to help", nullptr, kCables, kHelp, false, false},
        {"not left from cables", nullptr, kProjectId, kSagTension, false, false},
        {"strand, to sag and tension", "6M EHS", kCables, kSagTension, false, true},
        {"drop, to files", "RG6 VM", kCables, kFilesPrint, false, true},
        {"messenger, to project", "LX 540 AM", kCables, kProjectId, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sheet sheet;
        sheet.form.Text9[0].setText("150");
        sheet.form.Text9[1].setText("3");
        sheet.program.worksheetEdited = 1;
        if (c.cable) sheet.clickCatalogue(CableKindOf(c.cable) % 10, c.cable);
        if (c.refused) sheet.dialogs.expectMessage();
        sheet.form.SSTab1.restoreTab(c.from);
        sheet.form.SSTab1.setTab(c.to);
        EXPECT_EQ(std::tuple(sheet.form.SSTab1.tab(), !sheet.form.Label4.caption().empty(), sheet.dialogs.messages()),
                  std::tuple(c.refused ? c.from : c.to, c.computed,
                             c.refused ? Names{"Error - No Carrier Strand or Integrated Messenger found."} : Names{}));
    }
}

TEST(user_cable_editing_test, value_edits_store_internal_units_and_del_in_any_case_deletes) {
    struct Case {
        const char* what;
        bool metric;
        int col;
        const char* answer;
        const char* stored;  // null: gone
    };
    // clang-format off
    const Case cases[] = {
        {"English diameter", false, 3, "0.45", "0.450"}, {"metric diameter", true, 3, "10.16", "0.400"},
        {"English strength", false, 7, "5,000", "5000"}, {"metric strength", true, 7, "22,241", "5000"},
        {"del deletes", false, 2, "del", nullptr},
        {"Del deletes", false, 6, "Del", nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sheet sheet(true, c.metric);
        MainForm& form = sheet.form;
        form.Check5[5].setVisible(true);
        form.Check5[5].setChecked(true);
        form.Command1.click();
        sheet.dialogs.answerInput(c.answer);
        sheet.clickCatalogue(kUserDefined, "P USER 1", c.col);
        EXPECT_EQ(sheet.dialogs.asked().back().text, "Enter new value.\n\rEnter DEL to delete entire line.");
        EXPECT_EQ(column(form.Grid1, 0), Names{c.stored ? "P USER 1" : "None"}) << c.answer;
        const std::string kept = sheet.program.cables.rows[sheet.program.cables.lastCableRow][c.col] + "|" + form.Grid1.text(1, c.col);
        EXPECT_TRUE(!c.stored || kept == std::string(c.stored) + "|" + c.answer) << kept;
        form.Command4.click();  // with no user cable left the print box goes
        EXPECT_EQ(form.Check5[5].visible() && form.Check5[5].checked(), c.stored != nullptr) << c.answer;
    }
}

// A value cell takes only a number: other text is refused, and the cell and the stored value
// stay as they were ("DELETE" is no "DEL"). Blanks around a number and group commas are fine.
TEST(user_cable_editing_test, text_that_is_not_a_number_is_refused_and_the_cell_kept) {
    for (const char* answer : {"abc", "16x5", "DELETE", "0,5", "1e3", "-", " . "}) {
        SCOPED_TRACE(answer);
        Sheet sheet;
        MainForm& form = sheet.form;
        form.Command1.click();
        sheet.dialogs.answerInput(answer).expectMessage();
        sheet.clickCatalogue(kUserDefined, "P USER 1", 5);
        EXPECT_EQ(sheet.dialogs.messages(),
                  Names{"Error - \"" + std::string(answer) + "\" cannot be used: a cable value must be a number."});
        EXPECT_EQ(std::tuple(form.Grid1.text(1, 5), sheet.program.cables.rows[sheet.program.cables.lastCableRow][5]),
                  std::tuple("0.100", "0.100"));
    }
    Sheet sheet;
    sheet.form.Command1.click();
    sheet.dialogs.answerInput(" 1,250 ");
    sheet.clickCatalogue(kUserDefined, "P USER 1", 7);
    EXPECT_EQ(sheet.program.cables.rows[sheet.program.cables.lastCableRow][7], "1250");
}

// Copies are asked a name until it has a kind, is unused and fits the file's line; a user cable
// named like a catalogue cable (from a user file) is deleted, never the other; "Close" writes
// the file and brings the page back.
TEST(user_cable_editing_test, copies_are_named_by_the_rules_and_close_writes_the_file_byte_for_byte) {
    const std::string rule = " invalid name.  Must start with (C, P, LX, LXF) or contain (VM, M, EHS, HTL).";
    Sheet sheet;
    MainForm& form = sheet.form;
    CableTable& table = sheet.program.cables;
    table.rows[table.userSeparatorRow + 2] = {"6M EHS", "1", "0", "0.3"};
    table.rows[table.userSeparatorRow + 3] = {"P USER 3", "1", "0", "0.2"};
    table.lastCableRow = static_cast<std::int16_t>(table.userSeparatorRow + 3);
    AssignKindCodes(table);
    form.Command1.click();
    // Cancelled (the listing and the file show nothing came of it); a name on the user tab
    // proposes a copy, not a rename.
    sheet.dialogs.answerInput("");
    sheet.clickCatalogue(kUserDefined, "P USER 1");
    sheet.dialogs.answerInput("DEL").answerInput("STRAND 6").expectMessage().answerInput("10M EHS").expectMessage();
    sheet.dialogs.answerInput("TAB\tEHS").expectMessage().answerInput("MY 6M EHS");
    sheet.clickCatalogue(kUserDefined, "6M EHS", 3);
    sheet.clickCatalogue(kStrand, "6M EHS");
    const auto& asked = sheet.dialogs.asked().back();
    EXPECT_EQ(sheet.dialogs.asked()[0].defaultAnswer + "|" + asked.defaultAnswer + "|" + asked.title + "|" + asked.text,
              "P USER 1|6M EHS|Enter User Defined Cable Name|Change name to a unique value.\n\r"
              "A carrier strand MUST contain EHS in name.\n\rA drop cable MUST contain VM in name.");
    // While editing, the print box for user cables shows, the button stays and creep stays away.
    EXPECT_TRUE(form.Check5[5].visible() && form.Command1.visible() && !form.Text9[4].visible());
    EXPECT_EQ(column(form.Grid1, 0), (Names{"P USER 1", "P USER 3", "MY 6M EHS"}));
    sheet.dialogs.answerInput("0.45");
    sheet.clickCatalogue(kUserDefined, "P USER 1", 3);
    form.SSTab2.setTab(kStrand);
    form.Command4.click();
    EXPECT_EQ(sheet.folder.read("CABLEADD.TXT"),
              "P USER 1\t1\t0\t0.450\t0.0000070\t0.100\t\t\t\r\nP USER 3\t1\t0\t0.2\t\t\t\t\t\r\n"
              "MY 6M EHS\t1\t7\t0.250\t0.0000064\t0.121\t1520000\t6650\t\r\n");
    EXPECT_FALSE(sheet.program.editingMode());
    EXPECT_TRUE(form.Grid2.visible() && form.Text5.visible() && form.Label2[5].visible() &&
                form.Command3.visible() && form.Text9[4].visible());
    table.lastCableRow = kCableRows - 1;  // a full table
    sheet.program.dataFolder = sheet.folder.file("missing folder");
    form.Command1.click();
    sheet.dialogs.expectMessage().expectMessage();
    sheet.clickCatalogue(kK5, "C 750");
    form.Command4.click();
    EXPECT_EQ(table.lastCableRow, kCableRows - 1);
    EXPECT_EQ(sheet.dialogs.messages(),
              (Names{"Error - STRAND 6" + rule, "Error - 10M EHS previously defined", "Error - TAB\tEHS" + rule,
                     "Error - No room for more User Defined cables", "Error - CABLEADD.TXT could not be written: " +
                                                                         sheet.folder.file("missing folder") + "/CABLEADD.TXT"}));
}

// A folder in the file's place makes both the rewrite and the delete fail.
TEST(user_cable_editing_test, a_failed_save_keeps_the_panel_open_and_says_what_failed) {
    Sheet sheet;
    MainForm& form = sheet.form;
    std::filesystem::create_directories(sheet.folder.path() / "CABLEADD.TXT" / "inside");
    const std::string path = sheet.folder.file("CABLEADD.TXT");
    form.Command1.click();
    sheet.dialogs.expectMessage().answerInput("DEL").expectMessage();
    form.Command4.click();
    EXPECT_TRUE(sheet.program.editingMode() && !form.Grid2.visible());
    sheet.clickCatalogue(kUserDefined, "P USER 1", 2);
    form.Command4.click();
    EXPECT_TRUE(sheet.program.editingMode() && !form.Grid2.visible());
    EXPECT_EQ(sheet.dialogs.messages(),
              (Names{"Error - CABLEADD.TXT could not be written: " + path,
                     "Error - CABLEADD.TXT could not be deleted: " + path}));
    std::filesystem::remove_all(path);
    form.Command4.click();
    EXPECT_TRUE(!sheet.program.editingMode() && form.Grid2.visible());
}

}  // namespace
}  // namespace cn3::test
