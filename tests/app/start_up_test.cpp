#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace cn3 {
namespace {

using test::StartedProgram;

TEST(start_up_test, the_unit_word_is_settled_once_and_names_every_display_unit) {
    struct Shown { const char *units, *length, *distance, *installed, *diameter, *weight;
                   std::array<const char*, 3> temp; };
    const Shown shown[] = {
        {"English", "150.00 ", "50.00 ", "60", "(in)", "(lb/ft)",
         {"Temp\n\rdeg F", "Midspan\n\rSag (ft)", "Tension\n\r(lb)"}},
        {"Metric", "45.72 ", "15.24 ", "15.6", "(mm)", "(N/m)", {"Temp\n\rdeg C", "Midspan\n\rSag (m)", "Tension\n\r(N)"}}};
    // settings nullptr: no file; answer to the first-run question, -1: none may be asked. A missing
    // or impossible district starts the loading window on Light (2).
    struct Row { const char* settings; int answer, metric, district; const char* fileAfter; };
    const Row rows[] = {{"?NotSet\r\n1\r\nA,1,2,3,4\r\n", 1, 0, 1, "English\r\n1\r\nA,1,2,3,4\r\n"},
                        {"?NotSet\r\n1\r\nA,1,2,3,4\r\n", 0, 1, 1, "Metric \r\n1\r\nA,1,2,3,4\r\n"},
                        {"Metric \r\n0\r\n", -1, 1, 0, "Metric \r\n0\r\n"},
                        {"Xnglish\r\n7\r\n", -1, 0, 2, "Xnglish\r\n7\r\n"},
                        {"English\r\n-1\r\n", -1, 0, 2, "English\r\n-1\r\n"}, {"", -1, 0, 2, ""}, {nullptr, -1, 0, 2, ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings ? row.settings : "no file");
        StartedProgram s(row.settings);
        if (row.answer >= 0) s.dialogs.answerYesNo(row.answer == 1);
        const MainForm& m = s.start().main;
        ASSERT_TRUE(s.started);
        if (row.answer >= 0) {
            EXPECT_EQ(s.dialogs.asked().at(0).text,
                      "Because this is the first time CN3 has been executed please\r\n"
                      "Click on YES for English units or NO for Metric");
        }
        EXPECT_EQ(s.program->units.metricUnits, row.metric);
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.fileAfter);
        EXPECT_EQ(s.program->selectedDistrict, row.district);
        EXPECT_EQ(s.program->loading.Option1.selected(), row.district);
        const Shown& u = shown[row.metric];
        EXPECT_EQ(m.Title.caption(), std::string("CN3 - CATENOVA  Release 3.1 by Norvale   (") + u.units + " Units)");
        EXPECT_EQ(m.Text9[0].text(), u.length);
        EXPECT_EQ(m.Text9[2].text(), u.distance);
        EXPECT_EQ(m.Label1.caption(), std::string("Installed Temperature ") + u.installed);
        // The catalogue headings lose their empty first line and its break.
        EXPECT_EQ(m.Grid2.text(0, 2), std::string("Outside\n\rDiameter\n\r") + u.diameter);
        EXPECT_EQ(m.Grid2.text(0, 3), std::string("Unit\n\rWeight\n\r") + u.weight);
        for (size_t c = 0; c < 3; ++c) EXPECT_EQ(m.GridTemp.text(0, static_cast<int>(c)), u.temp[c]);
    }
}

