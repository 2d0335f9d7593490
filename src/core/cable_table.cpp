#include "core/cable_table.h"

#include <algorithm>

#include "core/number_format.h"

namespace cn3 {

std::optional<int> CableTable::find(std::string_view name) const {
    const int last = std::min<int>(lastCableRow, kCableRows - 1);
    for (int row = 1; row <= last; ++row) {
        if (rows[static_cast<std::size_t>(row)][field::kName] == name) return row;
    }
    return std::nullopt;
}

double CableTable::number(int row, int field) const {
    if (row < 0 || row >= kCableRows || field < 0 || field >= kCableFields) return 0.0;
    return LeadingNumber(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(field)]);
}

}  // namespace cn3
