// The cable table: 11 text fields by 201 rows, numbers kept as text in internal units.
// Row 0 holds the catalogue grid headings, rows 1..n the catalogue cable lines, then the
// "User Defined" separator row, then the user-defined cables up to lastCableRow.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

namespace field {
inline constexpr int kName = 0;
inline constexpr int kFirstNumeric = 1;
inline constexpr int kDiameter = 3;
inline constexpr int kThermalCoefficient = 4;
inline constexpr int kWeightPerLength = 5;
inline constexpr int kAxialStiffness = 6;
inline constexpr int kRatedBreakingStrength = 7;
inline constexpr int kKindCode = 10;
}  // namespace field

inline constexpr int kCableFields = 11;
inline constexpr int kCableRows = 201;  // rows 0..200

using CableRecord = std::array<std::string, kCableFields>;

// The line break inside grid headings, results texts and composed prompts: LF then CR.
inline constexpr std::string_view kHeaderBreak = "\n\r";

struct CableTable {
    std::array<CableRecord, kCableRows> rows{};
    std::int16_t userSeparatorRow = 1;
    std::int16_t lastCableRow = 1;
    // Lines of the user-cables file that are no row (the table was full, or the line names no
    // cable), as read, in file order. Saving writes them back after the rows, unchanged.
    std::vector<std::string> keptUserLines;

    // First row 1..lastCableRow whose name equals `name` exactly.
    std::optional<int> find(std::string_view name) const;
    // Leading number of a field, as the computation reads it.
    double number(int row, int field) const;
};

}  // namespace cn3
