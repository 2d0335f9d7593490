// The profile frame fed a plain description of spans: supports at every span end, one distance
// axis over the whole row, a depth axis holding the deepest sag, and the scale note's wording.
#include "engine/profile_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using ui::RecordedOp;

// The x of every pole drawn (the 45-twip lines standing above the plot).
std::vector<double> Poles(const ui::RecordingSurface& surface) {
    std::vector<double> xs;
    for (const auto& op : surface.ops())
        if (op.kind == RecordedOp::Kind::Line && op.lineWidth == 45) xs.push_back(op.points[0].x);
    return xs;
}

TEST(profile_frame, two_spans_stand_on_three_supports_under_one_distance_axis) {
    ui::RecordingSurface surface;
    const ChartBox box{150, 0, 8700, 3400};
    const ProfileFrame frame =
        DrawProfileFrame(surface, box, {{150, 200}, 4.2, "ft", "350.0 ft"});
    EXPECT_EQ(frame.supports, (std::vector<double>{0, 150, 350}));
    EXPECT_DOUBLE_EQ(frame.distance.low, 0);
    EXPECT_DOUBLE_EQ(frame.distance.high, 350);
    EXPECT_DOUBLE_EQ(frame.distance.step, 100);
    EXPECT_DOUBLE_EQ(frame.depth.low, 0);
    EXPECT_DOUBLE_EQ(frame.depth.high, 6);
    EXPECT_DOUBLE_EQ(frame.depth.step, 2);
    const std::vector<double> poles = Poles(surface);
    ASSERT_EQ(poles.size(), 3u);
    EXPECT_DOUBLE_EQ(poles[0], frame.plot.left);
    EXPECT_DOUBLE_EQ(poles[1], frame.plot.left + frame.plot.width * 150 / 350);
    EXPECT_DOUBLE_EQ(poles[2], frame.plot.right());
    // The plot keeps the legend's room at the right, and the legend starts beyond it.
    EXPECT_GT(frame.legendLeft, frame.plot.right());
    EXPECT_LT(frame.legendLeft, box.right());
    const auto texts = surface.texts();
    const auto drawn = [&](const char* text) {
        return std::any_of(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; });
    };
    EXPECT_TRUE(drawn("Span Profile"));
    EXPECT_TRUE(drawn("Sag (ft)"));
    EXPECT_TRUE(drawn("Distance along the span (ft)"));
    EXPECT_TRUE(drawn("350.0 ft"));
    EXPECT_TRUE(drawn("300"));
    EXPECT_FALSE(drawn("400")) << "no tick beyond the row's end";
}

TEST(profile_frame, legend_entries_stack_from_the_plot_top) {
    ui::RecordingSurface surface;
    const ProfileFrame frame = DrawProfileFrame(surface, {0, 0, 9000, 3400}, {{100}, 2, "m", "100 m"});
    const size_t before = surface.ops().size();
    frame.drawLegendEntry(surface, 2, "3", "Heavy: 2.00 m", ui::Rgb{0, 0, 0}, 15);
    ASSERT_EQ(surface.ops().size(), before + 3);
    const RecordedOp& stroke = surface.ops()[before];
    EXPECT_DOUBLE_EQ(stroke.points[0].x, frame.legendLeft);
    EXPECT_DOUBLE_EQ(stroke.points[0].y, frame.plot.top + 2 * (frame.lineHeight + 60) + frame.lineHeight / 2);
    EXPECT_EQ(surface.ops()[before + 2].text, "Heavy: 2.00 m");
}

}  // namespace
}  // namespace cn3::test
