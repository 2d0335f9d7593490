#include <gtest/gtest.h>

#include "ui/recording_surface.h"

namespace cn3::ui {

TEST(surface_test, print_ends_the_line_or_moves_right_by_the_text_width) {
    RecordingSurface s;
    s.setFontSize(10);
    s.setCurrentX(100);
    s.setCurrentY(200);
    s.print("AB", false);
    EXPECT_EQ(s.currentX(), 100 + 2 * 100);
    s.print("C");
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 200 + 240);
    auto texts = s.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].x, 300);
    EXPECT_EQ(texts[1].text, "C");
}

TEST(surface_test, inch_scale_maps_onto_the_area_and_back) {
    RecordingSurface s("PictureBox", 7200, 7200);  // a 5 x 5 inch area
    s.setScale(-5, -5, 10, 10);                    // twice the area in inches: half size
    s.circle(0, 0, 1, Rgb{255, 0, 0});
    const auto& op = s.ops().back();
    EXPECT_DOUBLE_EQ(op.x, 3600);
    EXPECT_DOUBLE_EQ(op.y, 3600);
    EXPECT_DOUBLE_EQ(op.size, 720);
    s.setFontSize(10);
    EXPECT_DOUBLE_EQ(s.textHeight(), 240.0 / 720.0);
}

}  // namespace cn3::ui
