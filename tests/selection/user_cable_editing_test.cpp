#include <gtest/gtest.h>

#include <cmath>

#include "core/cable_table.h"
#include "core/catalogue.h"
#include "core/number_format.h"
#include "selection/selection.h"
#include "selection/selection_fixture.h"
#include "selection/user_cables.h"
#include "ui/recording_surface.h"

namespace cn3::test {

using Names = std::vector<std::string>;

namespace {

const std::string kNamePrompt =
    "Change name to a unique value.\n\rA carrier strand MUST contain EHS in name.\n\r"
    "A drop cable MUST contain VM in name.";
const std::string kValuePrompt = "Enter new value.\n\rEnter DEL to delete entire line.";

std::string invalid(const std::string& name) {
    return "Error - " + name +
           " invalid name.  Must start with (C, P, LX, LXF) or contain (VM, M, EHS, HTL).";
}

const CableRecord& lastRow(const SelectionWorksheet& sheet) {
    return sheet.program.cables.rows[static_cast<size_t>(sheet.program.cables.lastCableRow)];
}

Names fields(const CableRecord& r, int from, int to) {
    return Names(r.begin() + from, r.begin() + to + 1);
}

}  // namespace

TEST(user_cable_editing_test, editing_panel_hides_the_selection_and_prints_its_rules) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    form.SSTab2.setTab(family::kUserDefined);
    form.Command1.click();

    EXPECT_TRUE(sheet.program.editingMode());
    for (const ui::Control* hidden : std::initializer_list<const ui::Control*>{
             &form.Grid2, &form.Text5, &form.Label2[5], &form.Command3, &form.Text9[4],
             &form.Label2[4]}) {
        EXPECT_FALSE(hidden->visible());
    }
    auto& panel = dynamic_cast<ui::RecordingSurface&>(form.Picture1.surface());
    ASSERT_EQ(panel.ops().front().kind, ui::RecordedOp::Kind::Clear);
    const auto texts = panel.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "Rules for 'User Defined Cables");
    EXPECT_EQ(texts[0].fontSize, 10);
    EXPECT_EQ(texts[1].text, "Click on a similar cable from any of the above tabs.");
    EXPECT_EQ(texts[2].text, "Click on any value of a 'User Defined Cable' to change it.");
    EXPECT_EQ(texts[3].text, "Or enter DEL for any value to delete a 'User Defined Cable'.");
    EXPECT_EQ(texts[3].fontSize, 8);
    EXPECT_LT(texts[1].y, texts[2].y);
}

TEST(user_cable_editing_test, new_name_is_asked_again_until_it_has_a_kind_and_is_unused) {
    SelectionWorksheet sheet;
    sheet.program.main.Command1.click();
    sheet.dialogs.answerInput("STRAND 6")
        .expectMessage()
        .answerInput("10M EHS")
        .expectMessage()
        .answerInput("P USER 1")
        .expectMessage()
        .answerInput("BAD\tNAME EHS")
        .expectMessage()
        .answerInput("MY 6M EHS");
    sheet.clickCatalogue(family::kStrand, "6M EHS");

    EXPECT_EQ(sheet.dialogs.messages(),
              (Names{invalid("STRAND 6"), "Error - 10M EHS previously defined",
                     "Error - P USER 1 previously defined", invalid("BAD\tNAME EHS")}));
    for (const auto& asked : sheet.dialogs.asked()) {
        if (asked.kind != ScriptedDialogs::Kind::Input) continue;
        EXPECT_EQ(asked.text, kNamePrompt);
        EXPECT_EQ(asked.title, "Enter User Defined Cable Name");
        EXPECT_EQ(asked.defaultAnswer, "6M EHS");
    }
    const CableRecord& added = lastRow(sheet);
    EXPECT_EQ(fields(added, 0, 7), (Names{"MY 6M EHS", "1", "7", "0.250", "0.0000064", "0.121",
                                          "1520000", "6650"}));
    EXPECT_EQ(added[field::kKindCode], "5");
    EXPECT_TRUE(sheet.program.main.Check5[5].visible());
    EXPECT_EQ(sheet.program.main.SSTab2.tab(), family::kUserDefined);
    EXPECT_EQ(sheet.listed(), (Names{"P USER 1", "MY 6M EHS"}));
    EXPECT_TRUE(sheet.program.editingMode());
}

TEST(user_cable_editing_test, cancelled_or_refused_requests_change_nothing) {
    struct Case {
        const char* what;
        int tab;
        const char* clicked;
        int lastCableRow;  // 0: as built
        bool asked;
        bool refusedNameFirst;
    };
    const Case cases[] = {
        {"name box cancelled", family::kK5, "C 750", 0, true, false},
        {"a user cable's name cannot be changed in place", family::kUserDefined, "P USER 1", 0,
         true, true},
        {"no room after row 200", family::kK5, "C 750", kCableRows - 1, false, false},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        CableTable& table = sheet.program.cables;
        if (c.lastCableRow) table.lastCableRow = static_cast<std::int16_t>(c.lastCableRow);
        const CableTable before = table;
        sheet.program.main.Command1.click();
        if (c.refusedNameFirst) sheet.dialogs.answerInput(c.clicked).expectMessage();
        if (c.asked) sheet.dialogs.answerInput("");
        if (!c.asked) sheet.dialogs.expectMessage();
        sheet.clickCatalogue(c.tab, c.clicked);

        EXPECT_EQ(table.lastCableRow, before.lastCableRow) << c.what;
        EXPECT_EQ(table.rows, before.rows) << c.what;
        if (!c.asked) {
            EXPECT_EQ(sheet.dialogs.messages(),
                      Names{"Error - No room for more User Defined cables"})
                << c.what;
        }
    }
}

