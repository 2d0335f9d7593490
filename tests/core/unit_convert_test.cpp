#include <gtest/gtest.h>

#include "core/unit_table.h"

namespace cn3 {
namespace {

// A table with the shapes that matter: a temperature row with an offset, plain factors, and
// a row that carries an offset it must never apply.
Units unitsFor(std::uint8_t metric) {
    Units units;
    units.metricUnits = metric;
    units.table[unit::kTemperature] = {"deg F", "deg C", 0.5555556f, 32.0f};
    units.table[unit::kForce] = {"lb", "N", 4.448222f, 0.0f};
    units.table[unit::kSmallLength] = {"in", "mm", 25.4f, 0.0f};
    units.table[unit::kLength] = {"ft", "m", 0.3048f, 0.0f};
    units.table[unit::kWindPressure] = {"lb/ft2", "Pa", 47.88026f, 99.0f};
    return units;
}

TEST(unit_convert_test, english_display_leaves_every_value_unchanged) {
    const Units english = unitsFor(0);
    for (int kind : {0, unit::kTemperature, unit::kForce, unit::kLength, unit::kWindPressure}) {
        EXPECT_EQ(english.toDisplay(kind, 60.0f, "##0.#;;"), "60") << kind;
        EXPECT_EQ(english.fromInput(kind, 60.0f, "##0.#;;"), "60") << kind;
    }
}

TEST(unit_convert_test, metric_display_converts_with_the_row_factor) {
    const Units metric = unitsFor(1);
    EXPECT_EQ(metric.toDisplay(unit::kLength, 150.0f, "#,###.00 "), "45.72 ");
    EXPECT_EQ(metric.fromInput(unit::kLength, 45.72f, "####.000 "), "150.000 ");
    EXPECT_EQ(metric.toDisplay(unit::kForce, 6650.0f, "##,### "), "29,581 ");
    EXPECT_EQ(metric.toDisplay(unit::kSmallLength, 0.5f, "##0.##;;"), "12.7");
    // Any non-zero flag means metric.
    Units alsoMetric = unitsFor(7);
    EXPECT_EQ(alsoMetric.toDisplay(unit::kLength, 150.0f, "0.00"), "45.72");
}

TEST(unit_convert_test, temperature_subtracts_before_multiplying_and_divides_before_adding) {
    const Units metric = unitsFor(1);
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 212.0f, "##0.#;;"), "100");
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, -40.0f, "##0.#;;"), "-40");
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 0.0f, "##0.#;;"), "-17.8");
    EXPECT_EQ(metric.fromInput(unit::kTemperature, 100.0f, "##0.#;;"), "212");
    EXPECT_EQ(metric.fromInput(unit::kTemperature, -17.8f, "##0.#;;"), "0");
    // The wrong order would give (60 * 5/9) - 32 = 1.3 or 60 / (5/9) + 32 = 140.
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 60.0f, "##0.#;;"), "15.6");
    EXPECT_EQ(metric.fromInput(unit::kTemperature, 15.6f, "##0.#;;"), "60.1");
}

TEST(unit_convert_test, an_empty_metric_temperature_entry_becomes_the_offset) {
    const Units metric = unitsFor(1);
    EXPECT_FLOAT_EQ(metric.fromInputValue(unit::kTemperature, 0.0f, "##0.#;;"), 32.0f);
}

TEST(unit_convert_test, metric_round_trip_keeps_the_value_to_the_pattern) {
    const Units metric = unitsFor(1);
    for (float t : {-40.0f, 0.0f, 32.0f, 60.0f, 140.0f}) {
        const float shown = static_cast<float>(std::stod(metric.toDisplay(unit::kTemperature, t, "0.0000")));
        EXPECT_NEAR(metric.fromInputValue(unit::kTemperature, shown, "0.0000"), t, 0.0002f) << t;
    }
}

TEST(unit_convert_test, only_the_temperature_row_applies_an_offset) {
    const Units metric = unitsFor(1);
    EXPECT_EQ(metric.toDisplay(unit::kWindPressure, 4.0f, "##0.0"), "191.5");
    EXPECT_EQ(metric.fromInput(unit::kWindPressure, 191.52104f, "##0.00"), "4.00");
}

TEST(unit_convert_test, label_follows_the_display_system_and_ignores_value_and_pattern) {
    EXPECT_EQ(unitsFor(0).label(unit::kTemperature), "deg F");
    EXPECT_EQ(unitsFor(1).label(unit::kTemperature), "deg C");
    EXPECT_EQ(UnitConvert(unitsFor(1).table, 1, kUnitLabel, unit::kLength, 123.0f, "0.00"), "m");
}

TEST(unit_convert_test, unknown_modes_and_kinds_give_empty_text) {
    const Units metric = unitsFor(1);
    for (int mode : {0, 4, -1}) {
        EXPECT_EQ(UnitConvert(metric.table, 1, mode, unit::kLength, 5.0f, "0.00"), "") << mode;
    }
    for (int kind : {-1, 21, 1000}) {
        EXPECT_EQ(UnitConvert(metric.table, 1, kToDisplay, kind, 5.0f, "0.00"), "") << kind;
        EXPECT_EQ(UnitConvert(metric.table, 1, kUnitLabel, kind, 5.0f, "0.00"), "") << kind;
    }
}

TEST(unit_convert_test, a_row_without_factor_leaves_the_value_unconverted) {
    const Units metric = unitsFor(1);
    EXPECT_EQ(metric.fromInput(15, 12.5f, "0.00"), "12.50");
    EXPECT_EQ(metric.toDisplay(15, 12.5f, "0.00"), "12.50");
}

TEST(unit_convert_test, each_step_is_rounded_to_single_precision) {
    const Units metric = unitsFor(1);
    // 150 x 0.3048 held as a float is 45.720001220703125; in double it would be 45.7200005650.
    EXPECT_EQ(metric.toDisplay(unit::kLength, 150.0f, "0.000000000"), "45.720001221");
    // (60 - 32) x 0.5555556 as floats is 15.555556297302246.
    EXPECT_EQ(metric.toDisplay(unit::kTemperature, 60.0f, "0.000000000"), "15.555556297");
}

TEST(unit_convert_test, typed_values_carry_no_more_decimals_than_the_pattern_shows) {
    const Units english = unitsFor(0);
    EXPECT_FLOAT_EQ(english.fromInputValue(unit::kSmallLength, 0.123456f, "##0.##;;"), 0.12f);
}

}  // namespace
}  // namespace cn3
