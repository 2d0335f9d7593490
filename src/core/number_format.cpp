#include "core/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/split_fields.h"

namespace cn3 {
namespace {

bool isDigitPosition(char c) {
    return c == '0' || c == '#';
}

// Splits a pattern at ";" into at most three sections (a fourth ";" is kept as text).
std::array<std::string_view, 3> splitSections(std::string_view pattern, int& count) {
    std::array<std::string_view, 3> sections{};
    const auto pieces = ui::SplitFields(pattern, ";", sections.size());
    count = static_cast<int>(pieces.size());
    std::copy(pieces.begin(), pieces.end(), sections.begin());
    return sections;
}

// The digits of |value| rounded to `decimals` places, halves away from zero.
// Printing 30 extra places with to_chars is exact for every double that can be a tie (a tie
// at place n needs no more than n + 1 places) and keeps any deviation from a tie visible,
// because a double differs from a tie by at least 2^-53 of its size.
struct RoundedDigits {
    std::string integer;   // no leading zeros; empty when the integer part is 0
    std::string fraction;  // exactly `decimals` digits
};

RoundedDigits roundAbs(double value, int decimals) {
    const double magnitude = std::fabs(value);
    const int precision = decimals + 30;
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 330);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, precision);
    std::string text(buffer.data(), result.ptr);
    const std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    const bool roundUp = static_cast<int>(fraction.size()) > decimals && fraction[decimals] >= '5';
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    std::string digits = integer + fraction;
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
        }
    }
    RoundedDigits rounded;
    rounded.integer = digits.substr(0, digits.size() - fraction.size());
    rounded.fraction = digits.substr(digits.size() - fraction.size());
    const std::size_t firstSignificant = rounded.integer.find_first_not_of('0');
    rounded.integer = firstSignificant == std::string::npos
                          ? std::string()
                          : rounded.integer.substr(firstSignificant);
    return rounded;
}

// Formats |value| with one section: digit positions, grouping, decimal point, literal text.
std::string formatSection(double value, std::string_view section, bool& showsOnlyZeros) {
    const std::size_t point = section.find('.');
    const std::string_view integerPart = section.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view() : section.substr(point + 1);

    int decimals = 0;
    bool fractionHasZero = false;
    for (char c : fractionPart) {
        if (isDigitPosition(c)) ++decimals;
        if (c == '0') fractionHasZero = true;
    }
    // A "," groups only when digit positions stand on both sides of it.
    const std::size_t firstDigit = integerPart.find_first_of("0#");
    const std::size_t lastDigit = integerPart.find_last_of("0#");
    bool grouping = false;
    int integerPositions = 0;
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (isDigitPosition(integerPart[i])) ++integerPositions;
        if (integerPart[i] == ',' && firstDigit != std::string_view::npos && i > firstDigit &&
            i < lastDigit) {
            grouping = true;
        }
    }

    const RoundedDigits digits = roundAbs(value, decimals);
    showsOnlyZeros =
        digits.integer.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;

    // Integer part, filled from the right; digits beyond the positions go to the leftmost one.
    std::string integerOut;
    int taken = 0;  // digits emitted so far, counted from the right, for grouping
    auto emitDigit = [&](char d) {
        if (grouping && taken > 0 && taken % 3 == 0) integerOut.insert(integerOut.begin(), ',');
        integerOut.insert(integerOut.begin(), d);
        ++taken;
    };
    int remaining = static_cast<int>(digits.integer.size());
    int positionsLeft = integerPositions;
    for (std::size_t i = integerPart.size(); i-- > 0;) {
        const char c = integerPart[i];
        if (isDigitPosition(c)) {
            --positionsLeft;
            if (remaining > 0) {
                emitDigit(digits.integer[--remaining]);
            } else if (c == '0') {
                emitDigit('0');
            }
            if (positionsLeft == 0) {
                while (remaining > 0) emitDigit(digits.integer[--remaining]);
            }
        } else if (c == ',' && grouping && i > firstDigit && i < lastDigit) {
            // A grouping mark prints nothing; a "," outside the digit positions is text.
        } else {
            integerOut.insert(integerOut.begin(), c);
        }
    }
    if (integerPositions == 0) {
        // A pattern without integer positions still shows the integer digits, after its text.
        std::string prefix;
        for (char d : digits.integer) prefix += d;
        integerOut += prefix;
    }

    if (point == std::string_view::npos) return integerOut;

    // Fraction: "0" always shows its digit; "#" shows it only when a significant digit
    // follows at or after it.
    int lastShown = -1;
    {
        int k = 0;
        for (char c : fractionPart) {
            if (!isDigitPosition(c)) continue;
            if (c == '0' || digits.fraction[k] != '0') lastShown = k;
            ++k;
        }
    }
    std::string fractionOut;
    int k = 0;
    for (char c : fractionPart) {
        if (isDigitPosition(c)) {
            if (k <= lastShown) fractionOut += digits.fraction[k];
            ++k;
        } else {
            fractionOut += c;
        }
    }
    const bool showPoint = fractionHasZero || lastShown >= 0;
    return integerOut + (showPoint ? "." : "") + fractionOut;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";

    int count = 0;
    const auto sections = splitSections(pattern, count);
    const bool negative = value < 0;
    std::string_view section = sections[0];
    bool ownSign = false;  // the negative section writes its own sign, if any
    if (negative && count >= 2 && !sections[1].empty()) {
        section = sections[1];
        ownSign = true;
    } else if (value == 0 && count >= 3 && !sections[2].empty()) {
        section = sections[2];
    }
    bool showsOnlyZeros = false;
    std::string text = formatSection(value, section, showsOnlyZeros);
    // A negative value that rounds to nothing but zeros shows no minus sign ("-0.0" helps nobody).
    if (negative && !ownSign && !showsOnlyZeros) text.insert(text.begin(), '-');
    return text;
}

namespace {

struct NumberRead {
    double value = 0.0;
    std::size_t end = 0;  // after the number's last character; 0 without a number
};

NumberRead ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return {};
    std::string_view number = text.substr(start, i - start);
    const bool minus = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return {minus && value != 0.0 ? -value : value, i};
}

NumberRead ReadLeadingGroupedNumber(std::string_view text) {
    const auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t first = i;
    while (digit(i) && i - first < 4) ++i;
    if (i == first || i - first > 3 || text[first] == '0') return ReadLeadingNumber(text);
    int groups = 0;
    while (i < text.size() && text[i] == ',' && digit(i + 1) && digit(i + 2) && digit(i + 3)) {
        i += 4;
        ++groups;
    }
    const bool more = digit(i) || (i < text.size() && text[i] == ',' && digit(i + 1));
    if (groups == 0 || more) return ReadLeadingNumber(text);
    std::string joined(text.substr(0, i));
    std::erase(joined, ',');
    joined += text.substr(i);
    NumberRead read = ReadLeadingNumber(joined);
    read.end += static_cast<std::size_t>(groups);  // the group marks stand before its end
    return read;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    return ReadLeadingNumber(text).value;
}

double LeadingGroupedNumber(std::string_view text) {
    return ReadLeadingGroupedNumber(text).value;
}

std::size_t LeadingNumberEnd(std::string_view text) {
    return ReadLeadingNumber(text).end;
}

std::size_t LeadingGroupedNumberEnd(std::string_view text) {
    return ReadLeadingGroupedNumber(text).end;
}

std::string FormatDateMmDdYy(int year, int month, int day) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d", month % 100, day % 100,
                  ((year % 100) + 100) % 100);
    return buffer;
}

}  // namespace cn3
