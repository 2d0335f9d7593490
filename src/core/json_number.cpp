#include "core/json_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace cn3 {

std::string ShortestDecimal(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end.ptr);
}

nlohmann::ordered_json JsonFloat(float value) {
    if (!std::isfinite(value)) return nullptr;
    const std::string text = ShortestDecimal(value);
    // Whole values stay integers ("150", not "150.0"); 2^53 keeps them exact.
    if (value == std::trunc(value) && std::fabs(value) < 9007199254740992.0f)
        return static_cast<std::int64_t>(value);
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace cn3
