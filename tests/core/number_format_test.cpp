#include <gtest/gtest.h>

#include <string>

#include "core/number_format.h"

namespace cn3 {
namespace {

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

void expectAll(const std::vector<PatternCase>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
            << "value " << c.value << " pattern \"" << c.pattern << "\"";
    }
}

TEST(number_format_test, every_pattern_the_program_uses) {
    expectAll({
        {60, "##0.#;;", "60"},
        {-17.77778, "##0.#;;", "-17.8"},
        {0.25, "##0.##;;", "0.25"},
        {4, "##0.##;;", "4"},
        {15.6, "###0.#;;", "15.6"},
        {-40, "##.0", "-40.0"},
        {5, "##.0", "5.0"},
        {150, "#,###.00 ", "150.00 "},
        {1234.5, "#,###.00 ", "1,234.50 "},
        {45.72, "####.000 ", "45.720 "},
        {1.004, "##.00 ", "1.00 "},
        {2345.4, "##,### ", "2,345 "},
        {-0.0123, "#0.00", "-0.01"},
        {0.3521, "#0.0000", "0.3521"},
        {0.57, "##0.000", "0.570"},
        {0.57, "###.000", ".570"},
        {14.25, "###.0", "14.3"},
        {3.456, "##.00", "3.46"},
        {0.0000064, "0.0000000", "0.0000064"},
        {0.3125, "##0.0###", "0.3125"},
        {950400, "#,###,##0", "950,400"},
    });
}

TEST(number_format_test, grouping_places_a_comma_every_three_integer_digits) {
    expectAll({
        {999, "#,##0", "999"},
        {1000, "#,##0", "1,000"},
        {1234567.891, "#,###.00", "1,234,567.89"},
        {-1234567, "#,##0", "-1,234,567"},
        {12, "0,000", "0,012"},
        {999.995, "#,###.00", "1,000.00"},  // the carry adds a group
    });
}

TEST(number_format_test, digits_beyond_the_positions_are_kept) {
    expectAll({
        {123.456, "##.00 ", "123.46 "},
        {98765, "0", "98765"},
        {12.5, ".00", "12.50"},
    });
}

TEST(number_format_test, exact_halves_round_away_from_zero) {
    expectAll({
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {0.375, "0.00", "0.38"},
        {2.5, "##0.#;;", "2.5"},
        {0.05, "##0.#;;", "0.1"},  // 0.05 is stored just above the half
    });
}

TEST(number_format_test, values_stored_just_below_a_half_round_down) {
    expectAll({
        {1.005, "0.00", "1.00"},
        {9.995, "0.00", "9.99"},
        {0.15, "0.0", "0.1"},
    });
}

TEST(number_format_test, fraction_hashes_show_only_significant_digits_and_no_bare_point) {
    expectAll({
        {5, "##0.#;;", "5"},
        {5.04, "##0.#;;", "5"},
        {5.5, "##0.##", "5.5"},
        {5, "#0.0#", "5.0"},
        {5.25, "#0.0#", "5.25"},
        {0, "##0.##", "0"},
    });
}

TEST(number_format_test, zero_shows_only_the_zero_positions) {
    expectAll({
        {0, "#,###.00 ", ".00 "},
        {0, "##,### ", " "},
        {0, "##0.#;;", "0"},
        {0, "0.0000", "0.0000"},
        {0, "##.0", ".0"},
    });
}

TEST(number_format_test, sections_choose_positive_negative_and_zero_forms) {
    expectAll({
        {5, "0.0;(0.0);zero", "5.0"},
        {-5, "0.0;(0.0);zero", "(5.0)"},
        {0, "0.0;(0.0);zero", "zero"},
        {-5, "0.0;;", "-5.0"},       // empty negative section: first section with minus
        {0, "0.0;(0.0);", "0.0"},     // empty zero section: first section
        {-5, "0.0", "-5.0"},
        {0, "0.0;(0.0)", "0.0"},      // missing zero section
    });
}

TEST(number_format_test, a_negative_that_rounds_to_zero_has_no_minus) {
    expectAll({
        {-0.04, "0.0", "0.0"},
        {-0.004, "#0.00", "0.00"},
        {-0.4, "##0", "0"},
    });
}

TEST(number_format_test, literal_text_is_copied) {
    expectAll({
        {5, "0.00 ft", "5.00 ft"},
        {5, "$#,##0", "$5"},
        {1234, "$#,##0", "$1,234"},
        {-3, "[0]", "-[3]"},
    });
}

TEST(number_format_test, non_finite_values_show_as_words) {
    EXPECT_EQ(FormatNumber(1.0 / 0.0, "0.00"), "Inf");
    EXPECT_EQ(FormatNumber(-1.0 / 0.0, "0.00"), "-Inf");
    EXPECT_EQ(FormatNumber(0.0 / 0.0, "0.00"), "NaN");
}

TEST(leading_number_test, reads_the_number_at_the_start_and_ignores_the_rest) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"150", 150},       {"  150.00 ", 150},  {"1,250", 1},    {"1e3", 1},
        {"", 0},            {"abc", 0},           {"-3.5ft", -3.5}, {"+2", 2},
        {".5", 0.5},        {"-.25", -0.25},      {"5.", 5},       {"1.2.3", 1.2},
        {"\t7", 7},         {"-", 0},             {".", 0},        {"- 5", 0},
        {"0.0000064", 0.0000064},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(leading_number_test, reads_what_format_number_wrote) {
    for (double v : {0.0, 1.5, -17.8, 1234567.89, 0.0000064}) {
        EXPECT_DOUBLE_EQ(LeadingNumber(FormatNumber(v, "0.0000000")), v);
    }
    // A grouped text reads only up to its first comma: grouping is for showing, not typing.
    EXPECT_DOUBLE_EQ(LeadingNumber(FormatNumber(1234.5, "#,###.00 ")), 1);
}

TEST(date_format_test, writes_month_day_and_two_digit_year) {
    EXPECT_EQ(FormatDateMmDdYy(2024, 3, 7), "03/07/24");
    EXPECT_EQ(FormatDateMmDdYy(1999, 12, 31), "12/31/99");
    EXPECT_EQ(FormatDateMmDdYy(2000, 1, 1), "01/01/00");
}

}  // namespace
}  // namespace cn3
