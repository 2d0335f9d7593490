#include <gtest/gtest.h>

#include "core/unit_table.h"

namespace cn3 {
namespace {

// A temperature row with an offset, plain factors, and a row whose offset must never apply.
Units unitsFor(std::uint8_t metric) {
    Units units;
    units.metricUnits = metric;
    units.table[unit::kTemperature] = {"deg F", "deg C", 0.5555556f, 32.0f};
    units.table[unit::kForce] = {"lb", "N", 4.448222f, 0.0f};
    units.table[unit::kLength] = {"ft", "m", 0.3048f, 0.0f};
    units.table[unit::kWindPressure] = {"lb/ft2", "Pa", 47.88026f, 99.0f};
    return units;
}

TEST(unit_convert_test, english_display_leaves_every_value_unchanged) {
    const Units english = unitsFor(0);
    for (int kind : {0, unit::kTemperature, unit::kForce, unit::kWindPressure}) {
        EXPECT_EQ(english.toDisplay(kind, 60.0f, "##0.#;;"), "60") << kind;
        EXPECT_EQ(english.fromInput(kind, 60.0f, "##0.#;;"), "60") << kind;
    }
    EXPECT_EQ(english.label(unit::kTemperature), "deg F");
}

TEST(unit_convert_test, metric_display_converts_and_only_temperature_takes_the_offset) {
    const Units metric = unitsFor(1);
    EXPECT_EQ(metric.label(unit::kTemperature), "deg C");
    EXPECT_EQ(metric.toDisplay(unit::kLength, 150.0f, "#,###.00 "), "45.72 ");
    EXPECT_EQ(metric.fromInput(unit::kLength, 45.72f, "####.000 "), "150.000 ");
    EXPECT_EQ(metric.toDisplay(unit::kForce, 6650.0f, "##,### "), "29,581 ");
    EXPECT_EQ(metric.toDisplay(unit::kWindPressure, 4.0f, "##0.0"), "191.5");
    EXPECT_EQ(unitsFor(7).toDisplay(unit::kLength, 150.0f, "0.00"), "45.72");  // any non-zero flag
    // Out: subtract then multiply; in: divide then add. The other orders give 1.3 and 140.
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 60.0f, "##0.#;;"), "15.6");
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, -40.0f, "##0.#;;"), "-40");
    EXPECT_EQ(metric.fromInput(unit::kTemperature, 15.6f, "##0.#;;"), "60.1");
    EXPECT_FLOAT_EQ(metric.fromInputValue(unit::kTemperature, 0.0f, "##0.#;;"), 32.0f);
}

TEST(unit_convert_test, each_step_is_rounded_to_single_precision_and_to_the_pattern) {
    const Units metric = unitsFor(1);
    // 150 x 0.3048 held as a float is 45.720001220703125; a double product is 45.7200005650.
    EXPECT_EQ(metric.toDisplay(unit::kLength, 150.0f, "0.000000000"), "45.720001221");
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 60.0f, "0.000000000"), "15.555556297");
    EXPECT_FLOAT_EQ(unitsFor(0).fromInputValue(unit::kLength, 0.123456f, "##0.##;;"), 0.12f);
}

TEST(unit_convert_test, unknown_modes_kinds_and_empty_rows) {
    const Units metric = unitsFor(1);
    for (int mode : {0, 4, -1})
        EXPECT_EQ(UnitConvert(metric.table, 1, mode, 4, 5.0f, "0"), "") << mode;
    for (int kind : {-1, 21}) {
        EXPECT_EQ(UnitConvert(metric.table, 1, kToDisplay, kind, 5.0f, "0"), "") << kind;
        EXPECT_EQ(UnitConvert(metric.table, 1, kUnitLabel, kind, 5.0f, "0"), "") << kind;
    }
    // A row without a factor leaves the value as it is instead of dividing by zero.
    EXPECT_EQ(metric.fromInput(15, 12.5f, "0.00"), "12.50");
}

}  // namespace
}  // namespace cn3
