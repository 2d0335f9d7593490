#include <gtest/gtest.h>

#include "core/unit_table.h"

namespace cn3::test {

// Kinds: 1 temperature with an offset, 2 force and 4 length with plain factors, 7 a row whose
// offset must never apply, 15 a row without a factor (the value stays as it is).
// Out: subtract then multiply; in: divide then add (the other orders give 1.3 and 140). Each
// step is a float: 150 x 0.3048 held as a float is 45.720001220703125, as a double 45.72000056.
TEST(unit_convert_test, english_keeps_values_metric_converts_and_only_temperature_has_an_offset) {
    UnitTable t{};
    t[unit::kTemperature] = {"deg F", "deg C", 0.5555556f, 32.0f};
    t[unit::kForce] = {"lb", "N", 4.448222f, 0.0f};
    t[unit::kLength] = {"ft", "m", 0.3048f, 0.0f};
    t[unit::kWindPressure] = {"lb/ft2", "Pa", 47.88026f, 99.0f};
    constexpr int L = kUnitLabel, D = kToDisplay, I = kFromInput;
    // clang-format off
    const struct { const char* what; std::uint8_t metric; int mode, kind; float value;
                   const char *pattern, *text; }
    rows[] = {  // name, metric flag, mode, kind, value, pattern, text
        {"English temperature shown", 0, D, 1, 60, "0", "60"},
        {"English temperature typed", 0, I, 1, 60, "0", "60"},
        {"English force shown", 0, D, 2, 60, "0", "60"},
        {"English wind pressure shown", 0, D, 7, 60, "0", "60"},
        {"English wind pressure typed", 0, I, 7, 60, "0", "60"},
        {"English temperature label", 0, L, 1, 0, "", "deg F"},
        {"metric temperature label", 1, L, 1, 0, "", "deg C"},
        {"metric length shown", 1, D, 4, 150, "#,###.00 ", "45.72 "},
        {"any non-zero flag is metric", 7, D, 4, 150, "0.00", "45.72"},
        {"metric length typed", 1, I, 4, 45.72f, "####.000 ", "150.000 "},
        {"metric force shown", 1, D, 2, 6650, "##,### ", "29,581 "},
        {"metric wind pressure, no offset", 1, D, 7, 4, "##0.0", "191.5"},
        {"metric wind pressure typed, no offset", 1, I, 7, 191.5f, "##0.0", "4.0"},
        {"metric temperature shown", 1, D, 1, 60, "##0.#;;", "15.6"},
        {"-40 F shown as -40 C", 1, D, 1, -40, "##0.#;;", "-40"},
        {"metric temperature typed", 1, I, 1, 15.6f, "##0.#;;", "60.1"},
        {"0 C typed", 1, I, 1, 0, "##0.#;;", "32"},
        {"length in single precision", 1, D, 4, 150, "0.000000000", "45.720001221"},
        {"temperature in single precision", 1, D, 1, 60, "0.000000000", "15.555556297"},
        // a row without a factor; then unknown modes and kinds, which give no text
        {"row without a factor", 1, I, 15, 12.5f, "0.00", "12.50"},
        {"mode 0", 1, 0, 4, 5, "0", ""}, {"mode 4", 1, 4, 4, 5, "0", ""},
        {"mode -1", 1, -1, 4, 5, "0", ""}, {"kind -1 shown", 1, D, -1, 5, "0", ""},
        {"kind 21 shown", 1, D, 21, 5, "0", ""}, {"label of kind -1", 1, L, -1, 5, "0", ""},
        {"label of kind 21", 1, L, 21, 5, "0", ""}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(UnitConvert(t, r.metric, r.mode, r.kind, r.value, r.pattern), r.text) << r.what;
    // The typed value enters rounded to the pattern.
    EXPECT_FLOAT_EQ((Units{t, 0}.fromInputValue(unit::kLength, 0.123456f, "##0.##;;")), 0.12f);
}

}  // namespace cn3::test
