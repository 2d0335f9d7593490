#include "engine/selected_cables.h"

#include <string_view>

#include "core/bundle_cell.h"
#include "core/number_format.h"

namespace cn3 {

namespace {
constexpr int kNameColumn = 1;
constexpr int kDiameterColumn = 2;
}  // namespace

std::vector<std::string> SelectedCableNames(const MainForm& main) {
    std::vector<std::string> names;
    const int bundleRow = main.Grid2.rows() - 1;
    for (int row = 1; row < bundleRow; ++row) names.push_back(main.Grid2.text(row, kNameColumn));
    return names;
}

float OverallDiameter(const Program& program) {
    const auto& grid = program.main.Grid2;
    if (grid.rows() < 1) return 0.0f;
    const std::string_view text = DiameterCellNumber(grid.text(grid.rows() - 1, kDiameterColumn));
    return program.units.fromInputValue(unit::kSmallLength, static_cast<float>(LeadingNumber(text)),
                                        "###.000");
}

}  // namespace cn3
