// The pager on a recording surface: the one page-full rule (the last line height of the page
// is the footer's), blocks kept together, the continuation heading and footer of every page,
// and the page count that the host's measuring run gives the job.
#include "reports/pager.h"

#include <algorithm>

#include "report_fixture.h"
#include "reports/span_report.h"

namespace cn3::test {
namespace {

// A job of `lines` 10-point lines with a footer "Page n of m" and a continuation title.
struct Lines {
    int lines;
    void operator()(ui::Surface& s) const {
        s.setFontSize(10);
        Pager pager(s, {[](ui::Surface& page) { page.print("More lines"); },
                        [](ui::Surface& page, int n, int m) {
                            page.setCurrentX(0);
                            page.setCurrentY(page.scaleHeight() - page.textHeight());
                            page.print("Page " + std::to_string(n) + " of " + std::to_string(m));
                        }});
        for (int i = 1; i <= lines; ++i) {
            if (!pager.roomForLines(1)) pager.newPage();
            s.print("line " + std::to_string(i));
        }
        pager.finish();
    }
};

// A page 2400 high holds nine body lines (0 to 1920) above the footer's line at 2160.
TEST(pager_test, a_page_is_full_when_the_next_line_would_reach_the_footers_line) {
    ui::RecordingSurface surface("Printer", 12240, 2400);
    ui::RunPrintJob(Lines{20}, surface);
    EXPECT_EQ(surface.pageCount(), 3);
    const auto placed = Placements(surface.ops());
    const std::vector<Placed> expected = {{"line 9", 0, 1920, 1},   {"Page 1 of 3", 0, 2160, 1},
                                          {"More lines", 0, 0, 2},  {"line 10", 0, 240, 2},
                                          {"line 17", 0, 1920, 2},  {"Page 2 of 3", 0, 2160, 2},
                                          {"line 18", 0, 240, 3},   {"Page 3 of 3", 0, 2160, 3}};
    auto all = placed;
    const auto footers = Footers(surface.ops());
    all.insert(all.end(), footers.begin(), footers.end());
    for (const auto& e : expected) {
        const auto p = std::find_if(all.begin(), all.end(), [&](const Placed& a) { return a.text == e.text; });
        ASSERT_NE(p, all.end()) << e.text;
        EXPECT_EQ(std::tuple(p->x, p->y, p->page), std::tuple(e.x, e.y, e.page)) << e.text;
    }
    EXPECT_EQ(placed.size(), 20u + 2);
    EXPECT_EQ(footers.size(), 3u);
    EXPECT_EQ(surface.ops().back().kind, RecordedOp::Kind::EndDoc) << "ended by the host";
    EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::EndDoc), 1);
}

TEST(pager_test, a_block_goes_whole_to_a_new_page_unless_it_is_taller_than_a_page) {
    struct Case {
        const char* what;
        double startY;
        int lines;
        int newPages;
        double firstLineY;
    };
    const Case cases[] = {
        {"ends on the page", 1000, 4, 0, 1000},            // last line ends at 1960 <= 2160
        {"would reach the footer: moves", 1000, 5, 1, 0},  // 2200 > 2160
        {"taller than a page at the top: printed there", 0, 12, 0, 0},
    };
    for (const auto& c : cases) {
        ui::RecordingSurface surface("Printer", 12240, 2400);
        surface.setFontSize(10);
        Pager pager(surface);
        surface.setCurrentY(c.startY);
        pager.keepTogether([&](ui::Surface& s) {
            for (int i = 0; i < c.lines; ++i) s.print("x");
        });
        EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::NewPage), c.newPages) << c.what;
        EXPECT_EQ(surface.texts().front().y, c.firstLineY) << c.what;
    }
}

// Lines, rectangles and polylines count as well as text: a frame drawn below the last text.
TEST(pager_test, a_block_is_measured_by_its_drawing_too) {
    ui::RecordingSurface surface("Printer", 12240, 2400);
    surface.setFontSize(10);
    Pager pager(surface);
    surface.setCurrentY(1000);
    const auto drawing = [](double bottom) {
        return [bottom](ui::Surface& s) {
            s.print("x");
            s.line(0, 1000, 100, bottom, {});
        };
    };
    EXPECT_EQ(BlockBottom(surface, drawing(2000)), 2000);
    pager.keepTogether(drawing(2100));
    EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::NewPage), 0);
    pager.keepTogether([](ui::Surface& s) { s.polyline({{0, 0}, {0, 2300}}, {}); });
    EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::NewPage), 1);
    surface.setCurrentY(500);
    pager.keepTogether([](ui::Surface& s) { s.rectangle(0, 600, 100, 2200, {}); });
    EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::NewPage), 2);
}

class PagedReportTest : public ReportTest {};

// Twenty cables with both tables overflow one page: the host counts two, and the job printed
// with that count knows it.
TEST_F(PagedReportTest, the_host_counts_the_pages_of_a_report_that_overflows) {
    select(std::vector<std::string>(20, "P 500"));
    program.main.Check3.setChecked(true);
    program.main.Check4.setChecked(true);
    for (const auto& [charts, pages] : {std::pair(false, 2), std::pair(true, 3)}) {
        program.main.ShowCharts.setChecked(charts);
        auto surface = page();
        int seen = -1;
        ui::RunPrintJob(
            [&](ui::Surface& s) {
                PrintSpanReport(program, s);
                seen = s.pageCount();
            },
            surface);
        EXPECT_EQ(surface.pageCount(), pages) << charts;
        EXPECT_EQ(seen, pages) << "the printing run knows the count: " << charts;
        EXPECT_EQ(Count(surface.ops(), RecordedOp::Kind::NewPage), pages - 1) << charts;
    }
}

}  // namespace
}  // namespace cn3::test
