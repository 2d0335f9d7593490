// Choosing the cables of a span: a click on the catalogue adds a cable under the carrier and
// drop rules, a click on a selected cable removes it, and the totals follow every change.
#include "selection/cable_selection.h"

#include <string>
#include <string_view>

#include "core/cable_kind.h"
#include "core/number_format.h"
#include "engine/recompute.h"
#include "forms/span_record.h"
#include "selection/manual_bundle_diameter.h"
#include "selection/selection.h"
#include "selection/user_cable_editing.h"

namespace cn3 {

namespace {

constexpr std::string_view kOneCarrier =
    "Error - Can Only Select ONE Carrier Strand or Integrated Messenger";
constexpr std::string_view kDropAlone = "Error - Drop cable must be only selection";
constexpr int kMostCables = SpanRecord::kCableNames - 1;  // the last name is a blank one

// The "None" row of an empty "User Defined" tab stands for no cable at all.
bool isNonePlaceholder(const Program& program, std::string_view name) {
    return name == "None" && !program.cables.find(name);
}

}  // namespace

void grid1_Click(Program& program) {
    // The heading row is not a cable.
    if (program.main.Grid1.row() < 1) return;
    if (program.editingMode()) {
        UserCablesGrid1_Click(program);
    } else {
        SelectCable(program);
    }
}

void SelectCable(Program& program) {
    const ui::Grid& catalogue = program.main.Grid1;
    ui::Grid& selected = program.main.Grid2;
    const int clicked = catalogue.row();
    const std::string name = catalogue.text(clicked, 0);

    // Headings listed among the cables are not cables.
    if (name.empty() || name.starts_with("User Defined") || name.starts_with("Integrated M") ||
        isNonePlaceholder(program, name)) {
        return;
    }
    if (selected.rows() < 2) return;  // the selected-cables grid is not laid out

    const CableKind kind = CableKindOf(name);
    const int bundleRow = selected.rows() - 1;
    // A span file keeps the names of 20 cables, so a 21st could never be saved.
    if (bundleRow - 1 >= kMostCables) {
        program.dialogs->message("Error - A span file holds at most " +
                                 std::to_string(kMostCables) + " cables: " + name +
                                 " is not added.");
        return;
    }
    if (IsSupport(kind)) {
        for (int r = 1; r < bundleRow; ++r) {
            if (IsSupport(CableKindOf(selected.text(r, 1)))) {
                program.dialogs->message(kOneCarrier);
                return;
            }
        }
    }
    // A drop cable hangs alone: not after other cables, and nothing after it.
    if ((kind == kDropKind && selected.rows() > 2) ||
        CableKindOf(selected.text(1, 1)) == kDropKind) {
        program.dialogs->message(kDropAlone);
        return;
    }

    // The display texts of diameter and weight are copied as they stand.
    selected.addItem(std::to_string(bundleRow), bundleRow);
    selected.setText(bundleRow, 1, name);
    selected.setText(bundleRow, 2, catalogue.text(clicked, field::kDiameter));
    selected.setText(bundleRow, 3, catalogue.text(clicked, field::kWeightPerLength));

    RefreshSelectionTotals(program);
    UpdateBundleDiameter(program);
}

void Grid2_Click(Program& program) {
    RemoveSelectedCable(program);
}

void RemoveSelectedCable(Program& program) {
    ui::Grid& selected = program.main.Grid2;
    const int clicked = selected.row();
    // Only cable rows carry a sequence number; the headings and the bundle row do not.
    if (clicked < 1 || clicked >= selected.rows() - 1) return;
    if (!(LeadingNumber(selected.text(clicked, 0)) > 0.0)) return;

    selected.removeItem(clicked);
    for (int r = 1; r < selected.rows() - 1; ++r) selected.setText(r, 0, std::to_string(r));

    RefreshSelectionTotals(program);
    UpdateBundleDiameter(program);
}

void RefreshSelectionTotals(Program& program) {
    ui::Grid& selected = program.main.Grid2;
    if (selected.rows() < 2) return;
    const int bundleRow = selected.rows() - 1;
    // The sum of the shown weights, so it is in display units; single precision as shown.
    float total = 0.0f;
    for (int r = 1; r < bundleRow; ++r)
        total += static_cast<float>(LeadingNumber(selected.text(r, 3)));
    selected.setText(bundleRow, 3, FormatNumber(static_cast<double>(total), "#0.0000"));
}

}  // namespace cn3
