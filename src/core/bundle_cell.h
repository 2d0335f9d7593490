// The bundle row's diameter cell of the selected-cables grid: a computed diameter, or
// "Ovr ", then a diameter typed by hand, in display units ("Ovr 1.250"). The writer of the
// cell, the computation and the span file's capture read it through these two.
#pragma once

#include <string_view>

#include "core/blanks.h"

namespace cn3 {

inline constexpr std::string_view kTypedDiameterPrefix = "Ovr ";

// True for a diameter typed by hand.
inline bool IsTypedDiameterCell(std::string_view cell) {
    return TrimBlanks(cell).starts_with(kTypedDiameterPrefix.substr(0, 3));
}

// The cell's number text, without the blanks at its ends: after "Ovr" and one separating
// character when the diameter was typed by hand. "Ovr 1.250" gives "1.250".
inline std::string_view DiameterCellNumber(std::string_view cell) {
    std::string_view text = TrimBlanks(cell);
    if (IsTypedDiameterCell(text))
        text = text.size() > kTypedDiameterPrefix.size() ? text.substr(kTypedDiameterPrefix.size())
                                                         : std::string_view{};
    return TrimBlanks(text);
}

}  // namespace cn3
