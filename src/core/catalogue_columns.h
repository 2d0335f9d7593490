// The fixed columns of the catalogue's heading and cable lines. Column 0 starts at the
// first character; columns 1 to 7 start at the "(" marks of the English unit heading row,
// each found after the start of the column before; column 7 runs to the end of each line.
// Positions are 1-based character positions of the 8-bit line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cn3 {

inline constexpr int kCatalogueColumns = 8;

using ColumnStarts = std::array<int, kCatalogueColumns>;

// Nothing when the row holds fewer than seven "(" after its first character.
std::optional<ColumnStarts> FindColumnStarts(std::string_view unitRow);

// Column i of a heading line, blanks around it removed (empty past the line's end).
std::string CutHeadingColumn(std::string_view line, const ColumnStarts& starts, int column);

// Column i of a cable line, as a heading column, except that a column starting at or after
// the line's last character stays empty.
std::string CutCableColumn(std::string_view line, const ColumnStarts& starts, int column);

}  // namespace cn3
