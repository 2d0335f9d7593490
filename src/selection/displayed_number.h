// Numbers in the form the number patterns show them, read back and stored.
//
// The leading-number parse stops at the first comma, so "6,000" reads 6. A value that went
// through a pattern with thousands groups ("#,###,##0") must lose its group commas before it
// is read or kept as a table field, or it would come back a thousand times too small.
// Only a comma between a digit and exactly three digits is a group comma: "0,5" keeps its
// comma and still reads 0.
#pragma once

#include <string>
#include <string_view>

namespace cn3 {

std::string WithoutThousandsGroups(std::string_view text);

// The leading number of the text with its thousands groups read whole.
double DisplayedNumber(std::string_view text);

// True when the whole text, blanks around it aside, is the number DisplayedNumber reads:
// "1,250", " .5 " and "-3." are; "abc", "", "16x5", "1e3" and "0,5" are not.
bool IsWholeNumber(std::string_view text);

}  // namespace cn3
