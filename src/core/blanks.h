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

// Without the space characters at either end (a TAB stays): the fill of fixed-width labels.
inline std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Without the space characters at its end: "Heavy        " gives "Heavy".
inline std::string TrimEndSpaces(std::string_view text) {
    return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

inline bool IsBlank(std::string_view text) {
    return TrimBlanks(text).empty();
}

}  // namespace cn3
