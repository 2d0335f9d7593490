#include <gtest/gtest.h>

#include "app_fixture.h"

namespace cn3 {
namespace {

using test::StartedProgram;

std::vector<int> Widths(const ui::Grid& g) {
    std::vector<int> w;
    for (int c = 0; c < g.cols(); ++c) w.push_back(g.colWidth(c));
    return w;
}

std::vector<ui::Align> Aligns(const ui::Grid& g) {
    std::vector<ui::Align> a;
    for (int c = 0; c < g.cols(); ++c) a.push_back(g.colAlignment(c));
    return a;
}

constexpr auto L = ui::Align::Left;
constexpr auto R = ui::Align::Right;

TEST(grid_setup_test, selected_cables_grid_has_heading_and_bundle_rows) {
    struct Row {
        const char* settings;
        const char* diameter;
        const char* weight;
    };
    const Row rows[] = {{"English\r\n2\r\n", "Outside\n\rDiameter\n\r(in)", "Unit\n\rWeight\n\r(lb/ft)"},
                        {"Metric \r\n2\r\n", "Outside\n\rDiameter\n\r(mm)", "Unit\n\rWeight\n\r(N/m)"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        StartedProgram s(row.settings);
        const ui::Grid& g = s.start().main.Grid2;
        EXPECT_EQ(g.rows(), 2);
        EXPECT_EQ(g.fixedRows(), 1);
        EXPECT_EQ(g.fixedCols(), 1);
        EXPECT_EQ(Widths(g), (std::vector<int>{300, 1100, 900, 700}));
        EXPECT_EQ(Aligns(g), (std::vector<ui::Align>{L, L, R, R}));
        EXPECT_EQ(g.rowHeight(0), 600);
        EXPECT_EQ(g.text(0, 0), "No.");
        EXPECT_EQ(g.text(0, 1), "Selected\n\rCables");
        // The catalogue headings lose their empty first line and its break.
        EXPECT_EQ(g.text(0, 2), row.diameter);
        EXPECT_EQ(g.text(0, 3), row.weight);
        EXPECT_EQ(g.text(1, 1), "Bundle");
    }
}

TEST(grid_setup_test, temperature_grid_is_headed_in_display_units) {
    struct Row {
        const char* settings;
        std::array<const char*, 4> headings;
    };
    const Row rows[] = {
        {"English\r\n2\r\n", {"Temp\n\rdeg F", "Midspan\n\rSag (ft)", "Tension\n\r(lb)", "% Length\n\rChange"}},
        {"Metric \r\n2\r\n", {"Temp\n\rdeg C", "Midspan\n\rSag (m)", "Tension\n\r(N)", "% Length\n\rChange"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        StartedProgram s(row.settings);
        const ui::Grid& g = s.start().main.GridTemp;
        EXPECT_EQ(g.rows(), 2);
        EXPECT_EQ(g.fixedRows(), 1);
        EXPECT_EQ(g.fixedCols(), 0);
        EXPECT_EQ(Widths(g), (std::vector<int>{600, 800, 650, 900, 900}));
        EXPECT_EQ(Aligns(g), (std::vector<ui::Align>{R, R, R, R, R}));
        EXPECT_EQ(g.rowHeight(0), 450);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(g.text(0, c), row.headings[static_cast<size_t>(c)]);
    }
}

TEST(grid_setup_test, catalogue_grid_shows_every_row_down_to_the_separator) {
    StartedProgram s;
    Program& p = s.start();
    const ui::Grid& g = p.main.Grid1;
    const int separator = test::kFixtureCableRows + 1;
    EXPECT_EQ(p.cables.userSeparatorRow, separator);
    EXPECT_EQ(g.rows(), separator + 1);
    EXPECT_EQ(g.fixedRows(), 1);
    EXPECT_EQ(g.fixedCols(), 1);
    EXPECT_EQ(Widths(g), (std::vector<int>{1700, 800, 900, 800, 800, 800, 900, 600}));
    EXPECT_EQ(Aligns(g), (std::vector<ui::Align>{L, R, R, R, R, R, R, R}));
    EXPECT_EQ(g.rowHeight(0), 800);
    EXPECT_EQ(g.rowHeight(2), ui::Grid::kDefaultRowHeight);
    EXPECT_EQ(g.rowHeight(separator), 400);
    EXPECT_EQ(g.text(separator, 0), "User Defined\n\rCables");
    EXPECT_EQ(g.text(0, 3), "\n\rOutside\n\rDiameter\n\r(in)");
    EXPECT_EQ(g.text(0, 0), "\n\rCable\n\rName\n\r");
    for (int c = 0; c < 8; ++c) EXPECT_EQ(g.text(1, c), "") << "the blank catalogue line stays an empty row";
}

TEST(grid_setup_test, only_cable_rows_are_shown_through_the_unit_conversion) {
    struct Row {
        const char* name;
        const char* settings;
        int row, col;
        const char* expected;
    };
    const Row rows[] = {
        {"name unchanged", "English\r\n2\r\n", 2, 0, "1/4 EHS 6M"},
        {"size", "English\r\n2\r\n", 2, 1, "0.25"},
        {"diameter", "English\r\n2\r\n", 2, 3, "0.240"},
        {"small coefficient", "English\r\n2\r\n", 2, 4, "0.0000064"},
        {"stiffness grouped", "English\r\n2\r\n", 2, 6, "950,400"},
        {"zero figures stay", "English\r\n2\r\n", 3, 6, "0"},
        {"metric size", "Metric \r\n2\r\n", 2, 1, "6.35"},
        {"metric diameter", "Metric \r\n2\r\n", 2, 3, "6.096"},
        {"metric weight", "Metric \r\n2\r\n", 2, 5, "1.7659"},
        {"metric strength", "Metric \r\n2\r\n", 2, 7, "29,581"},
        {"first figure 0: as written", "Metric \r\n2\r\n", 4, 3, "0.240"},
        {"first figure 0: grouping not added", "Metric \r\n2\r\n", 4, 6, "950400"},
        {"metric heading from the metric row", "Metric \r\n2\r\n", 0, 5, "\n\rUnit\n\rWeight\n\r(N/m)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s(row.settings);
        Program& p = s.start();
        EXPECT_EQ(p.main.Grid1.text(row.row, row.col), row.expected);
    }
    // The table itself keeps internal units.
    StartedProgram metric("Metric \r\n2\r\n");
    EXPECT_EQ(metric.start().cables.rows[2][field::kDiameter], "0.240");
}

TEST(grid_setup_test, every_row_gets_its_kind_code) {
    StartedProgram s;
    s.folder.write("CABLEADD.TXT", "P 750\t1\t0\t0.84\t0\t0.17\t0\t0\t\r\n");
    Program& p = s.start();
    const auto kind = [&](int row) { return p.cables.rows[static_cast<size_t>(row)][field::kKindCode]; };
    EXPECT_EQ(kind(0), "255");  // headings
    EXPECT_EQ(kind(1), "255");  // the blank line
    EXPECT_EQ(kind(2), "0");    // EHS strand
    EXPECT_EQ(kind(3), "1");    // "P" coax
    EXPECT_EQ(kind(6), "5");    // user-defined, whatever its name says
}

}  // namespace
}  // namespace cn3
