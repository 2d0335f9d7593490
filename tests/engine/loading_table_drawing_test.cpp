// The "NESC RESULTS" table on a recording surface (a character is size*10 twips wide, a line
// size*24 twips high): column places in both modes, the rows each tick state draws, the
// optional columns and the headings with their units.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/loading_table_drawing.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using ui::RecordedOp;
using ui::RecordingSurface;

class LoadingTableDrawingTest : public EngineTest {
protected:
    LoadingTableDrawingTest() {
        // Fixed numbers, so that each value is known without solving anything.
        const float row[11] = {0, 0.62f, 4, 1.234f, 5.678f, 1234, 0.12f, 1.5f, 2.1f, 3.2f, 33.3f};
        for (int r = 1; r <= 5; ++r)
            for (int k = 0; k < 11; ++k) program.loadingResults.at(r, k) = row[k];
        for (int r = 1; r <= 5; ++r) {
            program.loadingResults.at(r, 18) = 0.25f * static_cast<float>(r);
            program.loadingResults.at(r, 19) = 4.0f;
        }
        program.loadingResults.at(0, 18) = 3;
        program.loadingResults.formats[18] = "##.00";
        program.loadingResults.formats[19] = "##.0";
        program.main.Text9[2].setText("50");
    }

    std::vector<RecordedOp> draw(int mode, RecordingSurface& surface) {
        DrawLoadingTable(program, surface, mode);
        return surface.texts();
    }
    std::vector<RecordedOp> draw(int mode) {
        surface.forget();
        return draw(mode, surface);
    }
    static std::optional<RecordedOp> find(const std::vector<RecordedOp>& ops, const std::string& text) {
        for (const auto& op : ops)
            if (op.text == text) return op;
        return std::nullopt;
    }
    // The texts printed at one height, left to right as drawn.
    static std::vector<std::string> line(const std::vector<RecordedOp>& ops, double y) {
        std::vector<std::string> out;
        for (const auto& op : ops)
            if (op.y == y) out.push_back(op.text);
        return out;
    }
    void tick(bool point, bool vector) {
        program.main.Check1[0].setChecked(point);
        program.main.Check1[1].setChecked(vector);
    }

    RecordingSurface surface;
};

// Heights: title 0 (12 pt), heading lines 288, 432, 576, 720 (6 pt), first row 924.
constexpr double kFourthLine = 720, kFirstRow = 924, kSecondRow = 1164;

TEST_F(LoadingTableDrawingTest, column_edges_in_both_modes) {
    const auto screen = LoadingTableColumns(kScreenTable);
    const auto printed = LoadingTableColumns(kPrintedTable);
    const short screenEdges[] = {150, 1750, 2250, 2950, 3550, 4250, 4750, 5450, 6150, 7350, 7850, 8350, 8850};
    const short printedEdges[] = {150, 1750, 2250, 4250, 4850, 5550, 6050, 6750, 7450, 8650, 9150, 9650, 10150};
    for (size_t c = 0; c <= 12; ++c) {
        EXPECT_EQ(screen[c], screenEdges[c]) << c;
        EXPECT_EQ(printed[c], printedEdges[c]) << c;
    }
    EXPECT_EQ(printed[18], 2900);
    EXPECT_EQ(printed[19], 3550);
    EXPECT_EQ(printed[20], 4200);
}

TEST_F(LoadingTableDrawingTest, title_and_headings_are_centred_on_their_columns) {
    tick(true, true);
    const auto ops = draw(kScreenTable);
    const auto title = find(ops, "NESC RESULTS");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 150 + (8700 - 1440) / 2);
    EXPECT_EQ(title->y, 0);
    EXPECT_TRUE(title->bold);
    EXPECT_EQ(title->fontSize, 12);

    struct Piece { const char* text; double x, y; };
    const Piece pieces[] = {
        {"Condition", 150 + (1600 - 540) / 2, 576}, {"Ice", 2250 + (700 - 180) / 2, 432},
        {"Horz", 2950 + (600 - 240) / 2, 288},      {"50", 6150 + (1200 - 120) / 2, 576},
        {"Deg", 8350 + (500 - 180) / 2, kFourthLine},
    };
    for (const auto& p : pieces) {
        const auto op = find(ops, p.text);
        ASSERT_TRUE(op) << p.text;
        EXPECT_EQ(op->x, p.x) << p.text;
        EXPECT_EQ(op->y, p.y) << p.text;
        EXPECT_EQ(op->fontSize, 6) << p.text;
        EXPECT_FALSE(op->bold) << p.text;
    }
}

