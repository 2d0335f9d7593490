// The seven loading conditions: 0..2 the Rule 251 districts Heavy, Medium, Light,
// 3 and 4 fixed loadings named by the catalogue, 5 and 6 the two user loadings.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cn3 {

struct LoadingRecord {
    std::string name;           // exactly 13 characters, blank-padded
    float temperature = 0.0f;   // deg F (unit kind 1)
    float iceThickness = 0.0f;  // in (kind 3)
    float windPressure = 0.0f;  // lb/ft2 (kind 7)
    float loadConstant = 0.0f;  // lb/ft (kind 8)

    bool operator==(const LoadingRecord&) const = default;
};

using LoadingTable = std::array<LoadingRecord, 7>;

// A loading name as stored: cut after 13 characters or padded with blanks to 13.
std::string LoadingName13(std::string_view name);

}  // namespace cn3
