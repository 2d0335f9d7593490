// The report's charts page: with "Show Charts" clear the report is exactly what it is without
// the charts, whatever the solution; ticked, a second page follows with the title, both
// pictures and the check line, and the printed loading table frames the tensions over the
// usable load without moving anything.
#include "reports/charts_page.h"

#include <algorithm>
#include <memory>
#include <tuple>

#include "engine/span_solution.h"
#include "report_fixture.h"
#include "reports/span_report.h"

namespace cn3::test {
namespace {

class ChartsPageTest : public ReportTest {
  protected:
    // A solution made by hand: 150 ft at 3 ft, 1/4 EHS (usable 3,990 lbs), rows 1 and 2 of the
    // table at the given tensions.
    void solution(float row1Tension, float row2Tension) {
        auto s = std::make_shared<SpanSolution>();
        s->inputs.span = 150;
        s->inputs.sag = 3;
        s->inputs.installedTemperature = 60;
        s->installed.tension = 1234;
        s->support.breakingStrength = 6650;
        s->installed.usableLoad = 3990;
        for (int i = 0; i < kTemperatureRows; ++i)
            s->temperatures[size_t(i)] = {-40 + 10 * i, 2.5f + 0.05f * float(i),
                                          1500 - 20.0f * float(i), 0, 0};
        for (int c = 0; c < kConditions; ++c) s->conditions[size_t(c)].sag = 3.5f + 0.2f * float(c);
        s->conditions[0].tension = row1Tension;
        s->conditions[1].tension = row2Tension;
        program.shownSolution = std::move(s);
    }
    std::vector<RecordedOp> report(bool nesc, bool charts) {
        program.main.Check3.setChecked(nesc);
        program.main.Check4.setChecked(true);
        program.main.ShowCharts.setChecked(charts);
        auto surface = page();
        Host(PrintSpanReport, surface);
        return surface.ops();
    }
    // What a page body prints and where: no frames, footers or end of the document.
    static std::vector<std::tuple<RecordedOp::Kind, std::string, double, double>> body(
        const std::vector<RecordedOp>& ops) {
        std::vector<std::tuple<RecordedOp::Kind, std::string, double, double>> out;
        for (const auto& op : ops)
            if (op.kind != RecordedOp::Kind::Rectangle && op.kind != RecordedOp::Kind::EndDoc &&
                !IsFooter(op))
                out.emplace_back(op.kind, op.text, op.x, op.y);
        return out;
    }
};

size_t Count(const std::vector<RecordedOp>& ops, RecordedOp::Kind kind, size_t points = 0) {
    return size_t(std::count_if(ops.begin(), ops.end(), [&](const RecordedOp& op) {
        return op.kind == kind && (points == 0 || op.points.size() == points);
    }));
}

bool Printed(const std::vector<RecordedOp>& ops, const std::string& text) {
    return std::any_of(ops.begin(), ops.end(),
                       [&](const RecordedOp& op) { return op.text == text; });
}

// With the box clear, a solution within or over the usable load prints the very same
// operations as a worksheet with no solution to chart: one page, texts only.
TEST_F(ChartsPageTest, with_show_charts_clear_the_report_is_as_it_was) {
    struct Row {
        const char* name;
        float row1, row2;
    };
    for (bool nesc : {false, true}) {
        program.shownSolution.reset();
        const auto without = report(nesc, false);
        for (const Row& r : {Row{"within", 2000, 1500}, Row{"over", 5000, 4200}}) {
            solution(r.row1, r.row2);
            const auto ops = report(nesc, false);
            EXPECT_EQ(body(ops), body(without)) << r.name << nesc;
            EXPECT_EQ(Count(ops, RecordedOp::Kind::NewPage) +
                          Count(ops, RecordedOp::Kind::Rectangle) +
                          Count(ops, RecordedOp::Kind::Polyline),
                      0u)
                << r.name << nesc;
        }
    }
}

// Ticked, the first page prints the same texts at the same places, the over-limit tensions
// framed; the second page holds the title, the temperature chart (sag and tension, 19 points
// each), the check line and the profile (the installed cable and the two drawn rows).
TEST_F(ChartsPageTest, show_charts_adds_a_page_with_both_pictures_and_the_check_line) {
    struct Row {
        const char* name;
        float row1, row2;
        size_t framed;
        const char* check;
    };
    const Row rows[] = {
        {"within", 2000, 1500, 0,
         "Installed, -40 to 140 and every shown loading are within the usable load of 3,990 "
         "lbs; the highest tension is 2,000 lbs (Rule 251 - Light)."},
        {"over", 5000, 4200, 2,
         "Over the usable load of 3,990 lbs: Rule 251 - Light by 1,010 lbs (the worst), Ice 32F "
         "by 210 lbs."}};
    for (const Row& r : rows) {
        program.spanRecord.selectedDistrict = 2;
        solution(r.row1, r.row2);
        const auto ops = report(true, true);
        const auto footers = Footers(ops);
        EXPECT_EQ(std::tuple(footers.size(), footers.back().text), std::tuple(2u, "Page 2 of 2"));
        const auto newPage = std::find_if(ops.begin(), ops.end(), [](const RecordedOp& op) {
            return op.kind == RecordedOp::Kind::NewPage;
        });
        ASSERT_NE(newPage, ops.end()) << r.name;
        std::vector<RecordedOp> first(ops.begin(), newPage), second(newPage, ops.end());
        EXPECT_EQ(body(first), body(report(true, false))) << r.name;
        EXPECT_EQ(Count(first, RecordedOp::Kind::Rectangle), r.framed) << r.name;
        for (const std::string& text : {std::string(kChartsPageTitle),
                                       std::string("Sag and Tension against Temperature"),
                                       std::string("Span Profile"), std::string(r.check)})
            EXPECT_TRUE(Printed(second, text)) << r.name << ": " << text;
        EXPECT_EQ(Count(second, RecordedOp::Kind::Polyline, 19), 2u) << r.name;
        EXPECT_EQ(Count(second, RecordedOp::Kind::Polyline, 41), 3u) << r.name;
        EXPECT_EQ(second.back().kind, RecordedOp::Kind::EndDoc);
        for (const auto& op : second)
            for (const auto& p : op.points)
                EXPECT_TRUE(p.x >= 0 && p.x <= 12240 && p.y >= 0 && p.y <= 15840)
                    << "on the page: " << r.name;
    }
}

TEST_F(ChartsPageTest, with_nothing_computed_the_charts_page_says_so) {
    program.shownSolution.reset();
    const auto ops = report(false, true);
    EXPECT_EQ(Count(ops, RecordedOp::Kind::NewPage), 1u);
    EXPECT_TRUE(Printed(ops, "There are no results to chart."));
    EXPECT_EQ(Count(ops, RecordedOp::Kind::Polyline), 0u);
}

}  // namespace
}  // namespace cn3::test
