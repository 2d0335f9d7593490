// Reads a number back from a text the program showed or the user typed in the same form.
// Like the leading-number parse, except that thousands groups written the way the number
// patterns write them are read whole: "6,000" is 6000, where the plain parse stops at the
// comma and gives 6. A comma not followed by exactly three digits ends the number as usual,
// so "0,5" still reads 0.
#pragma once

#include <string_view>

namespace cn3 {

double DisplayedNumber(std::string_view text);

}  // namespace cn3
