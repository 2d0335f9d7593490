// The texts the window and the report show for a line: the hilly five-pole example (one span
// too low for its road crossing) under English and metric display, the failure marks in red
// and in words, and the stringing chart both ways round with the installed temperature marked.
#include "line/line_tables.h"

#include <gtest/gtest.h>

#include "shipped_line.h"

namespace cn3::line {
namespace {

std::vector<std::string> Texts(const std::vector<ShownCell>& row) {
    std::vector<std::string> texts;
    for (const ShownCell& cell : row) texts.push_back(cell.text);
    return texts;
}

std::vector<std::size_t> Failing(const ShownTable& table) {
    std::vector<std::size_t> cells;
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            if (table.rows[r][c].fails) cells.push_back(r * 100 + c);
    return cells;
}

TEST(line_tables_test, the_hilly_example_in_english_and_metric_display) {
    const auto english = test::SolveShippedLine("hilly-five-poles.cnl", false);
    const PoleLine& line = english.file.line;
    EXPECT_EQ(LineHeadline(line, english.solution, english.units),
              "Ruling span 184.21 ft   Line tension 447 lb at 60 deg F");
    const ShownTable spans = SpanResultsTable(line, english.solution, english.units);
    EXPECT_EQ(spans.headings[3], "Sag at\n140 deg F (ft)");
    ASSERT_EQ(spans.rows.size(), 4u);
    EXPECT_EQ(
        Texts(spans.rows[2]),
        (std::vector<std::string>{"P3-P4", "210.00", "3.59", "4.65", "5.75", "16.73 LOW", "18.00",
                                  "-1.27 SHORT", "Ice+Wind 250D", "none", "TOO LOW by 1.27 ft"}));
    EXPECT_EQ(Texts(spans.rows[0]).back(), "OK");
    EXPECT_EQ(spans.rows[0][7].text, "+4.64");
    // Only the low span's clearance, margin and check are red, and each says so in words.
    EXPECT_EQ(Failing(spans), (std::vector<std::size_t>{205, 207, 210}));

    const auto notes = LineNotes(line, english.solution, english.units);
    ASSERT_GE(notes.size(), 3u);
    EXPECT_EQ(notes[0].text, "The line FAILS: 1 span too low.");
    EXPECT_EQ(notes[1].text,
              "Span P3-P4 is TOO LOW: its lowest clearance is 16.73 ft, 100.44 ft from P3 "
              "(Ice+Wind 250D), 1.27 ft short of the required 18.00 ft.");
    EXPECT_TRUE(notes[0].fails && notes[1].fails && !notes[2].fails);
    EXPECT_EQ(notes[2].text,
              "The line tension stays within the usable load (60 % of the rated strength) of "
              "3,990 lb at every condition.");

    // Metric: every length and force in display units, the same cells failing.
    const auto metric = test::SolveShippedLine("hilly-five-poles.cnl", true);
    EXPECT_EQ(LineHeadline(line, metric.solution, metric.units),
              "Ruling span 56.15 m   Line tension 1,987 N at 15.6 deg C");
    const ShownTable m = SpanResultsTable(line, metric.solution, metric.units);
    EXPECT_EQ(m.headings[3], "Sag at\n60 deg C (m)");
    EXPECT_EQ(Texts(m.rows[2]), (std::vector<std::string>{
                                    "P3-P4", "64.01", "1.09", "1.42", "1.75", "5.10 LOW", "5.49",
                                    "-0.39 SHORT", "Ice+Wind 250D", "none", "TOO LOW by 0.39 m"}));
    EXPECT_EQ(Failing(m), Failing(spans));
    EXPECT_EQ(LineNotes(line, metric.solution, metric.units)[1].text,
              "Span P3-P4 is TOO LOW: its lowest clearance is 5.10 m, 30.61 m from P3 "
              "(Ice+Wind 250D), 0.39 m short of the required 5.49 m.");
}

TEST(line_tables_test, the_stringing_chart_marks_the_installed_temperature_both_ways_round) {
    const auto hilly = test::SolveShippedLine("hilly-five-poles.cnl", false);
    const ShownTable chart = StringingTable(hilly.file.line, hilly.solution, hilly.units, 60.0f);
    ASSERT_EQ(chart.headings.size(), 6u);
    EXPECT_EQ(chart.headings[2], "P1-P2\n160.00 ft");
    ASSERT_EQ(chart.rows.size(), 19u);
    EXPECT_EQ(Texts(chart.rows[0]),
              (std::vector<std::string>{"-40 deg F", "710", "1.31", "1.75", "2.26", "1.48"}));
    EXPECT_EQ(Texts(chart.rows[10]),
              (std::vector<std::string>{"60 deg F *", "447", "2.08", "2.79", "3.59", "2.35"}));
    for (std::size_t r = 0; r < chart.rows.size(); ++r)
        for (const ShownCell& cell : chart.rows[r]) EXPECT_EQ(cell.marked, r == 10) << r;
    EXPECT_EQ(StringingLegend(hilly.units, 60.0f),
              "Sags in ft and the line tension in lb at each temperature; * marks the installed "
              "temperature, 60 deg F.");

    // Installed between two rows of the table: a row of its own, with the installed sags.
    const ShownTable between = StringingTable(hilly.file.line, hilly.solution, hilly.units, 65.0f);
    ASSERT_EQ(between.rows.size(), 20u);
    EXPECT_EQ(between.rows[11][0].text, "65 deg F *");
    EXPECT_EQ(between.rows[11][4].text, "3.59");
    EXPECT_EQ(between.rows[12][0].text, "70 deg F");

    // Nine spans and more: the temperatures across, one row per span under the line tension.
    LineFile longer = hilly.file;
    for (int i = 0; i < 8; ++i) {
        std::string id = "Q";
        id += std::to_string(i + 1);
        longer.line.poles.push_back({id, 100.0f, 24.0f});
        longer.line.spans.push_back({150.0f, std::nullopt});
    }
    const auto metric = test::SolveShippedLine(longer, true);
    const ShownTable across = StringingTable(longer.line, metric.solution, metric.units, 60.0f);
    ASSERT_EQ(across.headings.size(), 2u + 19u);
    EXPECT_EQ(across.headings[2], "-40\ndeg C");
    EXPECT_EQ(across.headings[12], "15.6\ndeg C *");
    ASSERT_EQ(across.rows.size(), 1u + 12u);
    EXPECT_EQ(across.rows[0][0].text, "Line tension (N)");
    EXPECT_EQ(across.rows[12][0].text, "Q7-Q8");
    EXPECT_EQ(across.rows[12][1].text, "45.72");
    for (const auto& row : across.rows)
        for (std::size_t c = 0; c < row.size(); ++c) EXPECT_EQ(row[c].marked, c == 12);
}

}  // namespace
}  // namespace cn3::line
