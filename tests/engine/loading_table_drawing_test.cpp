// The "NESC RESULTS" table on a recording surface (a character is size*10 twips wide, a line
// size*24 twips high): where the title, headings and values go in both modes, the rows each
// tick state draws, the optional columns and the headings' units.
#include <algorithm>
#include <map>
#include <tuple>

#include "engine/loading_table_drawing.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using ui::RecordedOp;

// Heights: title 0 (12 pt), heading lines 288, 432, 576, 720 (6 pt), first row 924.
constexpr double kFourthLine = 720, kFirstRow = 924;

class LoadingTableDrawingTest : public EngineTest {
protected:
    LoadingTableDrawingTest() {
        // Fixed numbers in every row, so that each value is known without solving anything,
        // then the columns' unit kinds in row 0.
        auto& results = program.loadingResults;
        // clang-format off
        results.values.fill({0, 0.62f, 4, 1.234f, 5.678f, 1234, 0.12f, 1.5f, 2.1f, 3.2f, 33.3f, 0, 0, 0, 0, 0, 0, 0, 0.25f, 4});
        results.values[0] = {1, 8, 7, 8, 4, 2, 0, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0};
        results.formats = {"##0", "#0.000", "#0.0", "#0.000", "##0.00", "##,##0", "#0.00", "##0.00", "##0.00", "##0.00",
                           "#0.0", "", "", "", "", "", "", "", "##.00", "##.0"};
        // clang-format on
        program.main.Text9[2].setText("50");
    }
    // Everything drawn on a new picture, or on a printer where the report has reached 5000 twips.
    std::vector<RecordedOp> draw(int mode, bool point = true, bool vector = true, bool printer = false) {
        program.main.Check1[0].setChecked(point);
        program.main.Check1[1].setChecked(vector);
        ui::RecordingSurface surface(printer ? "Printer" : "PictureBox");
        surface.setCurrentY(printer ? 5000 : 0);
        DrawLoadingTable(program, surface, mode);
        return surface.ops();
    }
    // The texts printed at one height, left to right as drawn, joined by "|".
    static std::string line(const std::vector<RecordedOp>& ops, double y) {
        std::string out;
        for (const auto& op : ops)
            if (op.y == y) out += (out.empty() ? "" : "|") + op.text;
        return out;
    }
};

// The ice load is centred on 700 twips whatever its gap and the point heading shows the entry.
// The printer is not cleared and the table starts where the report is; on paper the ice
// thickness (6 pt heading, 10 pt value) sits in the wide gap and the wind moves right.
TEST_F(LoadingTableDrawingTest, title_headings_and_values_are_centred_on_their_columns) {
    const auto screen = draw(kScreenTable), paper = draw(kPrintedTable, true, true, true);
    EXPECT_TRUE(screen.front().kind == RecordedOp::Kind::Clear && paper.front().kind == RecordedOp::Kind::Text);
    struct Piece { bool printed; const char* text; double x, y; bool bold; double size; };
    // clang-format off
    const Piece pieces[] = {
        {false, "NESC RESULTS", 150 + (8700 - 1440) / 2, 0, true, 12}, {false, "Condition", 150 + (1600 - 540) / 2, 576, false, 6},
        {false, "Ice", 2250 + (700 - 180) / 2, 432, false, 6},         {false, "50", 6150 + (1200 - 120) / 2, 576, false, 6},
        {true, "NESC RESULTS", 150 + (10000 - 1440) / 2, 5000, true, 12}, {true, "Thick", 2900 + (650 - 300) / 2, 5576, false, 6},
        {true, ".25", 2900 + (650 - 300) / 2, 5000 + kFirstRow, false, 10}, {true, "4.0", 4250 + (600 - 300) / 2, 5924, false, 10},
        // the ice load column is 700 wide on screen and on paper, though its gap on paper is 2000
        {false, "0.620", 2250 + (700 - 500) / 2, kFirstRow, false, 10}, {true, "Ice", 2250 + (700 - 180) / 2, 5432, false, 6},
        {true, "0.620", 2250 + (700 - 500) / 2, 5000 + kFirstRow, false, 10}};
    // clang-format on
    for (const auto& p : pieces) {
        const auto& ops = p.printed ? paper : screen;
        const auto op = std::find_if(ops.begin(), ops.end(), [&](const auto& o) { return o.text == p.text; });
        ASSERT_NE(op, ops.end()) << p.text << (p.printed ? " on paper" : " on screen");
        EXPECT_EQ(std::tuple(op->x, op->y, op->bold, op->fontSize),
                  std::tuple(p.x, p.y, p.bold, p.size))
            << p.text << (p.printed ? " on paper" : " on screen");
    }
    EXPECT_EQ(line(screen, kFourthLine), "F|lb/ft|lb/ft|lb/ft|ft|lbs|Conditions|ft|ft|ft|Deg");
    program.units.metricUnits = 1;
    EXPECT_EQ(line(draw(kPrintedTable), kFourthLine), "C|kg/m|N/m|kg/m|m|N|Conditions|m|m|m|Deg|mm|kg/m");
}

