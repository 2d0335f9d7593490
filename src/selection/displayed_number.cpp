#include "selection/displayed_number.h"

#include <cctype>
#include <string>

#include "core/number_format.h"

namespace cn3 {

namespace {
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
}  // namespace

double DisplayedNumber(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // A grouping comma sits after a digit and before exactly three digits.
        const bool grouping = c == ',' && i > 0 && isDigit(text[i - 1]) && i + 3 < text.size() &&
                              isDigit(text[i + 1]) && isDigit(text[i + 2]) &&
                              isDigit(text[i + 3]) &&
                              (i + 4 == text.size() || !isDigit(text[i + 4]));
        if (!grouping) joined.push_back(c);
    }
    return LeadingNumber(joined);
}

}  // namespace cn3