TEST(start_up_test, a_new_worksheet_is_untitled_on_the_cables_page_with_the_catalogue_tables) {
    StartedProgram s;
    Program& p = s.start();
    EXPECT_EQ(p.main.SSTab1.tab(), page::kCables);
    EXPECT_EQ(p.main.SSTab2.tab(), family::kStrand);
    EXPECT_EQ(p.main.CommonDialog1.filter, "Catenova3 Files (*.cn3)|*.cn3");
    EXPECT_EQ(p.main.CommonDialog1.fileName, p.dataFolder + "/Untitled.cn3");
    EXPECT_THAT(p.main.Text2.text(), testing::MatchesRegex("[01][0-9]/[0-3][0-9]/[0-9][0-9]"));  // today
    EXPECT_EQ(p.main.List1.items(), (std::vector<std::string>{"Help line one", "  indented help line", "end"}));
    EXPECT_EQ((std::array{p.main.HScroll1.min(), p.main.HScroll1.max(), p.main.HScroll1.value()}),
              (std::array{-40, 140, 60}));
    EXPECT_EQ(p.loadingResults.formats[5], "#,##0");
    EXPECT_FALSE(p.main.Check5[family::kUserDefined].visible()) << "no user-cables file";
    int closes = 0;
    p.main.requestClose = [&] { ++closes; };
    p.main.SSTab1.setTab(page::kExit);
    EXPECT_EQ(closes, 1) << "the exit page asks the host to close";
}

TEST(start_up_test, a_missing_catalogue_stops_with_one_message_naming_it) {
    StartedProgram s;
    std::filesystem::remove(s.folder.path() / "CABLEDAT.TXT");
    s.dialogs.expectMessage();
    s.start();
    EXPECT_FALSE(s.started);
    ASSERT_EQ(s.dialogs.messages().size(), 1u);
    EXPECT_NE(s.dialogs.messages()[0].find(s.folder.file("CABLEDAT.TXT")), std::string::npos) << s.dialogs.messages()[0];
}

TEST(start_up_test, catalogue_grid_shows_only_cable_rows_through_the_unit_conversion) {
    const char* userCable = "My cable\t1\t0\t0.5\t0\t0.1\t0\t0\t\r\n";
    StartedProgram english("English\r\n2\r\n", userCable), metric("Metric \r\n2\r\n", userCable);
    const Program* programs[] = {&english.start(), &metric.start()};
    struct Row { int metric, row, col; const char* expected; };
    const Row rows[] = {
        {0, 0, 0, "\n\rCable\n\rName\n\r"}, {0, 0, 3, "\n\rOutside\n\rDiameter\n\r(in)"},
        {1, 0, 5, "\n\rUnit\n\rWeight\n\r(N/m)"},
        {0, 1, 0, ""}, {0, 1, 3, ""}, {0, 2, 0, "1/4 EHS 6M"}, {0, 2, 1, "0.25"}, {0, 2, 4, "0.0000064"},
        {0, 2, 6, "950,400"}, {0, 3, 6, "0"}, {1, 2, 1, "6.35"}, {1, 2, 3, "6.096"}, {1, 2, 5, "1.7659"},
        {1, 2, 7, "29,581"}, {1, 4, 3, "0.240"}, {1, 4, 6, "950400"},  // row 4's first figure is 0: as written
        {0, 5, 0, "User Defined\n\rCables"}, {0, 6, 3, "0.500"}, {1, 6, 3, "12.700"}};
    for (const Row& r : rows)
        EXPECT_EQ(programs[r.metric]->main.Grid1.text(r.row, r.col), r.expected) << r.metric << r.row << r.col;
    EXPECT_EQ(metric.program->cables.rows[2][field::kDiameter], "0.240") << "the table keeps internal units";
    EXPECT_EQ(english.program->main.Grid1.rowHeight(5), 400);
    EXPECT_TRUE(english.program->main.Check5[family::kUserDefined].visible()) << "shown when the file exists";
    EXPECT_EQ(english.program->main.Grid1.rows(), 7) << "the user cable follows the separator";
    const std::pair<size_t, const char*> kinds[] = {{0, "255"}, {1, "255"}, {2, "0"}, {3, "1"}, {6, "5"}};
    for (const auto& [row, kind] : kinds) EXPECT_EQ(english.program->cables.rows[row][field::kKindCode], kind) << row;
}

}  // namespace
}  // namespace cn3
