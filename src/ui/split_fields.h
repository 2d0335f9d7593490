// The one field splitter of the program: grid items at TAB, user-cable lines at TAB, saved
// user loadings at ",", drawn headings at "|", number patterns at ";", texts at the LF CR
// line break. It sits in the lowest layer so that every folder can use it.
#pragma once

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

namespace cn3::ui {

// The pieces of `text` between separators: n separators give n + 1 pieces, so "a,,b" gives
// "a", "" and "b", and "" gives one empty piece. With `maxPieces`, the last piece keeps the
// rest of the text, separators and all: "a;b;c;d" at most 3 gives "a", "b" and "c;d".
inline std::vector<std::string_view> SplitFields(
    std::string_view text, std::string_view separator,
    std::size_t maxPieces = std::numeric_limits<std::size_t>::max()) {
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < maxPieces && !separator.empty()) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) break;
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    pieces.push_back(text);
    return pieces;
}

}  // namespace cn3::ui
