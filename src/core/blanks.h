// Blanks around typed and file texts: blanks and TABs, as the fields and files hold them.
#pragma once

#include <string_view>

namespace cn3 {

inline constexpr std::string_view kBlanks = " \t";

// The text without the blanks at either end.
inline std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

inline bool IsBlank(std::string_view text) {
    return TrimBlanks(text).empty();
}

}  // namespace cn3
