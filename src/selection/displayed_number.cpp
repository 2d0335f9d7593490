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

bool IsWholeNumber(std::string_view text) {
    const std::string joined = WithoutThousandsGroups(text);
    std::string_view rest = joined;
    // The leading-number parse's own grammar: blanks, a sign, digits with at most one point.
    const auto blanks = [&] {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    };
    blanks();
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) rest.remove_prefix(1);
    bool digit = false, point = false;
    for (; !rest.empty(); rest.remove_prefix(1)) {
        if (isDigit(rest, 0)) {
            digit = true;
        } else if (rest.front() == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    blanks();
    return digit && rest.empty();
}

}  // namespace cn3
