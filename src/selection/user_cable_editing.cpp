#include "selection/user_cable_editing.h"

#include <cctype>
#include <string>
#include <string_view>

#include "core/cable_kind.h"
#include "core/cable_table.h"
#include "selection/displayed_number.h"
#include "selection/selection.h"
#include "selection/user_cables_saving.h"

namespace cn3 {

namespace {

constexpr std::string_view kNameTitle = "Enter User Defined Cable Name";

std::string namePrompt() {
    std::string prompt = "Change name to a unique value.";
    prompt += kHeaderBreak;
    prompt += "A carrier strand MUST contain EHS in name.";
    prompt += kHeaderBreak;
    prompt += "A drop cable MUST contain VM in name.";
    return prompt;
}

std::string valuePrompt() {
    std::string prompt = "Enter new value.";
    prompt += kHeaderBreak;
    prompt += "Enter DEL to delete entire line.";
    return prompt;
}

// The file keeps one cable per line with TAB-ended fields, so a name may hold neither.
bool fitsTheFile(std::string_view name) {
    return name.find_first_of("\t\r\n") == std::string_view::npos;
}

bool isDel(std::string_view answer) {
    if (answer.size() != 3) return false;
    std::string upper;
    for (char c : answer)
        upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return upper == "DEL";
}

// A typed or shown value in display units, stored as text in internal units with the column's
// own unit kind and pattern; without group commas, which the leading-number parse stops at.
std::string internalValue(const Program& program, int column, std::string_view shown) {
    const auto c = static_cast<size_t>(column);
    return WithoutThousandsGroups(program.units.fromInput(
        program.columnUnitKinds[c], static_cast<float>(DisplayedNumber(shown)),
        program.columnFormats[c]));
}

// The user-defined row named so, if any. Catalogue rows are never edited from here.
int userRowNamed(const CableTable& table, std::string_view name) {
    for (int r = table.userSeparatorRow + 1; r <= table.lastCableRow && r < kCableRows; ++r) {
        if (table.rows[static_cast<size_t>(r)][field::kName] == name) return r;
    }
    return -1;
}

void listUserDefinedTab(Program& program) {
    program.main.SSTab2.setTab(family::kUserDefined);
    FillCatalogueGrid(program, family::kUserDefined);
}

}  // namespace

void Command1_Click(Program& program) {
    MainForm& form = program.main;
    form.Label2[4].setVisible(false);
    form.Text9[4].setVisible(false);
    form.Grid2.setVisible(false);
    form.Label2[5].setVisible(false);
    form.Text5.setVisible(false);
    form.Command3.setVisible(false);

    ui::Surface& panel = form.Picture1.surface();
    panel.clear();
    form.Picture1.setVisible(true);
    panel.setFontSize(10);
    panel.print("Rules for 'User Defined Cables");
    panel.setFontSize(8);
    panel.print("Click on a similar cable from any of the above tabs.");
    panel.print("Click on any value of a 'User Defined Cable' to change it.");
    panel.print("Or enter DEL for any value to delete a 'User Defined Cable'.");
    form.Picture1.refresh();
}

void UserCablesGrid1_Click(Program& program) {
    if (program.main.SSTab2.tab() == family::kUserDefined && program.main.Grid1.col() > 0) {
        EditUserCableValue(program);
    } else {
        NewUserCable(program);
    }
}

void NewUserCable(Program& program) {
    CableTable& table = program.cables;
    if (table.lastCableRow >= kCableRows - 1) {
        program.dialogs->message("Error - No room for more User Defined cables");
        return;
    }

    const ui::Grid& catalogue = program.main.Grid1;
    const int clicked = catalogue.row();
    const std::string proposal = catalogue.text(clicked, 0);

    std::string name;
    for (;;) {
        name = program.dialogs->input(namePrompt(), kNameTitle, proposal);
        if (name.empty()) return;
        if (CableKindOf(name) == kNoKind || !fitsTheFile(name)) {
            program.dialogs->message("Error - " + name +
                                     " invalid name.  Must start with (C, P, LX, LXF) or contain "
                                     "(VM, M, EHS, HTL).");
            continue;
        }
        if (table.find(name)) {
            program.dialogs->message("Error - " + name + " previously defined");
            continue;
        }
        break;
    }

    // The copy is taken from the shown values, so it carries the rounding of the columns.
    CableRecord record{};
    record[field::kName] = name;
    for (int c = 1; c <= 7; ++c) {
        record[static_cast<size_t>(c)] = internalValue(program, c, catalogue.text(clicked, c));
    }
    record[field::kKindCode] = std::to_string(kUserDefinedKind);
    table.lastCableRow = static_cast<std::int16_t>(table.lastCableRow + 1);
    table.rows[static_cast<size_t>(table.lastCableRow)] = std::move(record);

    program.main.Check5[5].setVisible(true);
    listUserDefinedTab(program);
}

void EditUserCableValue(Program& program) {
    ui::Grid& catalogue = program.main.Grid1;
    const int row = catalogue.row();
    const int col = catalogue.col();
    const std::string answer = program.dialogs->input(valuePrompt(), "", catalogue.text(row, col));
    if (answer.empty()) return;
    // A value cell is read as a number; anything else would be shown as typed and kept as 0.
    if (!isDel(answer) && col >= 1 && col <= 7 && !IsWholeNumber(answer)) {
        program.dialogs->message("Error - \"" + answer +
                                 "\" cannot be used: a cable value must be a number.");
        return;
    }

    catalogue.setText(row, col, answer);
    CableTable& table = program.cables;
    const int target = userRowNamed(table, catalogue.text(row, 0));

    if (isDel(answer)) {
        if (target > 0) {
            for (int r = target; r < table.lastCableRow; ++r) {
                table.rows[static_cast<size_t>(r)] = table.rows[static_cast<size_t>(r + 1)];
            }
            table.rows[static_cast<size_t>(table.lastCableRow)] = CableRecord{};
            table.lastCableRow = static_cast<std::int16_t>(table.lastCableRow - 1);
        }
        FillCatalogueGrid(program, family::kUserDefined);
        return;
    }
    // The cell keeps the answer as typed until the tab is listed again.
    if (target > 0 && col >= 1 && col <= 7) {
        table.rows[static_cast<size_t>(target)][static_cast<size_t>(col)] =
            internalValue(program, col, answer);
    }
}

}  // namespace cn3
