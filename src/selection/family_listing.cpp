// The family tabs of the "Cables" page: which catalogue rows each tab lists and how.
#include "selection/family_listing.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/cable_kind.h"
#include "core/number_format.h"
#include "selection/selection.h"

namespace cn3 {

namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The family of a row is its kind code modulo 10 (11 and 1 share tab 1); 255 has none.
int familyOf(const CableRecord& record) {
    const int kind = static_cast<int>(LeadingNumber(record[field::kKindCode]));
    if (record[field::kKindCode].empty() || kind == kNoKind) return -1;
    return kind % 10;
}

// Integrated messengers come after the plain cables of their tab, under one heading:
// on tabs 1 and 2 a capital M marks them, anywhere a self-supporting "SS" without an M does.
bool startsMessengerGroup(int familyTab, std::string_view name) {
    const bool hasM = contains(name, "M");
    return ((familyTab == family::kK5 || familyTab == family::kLX) && hasM) ||
           (!hasM && contains(name, "SS"));
}

// A shown number that reads as 0 leaves its cell empty.
std::string shownValue(const Program& program, const CableRecord& record, int column) {
    const auto c = static_cast<size_t>(column);
    std::string text = program.units.toDisplay(program.columnUnitKinds[c],
                                               static_cast<float>(LeadingNumber(record[c])),
                                               program.columnFormats[c]);
    if (LeadingNumber(text) == 0.0) text.clear();
    return text;
}

}  // namespace

void FillCatalogueGrid(Program& program, int familyTab) {
    ui::Grid& grid = program.main.Grid1;
    const CableTable& table = program.cables;
    grid.setRows(1);
    bool headingWritten = false;

    // Row 1 of the table is never listed on a family tab.
    const int last = std::min<int>(table.lastCableRow, kCableRows - 1);
    for (int r = 2; r <= last; ++r) {
        const CableRecord& record = table.rows[static_cast<size_t>(r)];
        if (familyOf(record) != familyTab) continue;
        const std::string& name = record[field::kName];
        if (!headingWritten && startsMessengerGroup(familyTab, name)) {
            grid.addItem("Integrated Messengers");
            headingWritten = true;
        }
        grid.addItem("");
        const int row = grid.rows() - 1;
        grid.setText(row, 0, name);
        for (int c = 1; c <= 7; ++c) grid.setText(row, c, shownValue(program, record, c));
    }

    if (familyTab == family::kUserDefined && grid.rows() == 1) grid.addItem("None");
    if (grid.rows() >= 2) grid.setFixedRows(1);
}

void SSTab2_Click(Program& program) {
    MainForm& form = program.main;
    const int tab = form.SSTab2.tab();
    const bool editing = program.editingMode();

    // The creep entry belongs with the strands, and not with the editing panel.
    const bool showCreep = tab == family::kStrand && !editing;
    form.Label2[4].setVisible(showCreep);
    form.Text9[4].setVisible(showCreep);

    if (tab == family::kUserDefined) {
        form.Command1.setVisible(true);
    } else if (!editing) {
        form.Command1.setVisible(false);
    }
    FillCatalogueGrid(program, tab);
}

}  // namespace cn3
