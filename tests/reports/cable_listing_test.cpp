// The cable listing on a recording surface: the page heading, sections by the kind the name
// gives, rows in groups of five, and a page break that repeats the heading but not the
// section title. Heading: logo 1080, "Cable Listing" at 1780, column headings from 2116,
// "Cable Description" at 2836, sections from 3126.
#include "reports/cable_listing.h"

#include <algorithm>

#include "report_fixture.h"

namespace cn3::test {
namespace {

class CableListingTest : public ReportTest {
  protected:
    std::vector<RecordedOp> listing(std::initializer_list<int> families, double height = 15840) {
        for (int f : families) program.main.Check5[static_cast<size_t>(f)].setChecked(true);
        auto surface = page(height);
        Host(PrintCableListing, surface);
        return surface.ops();
    }
};

// Strand and K5 on a page 6200 twips high: the strands, then five K5 rows; the sixth row's
// group gap brings it to 5946, where two lines no longer fit under 6200 (the last is the
// footer's). The next page repeats the heading and the section's title, "(continued)".
TEST_F(CableListingTest, a_full_page_repeats_the_heading_and_the_section_title_continued) {
    const auto ops = listing({0, 1}, 6200);
    const std::vector<Placed> expected = {{"Cable Listing", (12240 - 13 * 140) / 2, 1780, 1},
                                          {"Axial", 7300, 2116, 1},
                                          {"Cable Description", 0, 2836, 1},
                                          {"Strand Cables", 0, 3366, 1},
                                          {"1/4 EHS 6M", 0, 3666, 1},
                                          {"5/16 EHS 10M", 0, 3906, 1},
                                          {"K5 Cables", 0, 4386, 1},
                                          {"P 500", 0, 4686, 1},
                                          {"C 1000", 0, 5646, 1},
                                          {"K5 Cables (continued)", 0, 3366, 2},
                                          {"P 500 M", 0, 3606, 2},
                                          {"P 860", 0, 3846, 2},
                                          {"C 1125", 0, 4086, 2}};
    for (const auto& e : expected) {
        const Placed p = Find(ops, e.text);
        EXPECT_EQ(std::tuple(p.x, p.y, p.page), std::tuple(e.x, e.y, e.page)) << e.text;
    }
    EXPECT_EQ(Count(ops, RecordedOp::Kind::NewPage), 1);
    EXPECT_EQ(Count(ops, RecordedOp::Kind::Picture), 2);
    EXPECT_EQ(Line(ops, 2836, 2), "Cable Description|(in)|(in2)|(in)|(/F)|(lb/ft)|(lb)|(lb)");
    const auto footers = Footers(ops);
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(std::tuple(footers[0].text, footers[0].y, footers[0].page),
              std::tuple("Page 1 of 2", 6200 - 240, 1));
    EXPECT_EQ(std::tuple(footers[1].text, footers[1].x, footers[1].page),
              std::tuple("Page 2 of 2", (12240 - 1100) / 2, 2));
    EXPECT_EQ(ops.back().kind, RecordedOp::Kind::EndDoc);
}

TEST_F(CableListingTest, rows_come_in_groups_of_five_each_60_twips_below_the_last) {
    const auto ops = listing({1});
    // "K5 Cables" at 3366, then groups at 3666 and 3666 + 5 x 240 + 60; the integrated
    // messenger P 500 M is a K5 cable.
    const std::vector<std::pair<std::string, double>> rows = {
        {"P 500", 3666},  {"C 875", 3906},   {"P 750", 4146}, {"P 625", 4386},
        {"C 1000", 4626}, {"P 500 M", 4926}, {"P 860", 5166}, {"C 1125", 5406}};
    for (const auto& [name, y] : rows) EXPECT_EQ(Find(ops, name).y, y) << name;
    EXPECT_EQ(Line(ops, 3666), "P 500|0.5|0.0|0.570|0.0000128|0.0900|0|0");
    EXPECT_EQ(Find(ops, "0.0000128").x, 5900 - 900);
}

TEST_F(CableListingTest, sections_hold_the_cables_whose_names_give_their_kind) {
    program.cables.rows[13][0] = "P 999";  // a user-defined cable whose name gives a family
    program.cables.lastCableRow = 13;
    struct Case {
        const char* what;
        std::initializer_list<int> families;
        std::vector<std::string> titlesAndNames;
    };
    const Case cases[] = {
        {"an integrated messenger in its family's section",
         {1},
         {"K5 Cables", "P 500", "C 875", "P 750", "P 625", "C 1000", "P 500 M", "P 860", "C 1125"}},
        {"no title over a family without cables", {2, 4}, {"Drop Cables", "RG6 VM"}},
        {"two sections on one page",
         {0, 4},
         {"Strand Cables", "1/4 EHS 6M", "5/16 EHS 10M", "Drop Cables", "RG6 VM"}},
        {"a user cable is listed once, under User Defined",
         {1, 5},
         {"K5 Cables", "P 500", "C 875", "P 750", "P 625", "C 1000", "P 500 M", "P 860", "C 1125",
          "User Defined Cables", "P 999"}},
    };
    for (const auto& c : cases) {
        for (auto& box : program.main.Check5) box.setChecked(false);
        std::vector<std::string> left;  // what starts at the margin, below the page heading
        for (const auto& p : Placements(listing(c.families)))
            if (p.x == 0 && p.text != "Cable Description") left.push_back(p.text);
        EXPECT_EQ(left, c.titlesAndNames) << c.what;
    }
}

TEST_F(CableListingTest, with_no_family_ticked_nothing_is_printed) {
    const auto ops = listing({});
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops.front().kind, RecordedOp::Kind::EndDoc);
}

TEST_F(CableListingTest, on_a_screen_area_the_heading_clears_it_instead_of_starting_a_page) {
    // Five K5 rows would reach 4626 + 480 under a 5000-twip area: the fifth starts it afresh.
    ui::RecordingSurface area("PictureBox", 12240, 5000);
    area.setPictureSize("logo.png", 4320, 1080);
    program.main.Check5[1].setChecked(true);
    PrintCableListing(program, area);
    EXPECT_EQ(Count(area.ops(), RecordedOp::Kind::Clear), 2);
    EXPECT_EQ(Count(area.ops(), RecordedOp::Kind::NewPage), 0);
    EXPECT_EQ(Count(area.ops(), RecordedOp::Kind::EndDoc), 0);
}

}  // namespace
}  // namespace cn3::test
