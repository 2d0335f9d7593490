// The help text on a recording surface: a 700-twip margin, the logo centred in the shifted
// coordinates (so 700 twips right of the page's centre), the first line under the logo's
// left edge, and a new page when less than two 240-twip lines remain.
#include "reports/help_print.h"

#include "report_fixture.h"

namespace cn3::test {
namespace {

class HelpPrintTest : public ReportTest {
  protected:
    std::vector<RecordedOp> help(const std::vector<std::string>& lines, double height) {
        for (const auto& line : lines) program.main.List1.addItem(line);
        auto surface = page(height);
        Host(PrintHelpText, surface);
        return surface.ops();
    }
};

// On a page 2000 high the third line, at 1560, would leave 440 twips: less than two lines
// (the last is the footer's). The next page starts with the help's title and an empty line.
TEST_F(HelpPrintTest, lines_go_to_a_new_page_when_two_lines_no_longer_fit) {
    const auto ops = help({"HELP TITLE", "line two", "line three", "line four"}, 2000);
    ASSERT_EQ(ops.front().kind, RecordedOp::Kind::Picture);
    EXPECT_EQ(std::pair(ops.front().x, ops.front().y), std::pair(700 + (12240.0 - 4320) / 2, 0.0));
    const std::vector<Placed> expected = {{"HELP TITLE", 700 + 3960, 1080, 1},
                                          {"line two", 700, 1320, 1},
                                          {"HELP TITLE", 700, 0, 2},
                                          {"line three", 700, 480, 2},
                                          {"line four", 700, 720, 2}};
    const auto placed = Placements(ops);
    ASSERT_EQ(placed.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::tuple(placed[i].text, placed[i].x, placed[i].y, placed[i].page),
                  std::tuple(expected[i].text, expected[i].x, expected[i].y, expected[i].page));
    EXPECT_EQ(Count(ops, RecordedOp::Kind::Picture), 1) << "the logo is on the first page only";
    for (const auto& op : ops)
        if (op.kind == RecordedOp::Kind::Text) {
            EXPECT_TRUE(op.fixedPitch && op.fontSize == 10) << op.text;
        }
    EXPECT_EQ(ops.back().kind, RecordedOp::Kind::EndDoc);
    const auto footers = Footers(ops);
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(std::tuple(footers[1].text, footers[1].x, footers[1].y),
              std::tuple("Page 2 of 2", (12240 - 1100) / 2, 2000 - 240))
        << "centred on the page, in the help's type";
}

TEST_F(HelpPrintTest, help_pages_edge_cases) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int texts;
        double firstX;
    };
    const Case cases[] = {
        {"an empty list prints only the logo", {}, 0, 0},
        // From the logo's left edge (3960) 76 characters would end past the page (11540).
        {"a first line too long for its place starts at the margin",
         {std::string(77, 'x')},
         1,
         700},
        {"one that fits stays under the logo", {std::string(75, 'x')}, 1, 700 + 3960},
    };
    for (const auto& c : cases) {
        program.main.List1.clear();
        const auto ops = help(c.lines, 15840);
        const auto placed = Placements(ops);
        EXPECT_EQ(static_cast<int>(placed.size()), c.texts) << c.what;
        EXPECT_EQ(Count(ops, RecordedOp::Kind::Picture), 1) << c.what;
        if (!placed.empty()) {
            EXPECT_EQ(placed.front().x, c.firstX) << c.what;
        }
    }
}

// The margin leaves 11540 twips: 115 characters at 10 points. A 120-character line makes the
// whole text smaller, to 10 x 11540 / 12000 = 9.62 points.
TEST_F(HelpPrintTest, a_text_wider_than_the_page_prints_smaller_to_end_on_it) {
    const auto ops = help({"short", std::string(120, 'x')}, 15840);
    for (const auto& op : ops)
        if (op.kind == RecordedOp::Kind::Text) {
            EXPECT_NEAR(op.fontSize, 9.62, 0.005) << op.text;
            EXPECT_LE(op.x + static_cast<double>(op.text.size()) * op.fontSize * 10, 12240)
                << op.text;
        }
    EXPECT_EQ(Find(ops, "short").x, 700 + 3960) << "the first line still fits under the logo";
}

}  // namespace
}  // namespace cn3::test