TEST(user_cable_editing_test, copies_from_none_or_an_empty_cell_hold_zeros) {
    SelectionWorksheet sheet(/*withUserCable=*/false);
    sheet.program.main.Command1.click();
    sheet.dialogs.answerInput("P NEW");
    sheet.clickCatalogue(family::kUserDefined, "None");
    EXPECT_EQ(fields(lastRow(sheet), 1, 7),
              (Names{"0", "0", "0.000", "0.0000000", "0.000", "0", "0"}));
    EXPECT_EQ(sheet.listed(), Names{"P NEW"});
}

TEST(user_cable_editing_test, value_edits_store_internal_units_and_del_in_any_case_deletes) {
    struct Case {
        const char* what;
        bool metric;
        int col;
        const char* answer;
        const char* stored;  // nullptr: the cable is gone
        const char* cell;    // the grid cell afterwards
    };
    const Case cases[] = {
        {"diameter in inches", false, 3, "0.45", "0.450", "0.45"},
        {"diameter in millimetres", true, 3, "10.16", "0.400", "10.16"},
        {"breaking strength with groups", false, 7, "5,000", "5000", "5,000"},
        {"breaking strength in newtons", true, 7, "22,241", "5000", "22,241"},
        {"a word that is not DEL", false, 5, "DELETE", "0.000", "DELETE"},
        {"del", false, 2, "del", nullptr, "None"},
        {"Del", false, 6, "Del", nullptr, "None"},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet(true, c.metric);
        sheet.program.main.Command1.click();
        sheet.dialogs.answerInput(c.answer);
        sheet.clickCatalogue(family::kUserDefined, "P USER 1", c.col);

        const auto& asked = sheet.dialogs.asked().front();
        EXPECT_EQ(asked.text, kValuePrompt) << c.what;
        EXPECT_EQ(asked.title, "") << c.what;
        const CableTable& table = sheet.program.cables;
        if (c.stored) {
            EXPECT_EQ(lastRow(sheet)[static_cast<size_t>(c.col)], c.stored) << c.what;
            EXPECT_EQ(sheet.program.main.Grid1.text(1, c.col), c.cell) << c.what;
        } else {
            EXPECT_EQ(table.lastCableRow, table.userSeparatorRow) << c.what;
            EXPECT_EQ(sheet.listed(), Names{c.cell}) << c.what;
        }
    }
}

TEST(user_cable_editing_test, deleting_removes_only_the_user_cable_and_closes_the_gap) {
    SelectionWorksheet sheet;
    CableTable& table = sheet.program.cables;
    // A user file may repeat a catalogue name; deleting must not touch the catalogue row.
    const int sep = table.userSeparatorRow;
    table.rows[static_cast<size_t>(sep + 2)] = {"6M EHS", "1", "0", "0.3"};
    table.rows[static_cast<size_t>(sep + 3)] = {"P USER 3", "1", "0", "0.2"};
    table.lastCableRow = static_cast<std::int16_t>(sep + 3);
    AssignKindCodes(table);

    sheet.program.main.Command1.click();
    sheet.dialogs.answerInput("DEL");
    sheet.clickCatalogue(family::kUserDefined, "6M EHS", 3);

    EXPECT_EQ(table.rows[2][field::kName], "6M EHS");
    EXPECT_EQ(table.userSeparatorRow, sep);
    EXPECT_EQ(table.lastCableRow, sep + 2);
    EXPECT_EQ(sheet.listed(), (Names{"P USER 1", "P USER 3"}));
}

TEST(user_cable_editing_test, metric_copy_keeps_the_internal_values_within_the_column_rounding) {
    SelectionWorksheet sheet(true, /*metric=*/true);
    sheet.program.main.Command1.click();
    sheet.dialogs.answerInput("MY 10M EHS");
    sheet.clickCatalogue(family::kStrand, "10M EHS");
    const CableRecord& copy = lastRow(sheet);
    const CableRecord& original = sheet.program.cables.rows[3];
    for (int col = 1; col <= 7; ++col) {
        const double a = LeadingNumber(copy[static_cast<size_t>(col)]);
        const double b = LeadingNumber(original[static_cast<size_t>(col)]);
        EXPECT_NEAR(a, b, std::abs(b) * 1e-3 + 1e-9) << "column " << col;
    }
}

TEST(user_cable_editing_test, new_edits_are_used_by_the_next_selection_before_saving) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    form.Command1.click();
    sheet.dialogs.answerInput("0.9");
    sheet.clickCatalogue(family::kUserDefined, "P USER 1", 3);
    form.Command4.click();

    sheet.clickCatalogue(family::kUserDefined, "P USER 1");
    EXPECT_EQ(form.Grid2.text(1, 2), "0.900");
}

}  // namespace cn3::test
