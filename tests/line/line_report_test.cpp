// The line report on recorded Letter pages: the hilly example and a fifty-span line over hills,
// English and metric, at page heights from 9,000 to 17,000 twips. Nothing prints over anything
// else, off the paper or into the foot; every page says "Page n of m", every later page names
// the report, the project and the line, and a table broken over a page goes on "(continued)"
// under its headings. Failing cells are framed red and said in words.
#include "line/line_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/chart_parts.h"
#include "shipped_line.h"
#include "support/printed_boxes.h"
#include "ui/print_job.h"

namespace cn3::line {
namespace {

using ui::RecordedOp;

LineReport Report(const test::SolvedLine& solved) {
    LineReport r;
    r.projectName = "Tower Road";
    r.date = "12/06/26";
    r.notes = std::string(40, 'n') + " and a long note that wraps over the width of the page " +
              std::string(200, 'x');
    r.lineName = "run.cnl";
    r.logoPath = "logo.png";
    r.line = solved.file.line;
    r.worksheet = solved.file.worksheet;
    r.solution = solved.solution;
    r.units = solved.units;
    return r;
}

std::vector<RecordedOp> Printed(const LineReport& report, double height) {
    ui::RecordingSurface pages("Printer", 12240, height);
    pages.setPictureSize("logo.png", 4320, 1080);
    ui::RunPrintJob(LineReportJob(report), pages);
    return pages.ops();
}

// The texts of page `page` (from 1), in order.
std::vector<std::string> PageTexts(const std::vector<RecordedOp>& ops, int page) {
    std::vector<std::string> texts;
    int at = 1;
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::NewPage) ++at;
        if (at == page && op.kind == RecordedOp::Kind::Text) texts.push_back(op.text);
    }
    return texts;
}

TEST(line_report_test, pages_are_numbered_headed_and_overlap_nothing_at_every_height) {
    const std::vector<test::SolvedLine> lines = {
        test::SolveShippedLine("hilly-five-poles.cnl", false),
        test::SolveShippedLine("hilly-five-poles.cnl", true),
        test::SolveShippedLine(test::GeneratedLine(50, true, 20), false),
        test::SolveShippedLine(test::GeneratedLine(50, true, 20), true)};
    for (const auto& solved : lines)
        for (double height = 9000; height <= 17000; height += 1000) {
            const auto ops = Printed(Report(solved), height);
            const std::string where = std::to_string(solved.file.line.spans.size()) + " spans, " +
                                      (solved.units.metricUnits ? "metric" : "English") +
                                      ", height " + std::to_string(height);
            EXPECT_EQ(test::Faults(ops, 12240, height), std::vector<std::string>()) << where;
            const int pages = 1 + static_cast<int>(std::count_if(
                                      ops.begin(), ops.end(), [](const RecordedOp& op) {
                                          return op.kind == RecordedOp::Kind::NewPage;
                                      }));
            for (const test::Box& box : test::Boxes(ops)) {
                if (box.text.starts_with("Page ")) continue;
                ASSERT_LE(box.bottom, height - 240) << box.text << ", " << where;
            }
            for (int page = 1; page <= pages; ++page) {
                const auto texts = PageTexts(ops, page);
                ASSERT_FALSE(texts.empty()) << where;
                EXPECT_EQ(texts.back(),
                          "Page " + std::to_string(page) + " of " + std::to_string(pages))
                    << where;
                if (page > 1) {
                    EXPECT_EQ(texts.front(),
                              "Catenova  Release 3.1 Pole Line Report - Tower Road - run.cnl")
                        << where;
                }
            }
            // A table a page holds is never broken; fifty spans on short pages go on.
            const bool continues = solved.file.line.spans.size() == 50 && height <= 14000;
            const auto all = test::Boxes(ops);
            for (const char* continued :
                 {"Poles and Spans (continued)", "Span Results (continued)"})
                EXPECT_EQ(std::any_of(all.begin(), all.end(),
                                      [&](const test::Box& b) { return b.text == continued; }),
                          continues)
                    << continued << ", " << where;
        }
}

TEST(line_report_test, the_hilly_examples_low_span_is_framed_red_and_said_in_words) {
    const auto ops = Printed(Report(test::SolveShippedLine("hilly-five-poles.cnl", true)), 15840);
    // The clearance, the margin and the check of P3-P4: three red frames round three texts.
    int frames = 0;
    for (const RecordedOp& op : ops)
        if (op.kind == RecordedOp::Kind::Rectangle && op.colour == kRed) ++frames;
    EXPECT_EQ(frames, 3);
    const auto page1 = PageTexts(ops, 1);
    for (const char* said :
         {"5.10 LOW", "-0.39 SHORT", "TOO LOW by 0.39 m", "The line FAILS: 1 span too low.",
          "Ruling span 56.15 m   Line tension 1,987 N at 15.6 deg C",
          "Project: Tower Road     Date: 12/06/26     Line: run.cnl"})
        EXPECT_NE(std::find(page1.begin(), page1.end(), said), page1.end()) << said;
    // The installed temperature's row of the stringing chart is marked in words and shading.
    const auto all = test::Boxes(ops);
    EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                            [](const test::Box& b) { return b.text == "15.6 deg C *"; }));
}

}  // namespace
}  // namespace cn3::line
