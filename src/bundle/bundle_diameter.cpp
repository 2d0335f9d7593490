#include "bundle/bundle_diameter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "bundle/layout_bundle.h"
#include "core/blanks.h"
#include "core/number_format.h"
#include "core/pi.h"

namespace cn3 {

namespace {

constexpr std::string_view kDiameterPattern = "##0.000";
constexpr int kDiameterColumn = 2;
constexpr std::string_view kTooManyMessage =
    "Too many cables for bundle calculation - enter manual value";
constexpr std::string_view kTooManyManualValue = "9.999";

std::int16_t rowNumber(std::string_view text) {
    const double n = std::round(LeadingNumber(text));
    return static_cast<std::int16_t>(std::clamp(n, double{std::numeric_limits<std::int16_t>::min()},
                                                double{std::numeric_limits<std::int16_t>::max()}));
}

// The cable's diameter in inches, rounded to 3 decimals as typed values are. An empty cell
// (a zero diameter is shown empty) reads 0; so does anything that is not a size.
float diameterOf(const Program& program, std::string_view cell) {
    const float shown = static_cast<float>(LeadingNumber(cell));
    const float inches = program.units.fromInputValue(unit::kSmallLength, shown, kDiameterPattern);
    return std::isfinite(inches) && inches > 0.0f ? inches : 0.0f;
}

// The bundle cannot be laid out: ask for a manual value instead. Putting it into Text5 makes
// the bundle row show it, and the plot of a layout that does not exist is not offered.
void refuseTooMany(Program& program) {
    program.dialogs->message(kTooManyMessage);
    program.main.Text5.setText(std::string(kTooManyManualValue));
    program.placeholderDiameter = true;  // after the entry's change event, which clears it
    program.main.Command3.setEnabled(false);
}

}  // namespace

void ComputeBundleDiameter(Program& program) {
    ui::Grid& grid = program.main.Grid2;
    BundleLayout& layout = program.bundle;
    const int bundleRow = grid.rows() - 1;
    const int cables = std::max(grid.rows() - 2, 0);
    if (cables > kMaxBundleCables) {
        // Checked before anything is read, so the table is never written beyond its records.
        refuseTooMany(program);
        return;
    }

    layout.lastCircle = -1;
    layout[0].r = 0.0f;
    for (int row = 1; row <= cables; ++row) {
        BundleCircle& circle = layout[++layout.lastCircle];
        circle.id = rowNumber(grid.text(row, 0));
        circle.r = diameterOf(program, grid.text(row, kDiameterColumn));
    }

    if (LayoutBundle(layout, program.random, kPi) == LayoutOutcome::TooMany) {
        refuseTooMany(program);
        return;
    }

    // The selection fits again: the placeholder was the program's own, so it goes.
    if (program.placeholderDiameter) {
        program.placeholderDiameter = false;
        program.main.Text5.setText("");
    }
    // A diameter typed by hand stands; the selection code shows it in the bundle row.
    if (!IsBlank(program.main.Text5.text()) || bundleRow < 1) return;
    const float diameter = layout[layout.lastCircle + 1].r;
    grid.setText(bundleRow, kDiameterColumn,
                 program.units.toDisplay(unit::kSmallLength, diameter, kDiameterPattern));
    program.main.Command3.setEnabled(true);
}

}  // namespace cn3
