#include <gtest/gtest.h>

#include "selection/displayed_number.h"

namespace cn3 {

TEST(displayed_number_test, thousands_groups_are_read_whole_and_other_commas_end_the_number) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"6,650", 6650},     {"1,520,000", 1520000}, {"-12,000.5 lb", -12000.5},
        {"0,5", 0},          {"12,34", 12},          {"1,2345", 1},
        {"0.250", 0.25},     {"", 0},                {"abc", 0},
        {",000", 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(DisplayedNumber(c.text), c.value) << c.text;
    EXPECT_EQ(WithoutThousandsGroups("1,520,000 N"), "1520000 N");
}

}  // namespace cn3
