// The results of the five loading conditions, kept between runs for the results table and the
// report. Row 0 holds each column's unit kind (whole part); rows 1..5 the conditions.
// Columns: 0 temperature, 1 ice load, 2 wind pressure, 3 resultant load + constant, 4 sag,
// 5 tension, 6 % length change, 7 sag at the point of interest, 8 horizontal and 9 vertical
// sag component, 10 vector angle (deg), 11 ice thickness, 12 load constant, 18 and 19 the
// ice-thickness and wind numbers shown in the loading window.
#pragma once

#include <array>
#include <string>

namespace cn3 {

struct LoadingResults {
    std::array<std::array<float, 20>, 6> values{};
    std::array<std::string, 21> formats{};  // number pattern of each column

    float& at(int row, int col) {
        return values.at(static_cast<size_t>(row)).at(static_cast<size_t>(col));
    }
    float at(int row, int col) const {
        return values.at(static_cast<size_t>(row)).at(static_cast<size_t>(col));
    }
};

}  // namespace cn3