TEST_F(LoadingTableDrawingTest, headings_end_with_the_display_units) {
    tick(true, true);
    EXPECT_EQ(line(draw(kScreenTable), kFourthLine),
              (std::vector<std::string>{"F", "lb/ft", "lb/ft", "lb/ft", "ft", "lbs", "Conditions", "ft",
                                        "ft", "ft", "Deg"}));
    metric();
    EXPECT_EQ(line(draw(kScreenTable), kFourthLine),
              (std::vector<std::string>{"C", "kg/m", "N/m", "kg/m", "m", "N", "Conditions", "m", "m",
                                        "m", "Deg"}));
    EXPECT_EQ(line(draw(kPrintedTable), kFourthLine),
              (std::vector<std::string>{"C", "kg/m", "N/m", "kg/m", "m", "N", "Conditions", "m", "m",
                                        "m", "Deg", "mm", "kg/m"}));
}

TEST_F(LoadingTableDrawingTest, rows_follow_the_user_loading_ticks_and_never_show_record_4) {
    struct Row { bool user1, user2; std::vector<std::string> labels; std::vector<double> heights; };
    const Row rows[] = {
        {false, false, {"Rule 251 - Heavy        ", "Extreme Wind "}, {kFirstRow, kSecondRow}},
        {true, false, {"Rule 251 - Heavy        ", "Extreme Wind ", "Hot Summer   "}, {kFirstRow, kSecondRow, 1464}},
        {true, true,
         {"Rule 251 - Heavy        ", "Extreme Wind ", "Hot Summer   ", "Glaze        "},
         {kFirstRow, kSecondRow, 1464, 1704}},
    };
    for (const auto& r : rows) {
        program.loading.Check1[0].setChecked(r.user1);
        program.loading.Check1[1].setChecked(r.user2);
        std::vector<std::string> labels;
        std::vector<double> heights;
        for (const auto& op : draw(kScreenTable))
            if (op.x == 150 && op.fontSize == 10) {
                labels.push_back(op.text);
                heights.push_back(op.y);
            }
        EXPECT_EQ(labels, r.labels);
        EXPECT_EQ(heights, r.heights);
        EXPECT_FALSE(find(draw(kPrintedTable), "Never Shown  "));
    }
}

TEST_F(LoadingTableDrawingTest, values_use_the_columns_kinds_and_patterns_without_units) {
    struct Case { bool point, vector; int mode; std::vector<std::string> values; };
    const Case cases[] = {
        {false, false, kScreenTable, {"Rule 251 - Heavy        ", "0", "0.620", "4.0", "1.234", "5.68", "1,234", "0.12"}},
        {true, false, kScreenTable, {"Rule 251 - Heavy        ", "0", "0.620", "4.0", "1.234", "5.68", "1,234", "0.12", "1.50"}},
        {false, true, kScreenTable,
         {"Rule 251 - Heavy        ", "0", "0.620", "4.0", "1.234", "5.68", "1,234", "0.12", "2.10", "3.20", "33.3"}},
        {true, true, kPrintedTable,
         {"Rule 251 - Heavy        ", "0", "0.620", "4.0", "1.234", "5.68", "1,234", "0.12", "1.50", "2.10",
          "3.20", "33.3", ".25", "4.0"}},
    };
    for (const auto& c : cases) {
        tick(c.point, c.vector);
        EXPECT_EQ(line(draw(c.mode), kFirstRow), c.values) << c.point << c.vector << c.mode;
    }
}

TEST_F(LoadingTableDrawingTest, printer_is_not_cleared_and_the_table_starts_where_the_report_is) {
    RecordingSurface printer("Printer");
    printer.setCurrentY(5000);
    const auto ops = draw(kPrintedTable, printer);
    EXPECT_EQ(printer.ops().front().kind, RecordedOp::Kind::Text);
    EXPECT_EQ(find(ops, "NESC RESULTS")->y, 5000);
    EXPECT_EQ(find(ops, "Rule 251 - Heavy        ")->y, 5000 + kFirstRow);
    EXPECT_EQ(find(ops, "Thick")->x, 2900 + (650 - 300) / 2);  // 6 pt in the wide gap
    EXPECT_EQ(find(ops, ".25")->x, 2900 + (650 - 300) / 2);    // 10 pt under it
    EXPECT_EQ(find(ops, "4.0")->x, 4250 + (600 - 300) / 2);    // wind moved right

    surface.setCurrentY(3000);
    draw(kScreenTable, surface);
    EXPECT_EQ(surface.ops().front().kind, RecordedOp::Kind::Clear);
    EXPECT_EQ(find(surface.texts(), "NESC RESULTS")->y, 0);
}

}  // namespace
}  // namespace cn3::test
