#include "selection/displayed_number.h"

#include <cctype>

#include "core/number_format.h"

namespace cn3 {

namespace {
bool isDigit(std::string_view text, size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
}
}  // namespace

std::string WithoutThousandsGroups(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool groupComma = text[i] == ',' && i > 0 && isDigit(text, i - 1) &&
                                isDigit(text, i + 1) && isDigit(text, i + 2) &&
                                isDigit(text, i + 3) && !isDigit(text, i + 4);
        if (!groupComma) joined.push_back(text[i]);
    }
    return joined;
}

double DisplayedNumber(std::string_view text) {
    return LeadingNumber(WithoutThousandsGroups(text));
}

}  // namespace cn3
