// Making a text fit its field on the recording surface (100 twips a character at 10 points):
// shrinking it to a width, and breaking it into lines of a width.
#include "reports/text_placement.h"

#include <gtest/gtest.h>

#include "ui/recording_surface.h"

namespace cn3 {
namespace {

TEST(text_placement_test, fit_text_shrinks_only_what_is_too_wide) {
    struct Case {
        const char* what;
        std::string text;
        double width, size;
    };
    const Case cases[] = {
        {"fits: the current size", "ABCDEFGHIJ", 1000, 10},
        {"12 characters in 1000 twips", "ABCDEFGHIJKL", 1000, 10 * 1000.0 / 1200},
        {"not below the smallest size", std::string(100, 'x'), 1000, kSmallestFitSize},
        {"an empty text fits", "", 0, 10},
    };
    for (const auto& c : cases) {
        ui::RecordingSurface surface;
        surface.setFontSize(10);
        EXPECT_NEAR(FitText(surface, c.text, c.width), c.size, 1e-9) << c.what;
        EXPECT_EQ(surface.fontSize(), 10) << "the font is left as it was: " << c.what;
    }
}

TEST(text_placement_test, wrap_text_breaks_at_blanks_and_long_words_by_characters) {
    struct Case {
        const char* what;
        std::string text;
        double width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"fits: kept as typed, blanks too", "Two  new coax", 1300, {"Two  new coax"}},
        {"broken at blanks", "Three coax lashed", 1000, {"Three coax", "lashed"}},
        {"blanks at a break go", "aaa   bbb", 500, {"aaa", "bbb"}},
        {"a word wider than the line", "abcdefghijkl xy", 500, {"abcde", "fghij", "kl xy"}},
        {"characters, not bytes", "\xc3\xa9\xc3\xa9\xc3\xa9", 200, {"\xc3\xa9\xc3\xa9", "\xc3\xa9"}},
        {"empty: one empty line", "", 500, {""}},
        {"no width at all: a character a line", "ab c", -10, {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        ui::RecordingSurface surface;
        surface.setFontSize(10);
        EXPECT_EQ(WrapText(surface, c.text, c.width), c.lines) << c.what;
    }
}

}  // namespace
}  // namespace cn3
