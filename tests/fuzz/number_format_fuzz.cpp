// Number patterns and the leading-number parse: a value (as 8 raw bytes, so NaN, infinities
// and subnormals come too) formatted with a fuzzed pattern, and the rest read as typed text.
// A plain pattern of digit positions must give text that reads back as the rounded value.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/number_format.h"
#include "core/unit_table.h"
#include "fuzz_support.h"

using namespace cn3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes bytes(data, size);
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | bytes.byte();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    const std::string pattern = bytes.text(64);
    const std::string typed(bytes.rest());

    const std::string shown = FormatNumber(value, pattern);
    (void)LeadingNumber(typed);
    (void)LeadingNumber(shown);

    // Without grouping or text, "0.00" shows the value to two decimals.
    if (std::isfinite(value) && std::fabs(value) < 1e12) {
        const double back = LeadingNumber(FormatNumber(value, "0.00"));
        fuzz::Check(std::fabs(back - value) <= 0.005 + 1e-9 * std::fabs(value),
                    "\"0.00\" reads back within half a hundredth");
    }

    UnitTable table{};
    table[1] = {"deg F", "deg C", 0.5555556f, 32.0f};
    table[4] = {"ft", "m", 0.3048f, 0.0f};
    const auto single = static_cast<float>(value);
    for (int mode = 1; mode <= 3; ++mode) {
        (void)UnitConvert(table, 1, mode, 1, single, pattern);
        (void)UnitConvert(table, 1, mode, 4, single, pattern);
    }
    return 0;
}
