// Nothing printed over anything else and nothing off the paper, on the recording surface
// (characters 10 twips per point wide, lines 24 twips per point high): a header filled to
// full width, twenty cables with both tables, metric display, and the full listing with long
// user-cable names. And the twenty-cable report at every page height: nothing below the foot.
#include <algorithm>

#include "report_fixture.h"
#include "support/printed_boxes.h"
#include "reports/cable_listing.h"
#include "reports/span_report.h"

namespace cn3::test {
namespace {

class PrintLayoutTest : public ReportTest {
  protected:
    std::vector<RecordedOp> report(double height = 15840) {
        program.main.Check3.setChecked(true);
        program.main.Check4.setChecked(true);
        auto surface = page(height);
        Host(PrintSpanReport, surface);
        return surface.ops();
    }
};

TEST_F(PrintLayoutTest, a_header_filled_to_full_width_shrinks_and_wraps_in_its_fields) {
    program.main.Text1.setText("Tower Road rebuild and widening");  // 31 characters
    program.main.Text2.setText("6 December 2026");                  // 15
    program.main.Text3.setText(std::string(95, 'S'));
    std::string notes;
    for (int i = 0; i < 60; ++i) notes += "lashed coax ";
    program.main.Text4.setText(notes);
    program.main.Label1.setCaption("Installed Temperature 60 F");
    const auto ops = report();
    EXPECT_EQ(Faults(ops, 12240, 15840), std::vector<std::string>());
    // 720 characters of notes make six lines of at most 122; the table moves down by five.
    EXPECT_EQ(Find(ops, "Selected Cables").y, 3556 + 5 * 240);
}

TEST_F(PrintLayoutTest, twenty_cables_with_both_tables_overlap_nothing) {
    select(std::vector<std::string>(20, "P 500"));
    EXPECT_EQ(Faults(report(), 12240, 15840), std::vector<std::string>());
}

TEST_F(PrintLayoutTest, in_metric_a_medium_district_label_ends_before_its_temperature) {
    program.units.metricUnits = 1;
    for (int r = 0; r < 3; ++r) program.loadings[size_t(r)].name = "Medium       ";
    program.main.Label1.setCaption("Installed Temperature 15.6 C");
    EXPECT_EQ(Faults(report(), 12240, 15840), std::vector<std::string>());
}

TEST_F(PrintLayoutTest, the_full_listing_with_long_user_cable_names_overlaps_nothing) {
    for (int r = 13; r <= 20; ++r) {
        program.cables.rows[size_t(r)] = program.cables.rows[2];
        program.cables.rows[size_t(r)][0] = "MY OWN LONG USER DEFINED COAX CABLE " + std::to_string(r);
    }
    program.cables.lastCableRow = 20;
    for (auto& box : program.main.Check5) box.setChecked(true);
    auto surface = page();
    Host(PrintCableListing, surface);
    EXPECT_EQ(Faults(surface.ops(), 12240, 15840), std::vector<std::string>());
}

// A page-break rule that measured a block by its last line's top instead of its bottom went
// unnoticed at Letter height: at every page height from 7000 to 17000 twips, nothing of the
// body reaches the footer's line and nothing at all passes the bottom.
TEST_F(PrintLayoutTest, at_every_page_height_nothing_runs_past_the_foot_of_the_page) {
    select(std::vector<std::string>(20, "P 500"));
    for (double height = 7000; height <= 17000; height += 10) {
        const auto ops = report(height);
        const double foot = height - 240;
        for (const Box& box : Boxes(ops)) {
            const bool footer = box.text.starts_with("Page ");
            ASSERT_LE(box.bottom, footer ? height : foot)
                << box.text << " on page " << box.page << " at a page height of " << height;
        }
    }
}

}  // namespace
}  // namespace cn3::test
