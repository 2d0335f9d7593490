// The line's profile on a screen's picture box and on a page: everything inside its rectangle
// with no text over another, from 2 spans on flat ground to 50 on hills; the poles named, the
// scale stated, and the one span too low of the hilly example drawn red and thick and said.
#include "line/line_profile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/chart_parts.h"
#include "shipped_line.h"
#include "support/printed_boxes.h"

namespace cn3::line {
namespace {

using ui::RecordedOp;

std::vector<std::string> TextsOf(const ui::RecordingSurface& s) {
    std::vector<std::string> texts;
    for (const RecordedOp& op : s.texts()) texts.push_back(op.text);
    return texts;
}

TEST(line_profile_test, the_hilly_example_shows_its_low_span_red_thick_and_in_words) {
    for (const bool metric : {false, true}) {
        const auto hilly = test::SolveShippedLine("hilly-five-poles.cnl", metric);
        ui::RecordingSurface screen("PictureBox", 9000, 4000);
        screen.setFontSize(10);
        DrawLineProfile(screen, 100, 100, 8800, 3800, hilly.file.line, hilly.solution, hilly.units);
        EXPECT_EQ(test::Faults(screen.ops(), 8900, 3900, 100, 100), std::vector<std::string>());
        EXPECT_EQ(screen.fontSize(), 10);
        const auto texts = TextsOf(screen);
        for (const char* wanted : {"P1", "P2", "P3", "P4", "P5", "Line Profile", "TOO LOW",
                                   "Span TOO LOW", "Ground", "Required clearance"})
            EXPECT_EQ(std::count(texts.begin(), texts.end(), wanted), 1) << wanted;
        EXPECT_NE(
            std::find(texts.begin(), texts.end(),
                      metric ? "Distance along the line (m)" : "Distance along the line (ft)"),
            texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Under Ice+Wind 250D"), texts.end());
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
            return t.starts_with("Vertical scale exaggerated ");
        }));

        // One thick red strand, the third span's: between the P3 and P4 poles.
        std::vector<double> poles;
        for (const RecordedOp& op : screen.ops())
            if (op.kind == RecordedOp::Kind::Line && op.lineWidth == 30)
                poles.push_back(op.points[0].x);
        ASSERT_EQ(poles.size(), 5u);
        int red = 0;
        for (const RecordedOp& op : screen.ops()) {
            if (op.kind != RecordedOp::Kind::Polyline || op.colour != kRed || op.lineWidth < 40)
                continue;
            ++red;
            EXPECT_DOUBLE_EQ(op.points.front().x, poles[2]);
            EXPECT_DOUBLE_EQ(op.points.back().x, poles[3]);
        }
        EXPECT_EQ(red, 1);
    }
}

TEST(line_profile_test, two_to_fifty_spans_on_flat_and_hilly_ground_stay_in_their_rectangle) {
    for (const std::size_t spans : {2u, 12u, 50u})
        for (const bool hills : {false, true})
            for (const bool metric : {false, true}) {
                const auto solved =
                    test::SolveShippedLine(test::GeneratedLine(spans, hills), metric);
                ui::RecordingSurface page("Printer", 11520, 15120);
                DrawLineProfile(page, 0, 5000, 11520, 4300, solved.file.line, solved.solution,
                                solved.units);
                EXPECT_EQ(test::Faults(page.ops(), 11520, 9300, 0, 5000),
                          std::vector<std::string>())
                    << spans << " spans, hills " << hills << ", metric " << metric;
                // Every pole is drawn; the first and the last are named.
                const auto texts = TextsOf(page);
                EXPECT_NE(std::find(texts.begin(), texts.end(), "P1"), texts.end());
                std::string last = "P";
                last += std::to_string(spans + 1);
                EXPECT_NE(std::find(texts.begin(), texts.end(), last), texts.end()) << spans;
            }
    // Long pole IDs keep inside the picture and off each other.
    auto named = test::GeneratedLine(3, true);
    for (auto& pole : named.line.poles) pole.id = "POLE " + pole.id + " AT THE CORNER";
    const auto solved = test::SolveShippedLine(named, false);
    ui::RecordingSurface screen("PictureBox", 6000, 3000);
    DrawLineProfile(screen, 0, 0, 6000, 3000, solved.file.line, solved.solution, solved.units);
    EXPECT_EQ(test::Faults(screen.ops(), 6000, 3000), std::vector<std::string>());
}

}  // namespace
}  // namespace cn3::line
