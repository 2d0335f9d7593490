// The span report on a recording surface. Positions are worked out from the layout rules:
// logo 1080 high, title at 1080 + 700, 10-point lines of 240 twips, column stops 1500 +
// 1100 steps, headings hanging from the heading top, rows 50 twips under the table title.
#include "reports/span_report.h"

#include <algorithm>

#include "report_fixture.h"

namespace cn3::test {
namespace {

class SpanReportTest : public ReportTest {
  protected:
    std::vector<RecordedOp> report(bool nesc, bool temperature, double height = 15840) {
        program.main.Check3.setChecked(nesc);
        program.main.Check4.setChecked(temperature);
        auto surface = page(height);
        Host(PrintSpanReport, surface);
        return surface.ops();
    }
};

struct Expected {
    const char* what;
    std::string text;
    double x, y;
};

void ExpectPlaced(const std::vector<RecordedOp>& ops, const std::vector<Expected>& rows) {
    for (const auto& row : rows) {
        const Placed p = Find(ops, row.text);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(row.x, row.y)) << row.what << ": " << row.text;
    }
}

// The page top, the header and the cable table are the same whatever the options.
const std::vector<Expected> kTop = {
    {"title, 48 characters at 14 points", std::string(kReportTitle), (12240 - 48 * 140) / 2, 1780},
    {"name", "Tower Road", 0, 2116},
    {"date", "12/06/26", 3000, 2116},
    {"span id", "Span 7", 4000, 2116},
    {"notes", "Two new coax", 0, 2356},
    {"heading's first line at the heading top", "Axial", 7000 + (1100 - 500) / 2, 2836},
    {"heading centred in its band", "Nominal", 1500 + (1100 - 700) / 2, 3076},
    {"heading's unit on the table title's line", "(lb/ft)", 5900 + (1100 - 700) / 2, 3556},
    {"table title on the fourth line", "Selected Cables", 0, 3556},
    {"value right-aligned at stop 5", "0.0000064", 5900 - 900, 3846},
    {"value right-aligned at stop 8", "6,650", 9200 - 500, 3846},
    {"last cable row", "P 750", 0, 3846 + 3 * 240},
    {"bundle diameter ending at stop 4", "1.530", 4800 - 500, 4806},
    {"total weight ending at stop 6", "0.601", 7000 - 500, 4806},
};

TEST_F(SpanReportTest, cable_rows_show_the_catalogue_values_in_display_units) {
    const auto ops = report(false, false);
    EXPECT_EQ(Line(ops, 3846), "1/4 EHS 6M|0.25|0.0352|0.240|0.0000064|0.1210|950,400|6,650");
    EXPECT_EQ(Line(ops, 4086), "P 500|0.5|0.0|0.570|0.0000128|0.0900|0|0");
    EXPECT_EQ(Line(ops, 4806), "Bundle|1.530|0.601");

    program.units.metricUnits = 1;
    const auto metric = report(false, false);
    EXPECT_EQ(Line(metric, 3846), "1/4 EHS 6M|6.35|22.7096|6.096|0.0000115|0.1801|4,228|29,581");
    EXPECT_EQ(Find(metric, "29,581").x, 9200 - 600);
    EXPECT_EQ(Line(metric, 4806), "Bundle|1.530|0.601") << "the bundle row prints as shown";
}

TEST_F(SpanReportTest,
       with_both_blocks_the_nesc_table_comes_first_and_temperatures_stand_beside_the_results) {
    const auto ops = report(true, true);
    ExpectPlaced(ops, kTop);
    // After the bundle row and an empty line (5286): the table (title 288, headings 4 x 144
    // and 60, two rows of 240), an empty line, then the results top at 6930.
    ExpectPlaced(
        ops,
        {
            {"NESC title centred over its columns", "NESC RESULTS", 150 + (10000 - 12 * 120) / 2,
             5286},
            {"NESC district row", "Rule 251 - Light        ", 150, 5286 + 924},
            {"results text's first line (after its empty one)", "Span Length = 150.00 ft", 500,
             7170},
            {"results text's last line", "Span Tension = 1,234 lbs", 500, 7650},
            {"temperature heading at the results top", "Temp", 5000 + (1000 - 400) / 2, 6930},
            {"its second line", "F", 5000 + (1000 - 100) / 2, 7170},
            {"clearance heading in the fifth band", "Clearance", 9000 + (1000 - 900) / 2, 6930},
            {"clearance unit", "18 ft", 9000 + (1000 - 500) / 2, 7170},
            {"row 1 after the headings and an empty line", "-40.0", 5000 + (1000 - 500) / 2, 7650},
            {"row 6, 50 twips lower", "10.0", 5000 + (1000 - 400) / 2, 7650 + 5 * 240 + 50},
            {"row 11, after two groups", "60.0", 5300, 7650 + 10 * 240 + 100},
            {"row 19", "140.0", 5250, 7650 + 18 * 240 + 150},
        });
    EXPECT_EQ(Line(ops, 7650 + 4 * 240), "0.0|5.1|5.2|5.3|5.4") << "row 5 closes the first group";
    EXPECT_EQ(Line(ops, 7650 + 5 * 240 + 50), "10.0|6.1|6.2|6.3|6.4") << "row 6, 50 twips lower";
    EXPECT_EQ(Count(ops, RecordedOp::Kind::NewPage), 0);
}

// The logo is centred at the top at its own size.
TEST_F(SpanReportTest, with_both_blocks_off_the_report_ends_with_the_results_text) {
    const auto ops = report(false, false);
    EXPECT_EQ(std::tuple(ops.front().kind, ops.front().text, ops.front().x, ops.front().y,
                         ops.front().size, ops.front().height),
              std::tuple(RecordedOp::Kind::Picture, "logo.png", (12240.0 - 4320) / 2, 0.0, 4320.0,
                         1080.0));
    ExpectPlaced(ops, {{"results after the bundle row and two empty lines",
                        "Span Length = 150.00 ft", 500, 5766}});
    const auto placed = Placements(ops);
    EXPECT_EQ(placed.back().text, "Span Tension = 1,234 lbs");
    EXPECT_EQ(placed.back().y, 5766 + 2 * 240);
    EXPECT_TRUE(std::none_of(placed.begin(), placed.end(), [](const Placed& p) {
        return p.text == "Temp" || p.text == "NESC RESULTS";
    }));
}

TEST_F(SpanReportTest, no_cables_leave_the_headings_and_the_bundle_row) {
    select({});
    const auto ops = report(false, false);
    EXPECT_EQ(Line(ops, 3556), "Selected Cables|(in)|(in2)|(in)|(/F)|(lb/ft)|(lb)|(lb)");
    EXPECT_EQ(Line(ops, 3846), "Bundle|1.530|0.601");
}

// A span file may name a cable the catalogue no longer has.
TEST_F(SpanReportTest, a_cable_missing_from_the_table_prints_its_name_with_empty_values) {
    select({"1/4 EHS 6M", "GONE 1", "P 500"});
    const auto ops = report(false, false);
    EXPECT_EQ(Line(ops, 4086), "GONE 1");
    EXPECT_EQ(Line(ops, 4326), "P 500|0.5|0.0|0.570|0.0000128|0.0900|0|0");
}

// The installed temperature, the sag mode and the creep, at 9 points right-aligned at the
// page's edge beside the logo, where nothing else prints; the rest of the page is unmoved.
TEST_F(SpanReportTest, the_report_states_what_its_numbers_rest_on_beside_the_logo) {
    program.units.table[1] = {"F", "C", 0.5555556f, 32};
    program.main.Label1.setCaption("Installed Temperature 60");
    program.main.Text9[1].setText("2");
    program.main.Text9[4].setText("0.05");
    program.main.Option1.select(1);
    const auto ops = report(false, false);
    ExpectPlaced(ops, {{"26 characters", "Installed Temperature 60 F", 12240 - 26 * 90, 0},
                       {"percent mode", "Sag Mode Percent: 2 % of Span", 12240 - 29 * 90, 216},
                       {"creep entry as a fraction", "Creep 5.00 %", 12240 - 12 * 90, 432}});
    program.main.Option1.select(0);
    EXPECT_EQ(Find(report(false, false), "Sag Mode Absolute").y, 216);
}

// Twenty cables with both blocks reach 16200 twips: the results block moves whole to a new
// page, which starts with one line that says whose it is, then an empty line. (Nothing past
// the foot and the footers are tried by the layout sweep and the pager.)
TEST_F(SpanReportTest, a_report_longer_than_the_page_goes_on_on_a_new_page) {
    select(std::vector<std::string>(20, "P 500"));
    const auto ops = report(true, true);
    EXPECT_EQ(Count(ops, RecordedOp::Kind::NewPage), 1);
    const Placed table = Find(ops, "NESC RESULTS");
    EXPECT_EQ(std::pair(table.y, table.page), std::pair(9126.0, 1));
    const std::vector<std::pair<std::string, Placed>> moved = {
        {"identification", {std::string(kReportTitle) + " - Tower Road - Span 7", 0, 0, 2}},
        {"results text", {"Span Length = 150.00 ft", 500, 480 + 240, 2}},
        {"temperature heading", {"Temp", 5300, 480, 2}},
        {"last temperature row", {"140.0", 5250, 480 + 720 + 18 * 240 + 150, 2}}};
    for (const auto& [what, expected] : moved) {
        const Placed p = Find(ops, expected.text);
        EXPECT_EQ(std::tuple(p.x, p.y, p.page), std::tuple(expected.x, expected.y, expected.page))
            << what;
    }
}

}  // namespace
}  // namespace cn3::test
