#include "selection/manual_bundle_diameter.h"

#include <string>
#include <string_view>

#include "bundle/bundle_diameter.h"
#include "core/blanks.h"
#include "core/bundle_cell.h"
#include "core/number_format.h"
#include "selection/selection.h"

namespace cn3 {

bool ShowManualBundleDiameter(Program& program) {
    const std::string_view typed = TrimBlanks(program.main.Text5.text());
    if (typed.empty()) return false;
    ui::Grid& selected = program.main.Grid2;
    if (selected.rows() < 2) return true;
    // The typed number is already in display units; the cell keeps display units too.
    std::string cell(kTypedDiameterPrefix);
    cell += FormatNumber(LeadingNumber(typed), "##0.000");
    selected.setText(selected.rows() - 1, 2, std::move(cell));
    return true;
}

void UpdateBundleDiameter(Program& program) {
    ComputeBundleDiameter(program);
    ShowManualBundleDiameter(program);
}

void Text5_Change(Program& program) {
    const bool empty = TrimBlanks(program.main.Text5.text()).empty();
    program.main.Command3.setEnabled(empty);
    if (empty) {
        // Drop the manual value first: the computation writes the cell only when it succeeds.
        ui::Grid& selected = program.main.Grid2;
        if (selected.rows() >= 2) selected.setText(selected.rows() - 1, 2, "");
        ComputeBundleDiameter(program);
    } else {
        ShowManualBundleDiameter(program);
    }
}

}  // namespace cn3
