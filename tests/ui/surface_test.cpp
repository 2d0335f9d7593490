// The drawing rules every surface shares, seen through the recording surface: scales, the
// position that print, newPage and clear leave, sizes, lines and the error state.
#include <gtest/gtest.h>

#include <functional>

#include "ui/recording_surface.h"

namespace cn3::ui {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

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

// Where a line starts after print ends one, and where newPage and clear put the position, in
// scale units and on the device; a 12000 x 9000 twips area, 10-point text (240 twips a line).
TEST(surface_test, line_start_and_page_home_follow_the_scale) {
    struct Row {
        const char* name;
        std::function<void(Surface&)> scale;
        double left, top;       // scaleLeft(), scaleTop()
        double lineX;           // x after print ends a line
        double homeX, homeY;    // position after newPage() or clear()
        double homeDx, homeDy;  // that position in device twips
    };
    const Row rows[] = {
        {"twips", [](Surface& s) { s.setScaleTwips(); }, 0, 0, 0, 0, 0, 0, 0},
        {"twips with a 700-twip margin", [](Surface& s) { s.setScaleTwips(-700); }, -700, 0, 0, 0,
         0, 700, 0},
        {"twips shifted both ways", [](Surface& s) { s.setScaleTwips(-700, -500); }, -700, -500, 0,
         0, 0, 700, 500},
        {"twips shifted the other way", [](Surface& s) { s.setScaleTwips(300); }, 300, 0, 0, 0, 0,
         -300, 0},
        {"inches from the top left", [](Surface& s) { s.setScaleInches(); }, 0, 0, 0, 0, 0, 0, 0},
        {"inches with a chosen corner", [](Surface& s) { s.setScale(-2, -1, 10, 7.5); }, -2, -1, -2,
         -2, -1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSurface s;
        s.setFontSize(10);
        row.scale(s);
        EXPECT_EQ(s.scaleLeft(), row.left);
        EXPECT_EQ(s.scaleTop(), row.top);

        s.setCurrentX(row.lineX + 3);
        s.setCurrentY(row.homeY + 4);
        s.print("A");
        EXPECT_EQ(s.currentX(), row.lineX);
        EXPECT_DOUBLE_EQ(s.currentY(), row.homeY + 4 + s.textHeight());

        for (const auto& home : {std::function<void()>([&] { s.newPage(); }),
                                 std::function<void()>([&] { s.clear(); })}) {
            s.setCurrentX(row.lineX + 5);
            s.setCurrentY(row.homeY + 6);
            home();
            EXPECT_EQ(s.currentX(), row.homeX);
            EXPECT_EQ(s.currentY(), row.homeY);
            s.print("B");
            EXPECT_DOUBLE_EQ(s.texts().back().x, row.homeDx);
            EXPECT_DOUBLE_EQ(s.texts().back().y, row.homeDy);
        }
    }
}

TEST(surface_test, returning_to_twips_forgets_the_inch_extent) {
    RecordingSurface s("PictureBox", 7200, 3600);
    EXPECT_EQ(s.scaleWidth(), 7200);
    s.setScale(1, 1, 10, 10);
    EXPECT_EQ(s.scaleWidth(), 10);
    s.setScaleTwips();
    EXPECT_EQ(s.scaleWidth(), 7200);
    EXPECT_EQ(s.scaleHeight(), 3600);
    s.circle(100, 100, 50, kRed);
    EXPECT_EQ(s.ops().back().x, 100);
    EXPECT_EQ(s.ops().back().size, 50);
}

TEST(surface_test, picture_size_is_given_in_the_current_scale) {
    struct Row {
        const char* name;
        std::function<void(Surface&)> scale;
        const char* path;
        Size expected;
    };
    const Row rows[] = {
        {"twips", [](Surface& s) { s.setScaleTwips(); }, "logo.png", {2880, 720}},
        {"shifted twips", [](Surface& s) { s.setScaleTwips(-700); }, "logo.png", {2880, 720}},
        {"inches", [](Surface& s) { s.setScaleInches(); }, "logo.png", {2, 0.5}},
        {"half-size inches", [](Surface& s) { s.setScale(0, 0, 10, 5); }, "logo.png", {4, 1}},
        {"unknown picture", [](Surface& s) { s.setScaleInches(); }, "missing.png", {0, 0}},
    };
    for (const Row& row : rows) {
        RecordingSurface s("Printer", 7200, 3600);  // 5 x 2.5 inches
        s.setPictureSize("logo.png", 2880, 720);
        row.scale(s);
        EXPECT_EQ(s.pictureSize(row.path), row.expected) << row.name;
    }
}

TEST(surface_test, lines_are_recorded_in_device_twips_with_width_in_twips) {
    RecordingSurface s("PictureBox", 7200, 7200);
    s.setScaleTwips(-700, -100);
    s.line(0, 0, 1000, 0, kRed, 15);
    s.setScale(-5, -5, 10, 10);  // 720 twips an inch
    s.rectangle(0, 0, 1, -1, kBlue, 30, kRed);
    s.rectangle(0, 0, 1, 1, kBlue);
    s.polyline({{0, 0}, {1, 0}, {1, 2}}, kRed);

    const auto& ops = s.ops();
    ASSERT_EQ(ops.size(), 4u);
    using K = RecordedOp::Kind;
    EXPECT_EQ(ops[0].kind, K::Line);
    EXPECT_EQ(ops[0].points, (std::vector<Point>{{700, 100}, {1700, 100}}));
    EXPECT_EQ(ops[0].colour, kRed);
    EXPECT_EQ(ops[0].lineWidth, 15);
    EXPECT_EQ(ops[1].kind, K::Rectangle);
    EXPECT_EQ(ops[1].points, (std::vector<Point>{{3600, 3600}, {4320, 2880}}));
    EXPECT_EQ(ops[1].lineWidth, 30) << "a width stays in twips in an inch scale";
    EXPECT_EQ(ops[1].fill, kRed);
    EXPECT_EQ(ops[2].fill, std::nullopt);
    EXPECT_EQ(ops[2].lineWidth, 0);
    EXPECT_EQ(ops[3].kind, K::Polyline);
    EXPECT_EQ(ops[3].points, (std::vector<Point>{{3600, 3600}, {4320, 3600}, {4320, 5040}}));
}

TEST(surface_test, the_first_failure_is_kept_and_later_drawing_is_skipped) {
    RecordingSurface s("Printer");
    EXPECT_FALSE(s.failed());
    EXPECT_EQ(s.error(), "");
    s.setFontSize(10);
    s.print("before");
    s.failWith("The printer could not be started.");
    s.failWith("The printer could not start a new page.");
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.error(), "The printer could not be started.");

    s.setPictureSize("logo.png", 100, 100);
    s.print("after", false);
    EXPECT_EQ(s.currentX(), 500) << "the position moves as if drawn";
    s.circle(1, 1, 1, kRed);
    s.line(0, 0, 1, 1, kRed);
    s.rectangle(0, 0, 1, 1, kRed, 0, kBlue);
    s.polyline({{0, 0}, {1, 1}}, kRed);
    s.picture("logo.png", 0, 0, 10, 10);
    s.clear();
    s.setCurrentY(700);
    s.newPage();
    EXPECT_EQ(s.currentY(), 0);
    s.endDoc();

    std::vector<RecordedOp::Kind> kinds;
    for (const auto& op : s.ops()) kinds.push_back(op.kind);
    EXPECT_EQ(kinds, (std::vector{RecordedOp::Kind::Text, RecordedOp::Kind::EndDoc}))
        << "only the document's end still reaches the device";
    EXPECT_EQ(s.pictureSize("logo.png"), (Size{100, 100})) << "measuring still works";
}

}  // namespace
}  // namespace cn3::ui
