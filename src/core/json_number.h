// Numbers for the JSON files and outputs, which nlohmann-json writes: a single-precision value
// goes in through its shortest decimal, so that 11.4f is written 11.4 and not the double
// 11.3999996185303 it widens to, and reads back as the same float.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace cn3 {

// The JSON value of a float: an integer when the shortest decimal is whole, else the double
// of that decimal; null when the float is not a finite number.
nlohmann::ordered_json JsonFloat(float value);

// The shortest decimal that reads back as the same float ("150", "0.1", "6.4e-06").
std::string ShortestDecimal(float value);

}  // namespace cn3
