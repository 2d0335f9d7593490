// Number patterns and the leading-number parse: the one place where a number becomes
// shown text and where typed text becomes a number.
//
// Pattern rules (one rule set for the program's own patterns and the catalogue's):
//  - "0" is a digit position that always shows a digit, "#" one that shows only a
//    significant digit; "." is the decimal point and the count of "0"/"#" after it is the
//    number of decimals the value is rounded to.
//  - A "," between integer digit positions groups the integer part in thousands.
//  - Any other character is copied unchanged ("#,###.00 " keeps its trailing blank).
//  - ";" separates up to three sections: positive, negative, zero. An empty or missing
//    section falls back to the first; a negative value formatted by the first section keeps
//    its minus sign.
//  - A value exactly halfway between two shown decimals rounds away from zero, judged on
//    the exact binary value of the double (so 0.125 -> "0.13", but 1.005 -> "1.00" because
//    1.005 is stored just below the half).
//  - A pattern whose fraction positions are all "#" prints no decimal point when no
//    fraction digit shows: FormatNumber(5, "##0.#;;") is "5", not "5.".
#pragma once

#include <string>
#include <string_view>

namespace cn3 {

std::string FormatNumber(double value, std::string_view pattern);

// Reads the number at the start of a text: leading blanks, an optional sign, digits and at
// most one decimal point, up to the first other character. "1,250" reads 1, "1e3" reads 1,
// "" and "abc" read 0.
double LeadingNumber(std::string_view text);

// The leading number of a typed entry, whose integer part may be written in thousands groups
// as the patterns write it: "1,500" and "1,500.25 ft" read 1500 and 1500.25. Only whole groups
// count: one to three digits not starting with 0, then one or more "," and three digits, with
// no digit or further "," and digit after them. Any other text reads as LeadingNumber does:
// "1,50" and "1,5000" read 1, "0,500" reads 0.
double LeadingGroupedNumber(std::string_view text);

// Where the number that LeadingNumber / LeadingGroupedNumber reads ends in the text: the index
// after its last character, or 0 when the text holds no number. "16x5" gives 2.
std::size_t LeadingNumberEnd(std::string_view text);
std::size_t LeadingGroupedNumberEnd(std::string_view text);

// Today's date (or any date) in the date pattern "mm/dd/yy".
std::string FormatDateMmDdYy(int year, int month, int day);

}  // namespace cn3
