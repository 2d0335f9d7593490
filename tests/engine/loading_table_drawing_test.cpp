// The "NESC RESULTS" table on a recording surface (a character is size*10 twips wide, a line
// size*24 twips high): column places in both modes, the rows each tick state draws, the
// optional columns and the headings with their units.
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
        // Fixed numbers, so that each value is known without solving anything.
        const float row[11] = {0, 0.62f, 4, 1.234f, 5.678f, 1234, 0.12f, 1.5f, 2.1f, 3.2f, 33.3f};
        auto& results = program.loadingResults;
        for (int r = 1; r <= 5; ++r) {
            for (int k = 0; k < 11; ++k) results.at(r, k) = row[k];
            results.at(r, 18) = 0.25f * static_cast<float>(r);
            results.at(r, 19) = 4.0f;
        }
        results.at(0, 18) = 3;
        results.formats[18] = "##.00";
        results.formats[19] = "##.0";
        program.main.Text9[2].setText("50");
    }
    std::vector<RecordedOp> draw(int mode, bool point = true, bool vector = true) {
        program.main.Check1[0].setChecked(point);
        program.main.Check1[1].setChecked(vector);
        ui::RecordingSurface surface;
        DrawLoadingTable(program, surface, mode);
        return surface.texts();
    }
    static RecordedOp find(const std::vector<RecordedOp>& ops, const std::string& text) {
        for (const auto& op : ops)
            if (op.text == text) return op;
        ADD_FAILURE() << "not drawn: " << text;
        return {};
    }
    // The texts printed at one height, left to right as drawn.
    static std::vector<std::string> line(const std::vector<RecordedOp>& ops, double y) {
        std::vector<std::string> out;
        for (const auto& op : ops)
            if (op.y == y) out.push_back(op.text);
        return out;
    }
};

TEST_F(LoadingTableDrawingTest, column_edges_in_both_modes) {
    EXPECT_EQ(LoadingTableColumns(kScreenTable),
              (TableColumns{150, 1750, 2250, 2950, 3550, 4250, 4750, 5450, 6150, 7350, 7850, 8350, 8850,
                            0, 0, 0, 0, 0, 2900, 3550, 4200}));
    EXPECT_EQ(LoadingTableColumns(kPrintedTable),
              (TableColumns{150, 1750, 2250, 4250, 4850, 5550, 6050, 6750, 7450, 8650, 9150, 9650, 10150,
                            0, 0, 0, 0, 0, 2900, 3550, 4200}));
}

TEST_F(LoadingTableDrawingTest, title_and_headings_are_centred_on_their_columns_and_end_with_the_units) {
    const auto ops = draw(kScreenTable);
    const auto title = find(ops, "NESC RESULTS");
    EXPECT_EQ(std::tuple(title.x, title.y, title.bold, title.fontSize),
              std::tuple(150 + (8700 - 1440) / 2, 0, true, 12));
    struct Piece { const char* text; int x, y; };
    for (const auto& p : {Piece{"Condition", 150 + (1600 - 540) / 2, 576}, Piece{"Ice", 2250 + (700 - 180) / 2, 432},
                          Piece{"Horz", 2950 + (600 - 240) / 2, 288}, Piece{"50", 6150 + (1200 - 120) / 2, 576},
                          Piece{"Deg", 8350 + (500 - 180) / 2, 720}}) {
        const auto op = find(ops, p.text);
        EXPECT_EQ(std::tuple(op.x, op.y, op.bold, op.fontSize), std::tuple(p.x, p.y, false, 6))
            << p.text;
    }
    EXPECT_EQ(line(ops, kFourthLine), (std::vector<std::string>{"F", "lb/ft", "lb/ft", "lb/ft", "ft",
                                                                "lbs", "Conditions", "ft", "ft", "ft", "Deg"}));
    metric();
    EXPECT_EQ(line(draw(kPrintedTable), kFourthLine),
              (std::vector<std::string>{"C", "kg/m", "N/m", "kg/m", "m", "N", "Conditions", "m", "m", "m",
                                        "Deg", "mm", "kg/m"}));
}

TEST_F(LoadingTableDrawingTest, rows_follow_the_user_loading_ticks_and_never_show_record_4) {
    const std::vector<std::pair<std::string, double>> all = {{"Rule 251 - Heavy        ", kFirstRow},
        {"Extreme Wind ", 1164}, {"Hot Summer   ", 1464}, {"Glaze        ", 1704}};
    for (size_t shown : {2, 3, 4}) {
        program.loading.Check1[0].setChecked(shown > 2);
        program.loading.Check1[1].setChecked(shown > 3);
        std::vector<std::pair<std::string, double>> labels;
        for (const auto& op : draw(kPrintedTable))
            if (op.x == 150 && op.fontSize == 10) labels.emplace_back(op.text, op.y);
        EXPECT_EQ(labels, decltype(all)(all.begin(), all.begin() + static_cast<long>(shown)));
    }
}

TEST_F(LoadingTableDrawingTest, values_use_the_columns_kinds_and_patterns_without_units) {
    const std::vector<std::string> always = {"Rule 251 - Heavy        ", "0",    "0.620", "4.0",
                                             "1.234",                    "5.68", "1,234", "0.12"};
    struct Case { bool point, vector; int mode; std::vector<std::string> more; };
    const Case cases[] = {{false, false, kScreenTable, {}}, {true, false, kScreenTable, {"1.50"}},
                          {false, true, kScreenTable, {"2.10", "3.20", "33.3"}},
                          {true, true, kPrintedTable, {"1.50", "2.10", "3.20", "33.3", ".25", "4.0"}}};
    for (const auto& c : cases) {
        auto want = always;
        want.insert(want.end(), c.more.begin(), c.more.end());
        EXPECT_EQ(line(draw(c.mode, c.point, c.vector), kFirstRow), want)
            << c.point << c.vector << c.mode;
    }
}

// The screen picture is cleared first; the worksheet tests see that in what it shows.
TEST_F(LoadingTableDrawingTest, printer_is_not_cleared_and_the_table_starts_where_the_report_is) {
    ui::RecordingSurface printer("Printer");
    printer.setCurrentY(5000);
    DrawLoadingTable(program, printer, kPrintedTable);
    const auto ops = printer.texts();
    EXPECT_EQ(printer.ops().front().kind, RecordedOp::Kind::Text);
    EXPECT_EQ(find(ops, "NESC RESULTS").y, 5000);
    EXPECT_EQ(find(ops, "Rule 251 - Heavy        ").y, 5000 + kFirstRow);
    EXPECT_EQ(find(ops, "Thick").x, 2900 + (650 - 300) / 2);  // 6 pt in the wide gap
    EXPECT_EQ(find(ops, ".25").x, 2900 + (650 - 300) / 2);    // 10 pt under it
    EXPECT_EQ(find(ops, "4.0").x, 4250 + (600 - 300) / 2);    // wind moved right
}

}  // namespace
}  // namespace cn3::test
