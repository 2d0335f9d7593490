#include "core/number_format.h"

#include <gtest/gtest.h>

#include <tuple>

namespace cn3::test {

// Ties: 0.05 is stored just above the half; 1.005, 9.995 and 0.15 just below, so they round
// down. A negative that rounds to nothing but zeros shows no minus sign.
TEST(number_format_test, patterns_grouping_ties_fraction_hashes_and_sections) {
    // clang-format off
    const std::tuple<double, const char*, const char*> cases[] = {  // value, pattern, text
        // every pattern the program uses
        {60, "##0.#;;", "60"}, {-17.77778, "##0.#;;", "-17.8"}, {0.25, "##0.##;;", "0.25"},
        {15.6, "###0.#;;", "15.6"}, {-40, "##.0", "-40.0"}, {1234.5, "#,###.00 ", "1,234.50 "},
        {45.72, "####.000 ", "45.720 "}, {1.004, "##.00 ", "1.00 "}, {2345.4, "##,### ", "2,345 "},
        {-0.0123, "#0.00", "-0.01"}, {0.3521, "#0.0000", "0.3521"}, {0.57, "##0.000", "0.570"},
        {0.57, "###.000", ".570"}, {14.25, "###.0", "14.3"}, {0.0000064, "0.0000000", "0.0000064"},
        {0.3125, "##0.0###", "0.3125"}, {5, "0.00 ft", "5.00 ft"}, {1234, "$#,##0", "$1,234"},
        // grouping and digits beyond the positions
        {999, "#,##0", "999"}, {-1234567, "#,##0", "-1,234,567"}, {12, "0,000", "0,012"},
        {999.995, "#,###.00", "1,000.00"}, {123.456, "##.00 ", "123.46 "}, {12.5, ".00", "12.50"},
        // a "," outside the digit positions is text, also when another one groups
        {1234, "#,##0,", "1,234,"}, {1234, ",#,##0", ",1,234"}, {1234, "#,##0.00,", "1,234.00,"},
        // exact halves round away from zero, judged on the stored value
        {0.5, "0", "1"}, {2.5, "0", "3"}, {-2.5, "0", "-3"}, {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"}, {0.05, "##0.#;;", "0.1"}, {1.005, "0.00", "1.00"},
        {9.995, "0.00", "9.99"}, {0.15, "0.0", "0.1"},
        // fraction hashes, zero and the bare point
        {5, "##0.#;;", "5"}, {5.04, "##0.#;;", "5"}, {5, "#0.0#", "5.0"}, {5.25, "#0.0#", "5.25"},
        {0, "#,###.00 ", ".00 "}, {0, "##,### ", " "}, {0, "##0.#;;", "0"}, {0, "##.0", ".0"},
        // sections and negatives
        {5, "0.0;(0.0);zero", "5.0"}, {-5, "0.0;(0.0);zero", "(5.0)"},
        {0, "0.0;(0.0);zero", "zero"}, {-5, "0.0;;", "-5.0"}, {0, "0.0;(0.0);", "0.0"},
        {0, "0.0;(0.0)", "0.0"}, {-0.04, "0.0", "0.0"}, {-0.4, "##0", "0"}};
    // clang-format on
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(FormatNumber(value, pattern), expected) << value << " " << pattern;
}

// A value wider than its pattern's digit positions prints every digit: a results line never
// reads "Span Tension =  lb".
TEST(number_format_test, values_wider_than_the_pattern_print_all_their_digits) {
    // clang-format off
    const std::tuple<double, const char*, const char*> rows[] = {
        {362500000, "##,### ", "362,500,000 "}, {1e15, "##,###", "1,000,000,000,000,000"},
        {100026664, "####.000 ", "100026664.000 "}, {-123456.5, "#0.00", "-123456.50"}, {99999.99, "##.0", "100000.0"}};
    // clang-format on
    for (const auto& [value, pattern, text] : rows) EXPECT_EQ(FormatNumber(value, pattern), text) << pattern;
}

TEST(leading_number_test, reads_the_number_at_the_start_and_ignores_the_rest) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"  150.00 ", 150}, {"1,250", 1}, {"1e3", 1}, {"", 0}, {"abc", 0}, {"-3.5ft", -3.5},
        {"+2", 2}, {"-.25", -0.25}, {"5.", 5}, {"1.2.3", 1.2}, {"\t7", 7}, {"- 5", 0}, {".", 0},
        {"0.0000064", 0.0000064}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << text;
}

TEST(leading_number_test, typed_entries_read_whole_thousands_groups_and_nothing_else) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        // whole groups, as the patterns write them
        {"1,500", 1500}, {" 1,500.25 ft", 1500.25}, {"-12,345,678", -12345678}, {"999,999.", 999999}, {"+1,000x", 1000},
        // anything else keeps the leading-number rule
        {"1,50", 1}, {"1,5000", 1}, {"1,500,5", 1}, {"1234,567", 1234}, {"0,500", 0}, {",500", 0}, {"1,", 1},
        {"150", 150}, {"", 0}, {"abc", 0}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(LeadingGroupedNumber(text), expected) << text;
}

TEST(date_format_test, writes_month_day_and_two_digit_year) {
    EXPECT_EQ(FormatDateMmDdYy(2024, 3, 7), "03/07/24");
    EXPECT_EQ(FormatDateMmDdYy(2000, 12, 31), "12/31/00");
}

}  // namespace cn3::test