// Record 4 is worked out but never shown; the user loadings start one gap lower.
TEST_F(LoadingTableDrawingTest, rows_follow_the_user_loading_ticks_and_never_show_record_4) {
    const std::string more[3] = {"", "Hot Summer   @1464|", "Hot Summer   @1464|Glaze        @1704|"};
    for (int user = 0; user <= 2; ++user) {
        program.loading.Check1[0].setChecked(user > 0);
        program.loading.Check1[1].setChecked(user > 1);
        std::string labels;
        for (const auto& op : draw(kPrintedTable))
            if (op.x == 150 && op.fontSize == 10) labels += op.text + "@" + std::to_string(int(op.y)) + "|";
        EXPECT_EQ(labels, "Rule 251 - Light        @924|Extreme Wind @1164|" + more[user]);
    }
}

TEST_F(LoadingTableDrawingTest, values_use_the_columns_kinds_and_patterns_without_units) {
    const std::string always = "Rule 251 - Light        |0|0.620|4.0|1.234|5.68|1,234|0.12";
    struct Case {
        const char* what;
        bool point, vector;
        int mode;
        const char* more;
    };
    const Case cases[] = {
        {"point on screen", true, false, kScreenTable, "|1.50"},
        {"vector on screen", false, true, kScreenTable, "|2.10|3.20|33.3"},
        {"both on paper", true, true, kPrintedTable, "|1.50|2.10|3.20|33.3|.25|4.0"}};
    for (const auto& c : cases)
        EXPECT_EQ(line(draw(c.mode, c.point, c.vector), kFirstRow), always + c.more) << c.what;
}

// Values far wider than their columns (a span of miles, tensions of millions of pounds) and a
// long district label under metric display: no text of a row runs into the next one, rows stay
// on their lines, and a value that fits is printed as before.
TEST_F(LoadingTableDrawingTest, values_too_wide_for_their_columns_shrink_and_never_overprint) {
    auto& results = program.loadingResults;
    for (int r = 1; r <= 5; ++r) {
        results.at(r, 0) = -9.4f;
        results.at(r, 4) = 123456.78f;
        results.at(r, 5) = 362500000.0f;
        results.at(r, 8) = 98765.43f;
    }
    program.loadings[1].name = "Medium       ";
    program.spanRecord.selectedDistrict = 1;
    for (int mode : {kScreenTable, kPrintedTable}) {
        const auto ops = draw(mode);
        ui::RecordingSurface measure("PictureBox");
        std::map<double, std::vector<std::pair<double, double>>> rows;  // y: [left, right) of each text
        for (const auto& op : ops) {
            if (op.kind != RecordedOp::Kind::Text || op.y < kFirstRow) continue;
            measure.setFontSize(op.fontSize);
            const std::string shown = op.text.substr(0, op.text.find_last_not_of(' ') + 1);
            rows[op.y].emplace_back(op.x, op.x + measure.textWidth(shown));
        }
        ASSERT_EQ(rows.size(), 2u) << mode;
        EXPECT_EQ(rows.begin()->first, kFirstRow);
        for (auto& [y, spans] : rows) {
            std::sort(spans.begin(), spans.end());
            for (size_t i = 1; i < spans.size(); ++i)
                EXPECT_LE(spans[i - 1].second, spans[i].first) << mode << " at " << y << ", text " << i;
        }
        const auto angle = std::find_if(ops.begin(), ops.end(), [](const RecordedOp& op) { return op.text == "33.3"; });
        ASSERT_NE(angle, ops.end());
        EXPECT_EQ(angle->fontSize, 10) << "a value that fits keeps its type";
    }
}

}  // namespace
}  // namespace cn3::test
