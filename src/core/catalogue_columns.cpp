#include "core/catalogue_columns.h"

#include <cstddef>

#include "core/blanks.h"

namespace cn3 {

std::optional<ColumnStarts> FindColumnStarts(std::string_view unitRow) {
    ColumnStarts starts{};
    starts[0] = 1;
    for (int i = 1; i < kCatalogueColumns; ++i) {
        // Search from 1-based position starts[i-1] + 1, which is 0-based index starts[i-1].
        const std::size_t found = unitRow.find('(', static_cast<std::size_t>(starts[i - 1]));
        if (found == std::string_view::npos) return std::nullopt;
        starts[i] = static_cast<int>(found) + 1;
    }
    return starts;
}

std::string CutHeadingColumn(std::string_view line, const ColumnStarts& starts, int column) {
    const int length = static_cast<int>(line.size());
    const int start = starts[static_cast<std::size_t>(column)];
    if (start > length) return {};
    const int end =
        column + 1 < kCatalogueColumns ? starts[static_cast<std::size_t>(column) + 1] : length + 1;
    if (end <= start) return {};
    return std::string(TrimBlanks(
        line.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(end - start))));
}

std::string CutCableColumn(std::string_view line, const ColumnStarts& starts, int column) {
    if (starts[static_cast<std::size_t>(column)] >= static_cast<int>(line.size())) return {};
    return CutHeadingColumn(line, starts, column);
}

}  // namespace cn3
