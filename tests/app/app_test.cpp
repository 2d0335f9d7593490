// Start-up and the loading window, run from a small catalogue, settings and user-cables files
// written into a temporary data folder, with scripted dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "app/start_up.h"
#include "support/odd_files.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {
namespace {

// Three help lines ("end" is one), the unit rows, seven loadings (user loading 1's name is
// longer than 13 characters), -40..140 starting at 60, the result and catalogue columns'
// unit kinds and patterns, headings in fixed columns, and the cables: a blank line (row 1),
// "1/4 EHS 6M", "P 500" and "ZERO ROW" (first figure 0, row 4). The separator is row 5.
constexpr const char* kCatalogue = R"(Help line one
  indented help line
end
END
"General","","",1,0, "Temperature","deg F","deg C",0.5555556,32, "Force","lb","N",4.448222,0
"Small length","in","mm",25.4,0, "Length","ft","m",0.3048,0, "Area","in2","mm2",645.16,0
"Thermal","/deg F","/deg C",1.8,0, "Wind pressure","lb/ft2","Pa",47.88026,0, "Load","lb/ft","N/m",14.5939,0
"Wind load","lb/ft","N/m",14.5939,0, "Spare","","",1,0, "Spare","","",1,0, "Spare","","",1,0, "Spare","","",1,0
"Heavy",0,0.5,4,0.31, "Medium",15,0.25,4,0.22, "Light",30,0,9,0.05, "Ice 32F",32,0.5,0,0
"Hot 120F",120,0,0,0, "User loading number one",10,0.25,2,0.1, "User2",20,0,3,0, -40,140,60
1,8,7,8,4,2,0,4,4,4,0, "##0","0.000","##0.0","0.000","##0.00","#,##0","0.000","##0.00","##0.00","##0.00","##0.0"
0,3,5,3,6,8,2,2,0,0, "","0.0##","0.0###","0.000","0.0000000","0.0000","#,##0","#,##0","",""
                    Nominal   Steel               Thermal               Axial       Rated
Cable               Size      Area      Outside   Coeff.      Unit      Stiffness   Strength
Name                                    Diameter              Weight
                    (in)      (in2)     (in)      (/deg F)    (lb/ft)   (lb)        (lb)
                    (mm)      (mm2)     (mm)      (/deg C)    (N/m)     (N)         (N)

1/4 EHS 6M          0.25      0.0352    0.240     0.0000064   0.121     950400      6650
P 500               0.5       0         0.570     0.0000064   0.09      0           0
ZERO ROW            0         0.0352    0.240     0.0000064   0.121     950400      6650
)";

// The fixture's data folder (no settings file when `settings` is null); start() runs StartProgram
// and expects it to succeed.
struct StartedProgram {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;

    explicit StartedProgram(const char* settings = "English\r\n2\r\n", const char* userCables = nullptr) {
        folder.write("CABLEDAT.TXT", kCatalogue);
        if (settings) folder.write("CN3NESC.TXT", settings);
        if (userCables) folder.write("CABLEADD.TXT", userCables);
        program.dialogs = &dialogs;
        program.dataFolder = folder.path().string();
    }
    Program& start() {
        EXPECT_TRUE(StartProgram(program));
        return program;
    }
};

// The loading window's cells first .. first + count - 1, joined by "|".
std::string Captions(const Program& p, size_t first, size_t count) {
    std::string s;
    for (size_t i = first; i < first + count; ++i) s += (i > first ? "|" : "") + p.loading.Cells.at(i).caption();
    return s;
}

// As bits: boxes 1 and 2 ticked, box 2 enabled, the hint and the save button shown and enabled,
// then cells 0..24 shown, in rows of five.
std::string State(const Program& p) {
    const LoadingForm& w = p.loading;
    std::string s = {"01"[w.Check1[0].checked()], "01"[w.Check1[1].checked()], "01"[w.Check1[1].enabled()],
                     "01"[w.Hint.visible()], "01"[w.SaveButton.enabled()]};
    for (size_t i = 0; i < 25; ++i) s += std::string(i % 5 ? "" : " ") + "01"[w.Cells[i].visible()];
    return s;
}

// Loading record i as "name|temperature|ice|wind|constant" in internal units.
std::string Record(const Program& p, size_t i) {
    const LoadingRecord& r = p.loadings.at(i);
    char values[64];
    std::snprintf(values, sizeof values, "|%g|%g|%g|%g", double(r.temperature), double(r.iceThickness), double(r.windPressure),
                  double(r.loadConstant));
    return r.name + values;
}

// What the main window shows of the unit system, joined by "|": the title, the span length and
// distance, the installed temperature, the selected grid's unit headings and the temperature grid's.
std::string UnitTexts(const MainForm& m) {
    return m.Title.caption() + "|" + m.Text9[0].text() + "|" + m.Text9[2].text() + "|" + m.Label1.caption() + "|" +
           m.Grid2.text(0, 2) + "|" + m.Grid2.text(0, 3) + "|" + m.GridTemp.text(0, 0) + "|" + m.GridTemp.text(0, 1) +
           "|" + m.GridTemp.text(0, 2);
}

TEST(start_up_test, the_unit_word_is_settled_once_and_names_every_display_unit) {
    // The catalogue headings lose their empty first line and its break.
    const char* const shown[] = {
        "CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)|150.00 |50.00 |Installed Temperature 60|"
        "Outside\n\rDiameter\n\r(in)|Unit\n\rWeight\n\r(lb/ft)|Temp\n\rdeg F|Midspan\n\rSag (ft)|Tension\n\r(lb)",
        "CN3 - CATENOVA  Release 3.1 by Norvale   (Metric Units)|45.72 |15.24 |Installed Temperature 15.6|"
        "Outside\n\rDiameter\n\r(mm)|Unit\n\rWeight\n\r(N/m)|Temp\n\rdeg C|Midspan\n\rSag (m)|Tension\n\r(N)"};
    // settings nullptr: no file; answer to the first-run question, -1: none may be asked. A missing
    // or impossible district starts the loading window on Light (2).
    struct Row {
        const char *what, *settings;
        int answer, metric, district;
        const char* fileAfter;
    };
    // clang-format off
    const Row rows[] = {
        {"first run, English chosen", "?NotSet\r\n1\r\nA,1,2,3,4\r\n", 1, 0, 1, "English\r\n1\r\nA,1,2,3,4\r\n"},
        {"first run, metric chosen", "?NotSet\r\n1\r\nA,1,2,3,4\r\n", 0, 1, 1, "Metric \r\n1\r\nA,1,2,3,4\r\n"},
        {"metric, district 0", "Metric \r\n0\r\n", -1, 1, 0, "Metric \r\n0\r\n"},
        {"unknown unit word, district 7", "Xnglish\r\n7\r\n", -1, 0, 2, "Xnglish\r\n7\r\n"},
        {"district -1", "English\r\n-1\r\n", -1, 0, 2, "English\r\n-1\r\n"}, {"empty file", "", -1, 0, 2, ""},
        {"no file", nullptr, -1, 0, 2, ""}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        StartedProgram s(row.settings);
        if (row.answer >= 0) s.dialogs.answerYesNo(row.answer == 1);
        const Program& p = s.start();
        for (const auto& asked : s.dialogs.asked())  // the first-run question, when it is due
            EXPECT_EQ(asked.text, "Because this is the first time CN3 has been executed please\r\n"
                                  "Click on YES for English units or NO for Metric");
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.fileAfter);
        EXPECT_EQ((std::array<int, 3>{p.units.metricUnits, p.spanRecord.selectedDistrict, p.loading.Option1.selected()}),
                  (std::array{row.metric, row.district, row.district}));
        EXPECT_EQ(UnitTexts(p.main), shown[row.metric]);
    }
}

TEST(start_up_test, a_new_worksheet_is_untitled_on_the_cables_page_with_the_catalogue_tables) {
    StartedProgram s;
    Program& p = s.start();
    const MainForm& m = p.main;
    EXPECT_EQ((std::array{m.SSTab1.tab(), m.SSTab2.tab()}), (std::array{page::kCables, family::kStrand}));
    EXPECT_EQ(m.CommonDialog1.filter + "|" + m.CommonDialog1.fileName,
              "Catenova3 Files (*.cn3)|*.cn3|" + p.dataFolder + "/Untitled.cn3");
    EXPECT_THAT(m.Text2.text(), testing::MatchesRegex("[01][0-9]/[0-3][0-9]/[0-9][0-9]"));  // today
    EXPECT_EQ(m.List1.items(), (std::vector<std::string>{"Help line one", "  indented help line", "end"}));
    EXPECT_EQ((std::array{m.HScroll1.min(), m.HScroll1.max(), m.HScroll1.value()}), (std::array{-40, 140, 60}));
    EXPECT_EQ(p.loadingResults.formats[5], "#,##0");
    EXPECT_FALSE(m.Check5[family::kUserDefined].visible()) << "no user-cables file";

    // The loading window: its unit labels, then Light and loadings 3 and 4 shown, the user
    // loadings filled but hidden; names padded or cut to 13.
    std::string window;
    for (const auto& label : p.loading.UnitLabels) window += label.caption() + "|";
    EXPECT_EQ(window + Captions(p, 0, 25), "deg F|in|lb/ft2|lb/ft|251 - Light|30|0|9|0.05|Ice 32F      |32|0.5|0|0|"
                                           "Hot 120F     |120|0|0|0|User loading |10|0.25|2|0.1|User2        |20|0|3|0");
    EXPECT_EQ(State(p), "00000 11111 11111 00000 00000 00000");
    p.loading.Option1.select(0);
    EXPECT_EQ(Captions(p, 0, 5), "251 Heavy|0|0.5|4|0.31");
}

TEST(start_up_test, a_missing_catalogue_stops_with_one_message_naming_it) {
    StartedProgram s;
    std::filesystem::remove(s.folder.path() / "CABLEDAT.TXT");
    s.dialogs.expectMessage();
    EXPECT_FALSE(StartProgram(s.program));
    EXPECT_THAT(s.dialogs.messages(), testing::ElementsAre(testing::HasSubstr(s.folder.file("CABLEDAT.TXT"))));
}

TEST(start_up_test, catalogue_grid_shows_only_cable_rows_through_the_unit_conversion) {
    const char* userCable = "My cable\t1\t0\t0.5\t0\t0.1\t0\t0\t\r\n";
    StartedProgram english("English\r\n2\r\n", userCable), metric("Metric \r\n2\r\n", userCable);
    const Program* programs[] = {&english.start(), &metric.start()};
    struct Row {
        const char* what;
        int metric, row, col;
        const char* expected;
    };
    // Rows 1 (blank) and 4 (first figure 0) show as written; row 5 is the separator, 6 the user cable.
    // clang-format off
    const Row rows[] = {
        {"name heading", 0, 0, 0, "\n\rCable\n\rName\n\r"},
        {"English diameter heading", 0, 0, 3, "\n\rOutside\n\rDiameter\n\r(in)"}, {"blank row", 0, 1, 3, ""},
        {"metric weight heading", 1, 0, 5, "\n\rUnit\n\rWeight\n\r(N/m)"}, {"cable name", 0, 2, 0, "1/4 EHS 6M"},
        {"English thermal coefficient", 0, 2, 4, "0.0000064"}, {"English stiffness", 0, 2, 6, "950,400"},
        {"metric size", 1, 2, 1, "6.35"}, {"metric diameter", 1, 2, 3, "6.096"}, {"metric weight", 1, 2, 5, "1.7659"},
        {"metric strength", 1, 2, 7, "29,581"}, {"first figure 0: diameter as written", 1, 4, 3, "0.240"},
        {"first figure 0: stiffness as written", 1, 4, 6, "950400"},
        {"separator", 0, 5, 0, "User Defined\n\rCables"}, {"English user cable", 0, 6, 3, "0.500"},
        {"metric user cable", 1, 6, 3, "12.700"}};
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(programs[r.metric]->main.Grid1.text(r.row, r.col), r.expected) << r.what;
    EXPECT_EQ(metric.program.cables.rows[2][field::kDiameter], "0.240") << "the table keeps internal units";
    const Program& p = english.program;
    EXPECT_EQ((std::array{p.main.Grid1.rows(), p.main.Grid1.rowHeight(5)}), (std::array{7, 400}));
    EXPECT_TRUE(p.main.Check5[family::kUserDefined].visible()) << "shown when the file exists";
    EXPECT_EQ(p.cables.rows[6][field::kKindCode], "5") << "the user cables are given kinds too";
}

TEST(start_up_test, the_settings_file_restores_the_district_and_user_loading_1) {
    // Box 1 ticked and its cells shown, box 2 enabled, nothing to save. 10 deg C, 12.7 mm, 100 Pa
    // and 1 N/m come back in internal units, kept to the shown decimals.
    // clang-format off
    struct Row { const char *what, *settings, *cell0, *cells, *record; };
    const Row rows[] = {  // name, settings, cell 0, cells 15..19, record 5
        {"English, Medium", "English\r\n1\r\nMine,25,0.5,6,0.2\r\n", "251 Medium", "Mine|25|0.5|6|0.2",
         "Mine         |25|0.5|6|0.2"},
        {"metric, back in internal units", "Metric \r\n2\r\nMine,10,12.7,100,1\r\n", "251 - Light", "Mine|10|12.7|100|1",
         "Mine         |50|0.5|2.09|0.07"},
        {"a short line, the rest 0", "English\r\n2\r\nMine,7\r\n", "251 - Light", "Mine|7|||", "Mine         |7|0|0|0"}};
    // clang-format on
    for (const auto& [what, settings, cell0, cells, record] : rows) {
        SCOPED_TRACE(what);
        StartedProgram s(settings);
        Program& p = s.start();
        EXPECT_EQ(Captions(p, 0, 1) + " " + Captions(p, 15, 5) + " " + Record(p, 5) + " " + State(p),
                  std::string(cell0) + " " + cells + " " + record + " 10110 11111 11111 00000 11111 00000");
    }
}

TEST(loading_window_test, user_loading_ticks_cascade) {
    StartedProgram s;
    Program& p = s.start();
    // clang-format off
    // Box 2 cannot be ticked alone; unticking box 1 while box 2 is ticked unticks box 2.
    struct Step { const char* what; size_t box; const char* state; };
    const Step steps[] = {
        {"box 2 alone", 1, "00000 11111 11111 00000 00000 00000"}, {"box 1", 0, "10111 11111 11111 00000 11111 00000"},
        {"box 2 after box 1", 1, "11111 11111 11111 00000 11111 11111"},
        {"box 2 unticked", 1, "10111 11111 11111 00000 11111 00000"},
        {"box 2 ticked again", 1, "11111 11111 11111 00000 11111 11111"},
        {"box 1 unticked with box 2 ticked", 0, "00001 11111 11111 00000 00000 00000"},
        {"box 2 alone again", 1, "00001 11111 11111 00000 00000 00000"}};
    // clang-format on
    for (const auto& [what, box, state] : steps) {
        p.loading.Check1[box].click();
        EXPECT_EQ(State(p), state) << what;
    }
}

TEST(loading_window_test, cell_edits_store_the_converted_value_in_the_record) {
    StartedProgram s;
    Program& p = s.start();
    for (size_t c = 0; c < 15; ++c) p.loading.Cells[c].click();  // not editable: no question may be asked
    // Records 5 and 6 start as "User loading " 10, 0.25, 2, 0.1 and "User2" 20, 0, 3, 0. A text reads 0,
    // ice keeps two decimals, a cancelled box ("") empties the cell; names are cut to 13.
    struct Edit {
        const char* what;
        size_t cell;
        const char* answer;
    };
    const Edit edits[] = {{"loading 1 name", 15, "Mine"},
                          {"a text temperature", 16, "abc"},
                          {"ice to two decimals", 17, "0.456 in"},
                          {"cancelled wind", 18, ""},
                          {"loading 2 name cut", 20, "A very long name"},
                          {"loading 2 constant", 24, "0.5"}};
    for (const auto& [what, cell, answer] : edits) {
        // The question offers the cell's text; the cell shows the answer as typed.
        const std::string expected = "Enter new value|" + Captions(p, cell, 1) + "|" + answer;
        s.dialogs.answerInput(answer);
        p.loading.Cells[cell].click();
        const auto& asked = s.dialogs.asked().back();
        EXPECT_EQ(asked.text + "|" + asked.defaultAnswer + "|" + Captions(p, cell, 1), expected)
            << what;
    }
    EXPECT_EQ(Record(p, 5) + " " + Record(p, 6), "Mine         |0|0.46|0|0.1 A very long n|20|0|3|0.5");
    EXPECT_FALSE(p.loading.SaveButton.enabled()) << "an edit alone does not enable saving";
}

TEST(loading_window_test, save_writes_the_district_and_the_ticked_user_loadings_trimmed) {
    struct Row {
        const char* what;
        int ticks;
        const char *settings, *typed, *file;  // typed: loading 2's new name
    };
    // The save button is enabled by choosing the district: a disabled one would write nothing.
    // clang-format off
    const Row rows[] = {
        {"nothing ticked", 0, "English\r\n2\r\n", nullptr, "English\r\n1\r\n"},
        {"both ticked, loading 2 renamed", 2, "English\r\n2\r\n", "  Wet snow  ",
         "English\r\n1\r\nUser loading,10,0.25,2,0.1\r\nWet snow,20,0,3,0\r\n"},
        {"metric, loading 1 ticked", 1, "Metric \r\n2\r\n", nullptr,
         "Metric \r\n1\r\nUser loading,-12.2,6.35,95.76,1.46\r\n"}};
    // clang-format on
    for (const Row& row : rows) {
        StartedProgram s(row.settings);
        Program& p = s.start();
        p.loading.Option1.select(1);
        for (size_t i = 0; i < static_cast<size_t>(row.ticks); ++i) p.loading.Check1[i].click();
        if (row.typed) s.dialogs.answerInput(row.typed);
        if (row.typed) p.loading.Cells[20].click();
        p.loading.SaveButton.click();
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.file) << row.what;
        EXPECT_FALSE(p.loading.SaveButton.enabled()) << row.what;
    }
}

// The settings file keeps a user loading as one comma-separated line.
TEST(loading_window_test, a_comma_in_a_cell_is_refused_and_the_cell_kept) {
    StartedProgram s;
    Program& p = s.start();
    p.loading.Check1[0].click();
    s.dialogs.answerInput("Snow, wet").expectMessage();
    p.loading.Cells[15].click();
    EXPECT_EQ(s.dialogs.messages(),
              std::vector<std::string>{"Error - \"Snow, wet\" cannot be used: a loading value may "
                                       "not contain a comma or a line break."});
    EXPECT_EQ(Captions(p, 15, 1) + "|" + Record(p, 5), "User loading |User loading |10|0.25|2|0.1");
    p.loading.SaveButton.click();
    EXPECT_EQ(s.folder.read("CN3NESC.TXT"), "English\r\n2\r\nUser loading,10,0.25,2,0.1\r\n");
}

// The fixture leaves rows 6..200 for user cables: 195 of 200 fit. "Close" writes all 200 back.
TEST(start_up_test, user_cables_beyond_a_full_table_are_named_once_and_kept_in_the_file) {
    std::string cables;
    for (int i = 1; i <= 200; ++i)
        cables += "P USER " + std::to_string(i) + "\t1\t0\t0.5\t\t\t\t\t\r\n";
    StartedProgram s("English\r\n2\r\n", cables.c_str());
    s.dialogs.expectMessage();
    Program& p = s.start();
    EXPECT_EQ(s.dialogs.messages(),
              std::vector<std::string>{"The cable table is full: 5 user-defined cables of " +
                                       s.folder.file("CABLEADD.TXT") +
                                       " cannot be shown. They stay in the file unchanged."});
    EXPECT_EQ(std::tuple(p.cables.lastCableRow, p.cables.rows[200][0]),
              std::tuple(200, "P USER 195"));
    p.main.Command1.click();
    p.main.Command4.click();
    EXPECT_EQ(s.folder.read("CABLEADD.TXT"), cables);
}

// A data file that cannot be read is said with its reason and never waited on: the catalogue
// stops the start; the settings and user cables leave the program on its defaults.
TEST(start_up_test, data_files_that_cannot_be_read_are_said_at_once_with_the_reason) {
    ::alarm(60);  // a start-up that blocks ends this program rather than hanging it
    {
        StartedProgram s(nullptr);
        const std::string path = MakeOddFile(s.folder, OddFile::Fifo, "CN3NESC.TXT");
        s.dialogs.expectMessage();  // and no first-run question
        const Program& p = s.start();
        EXPECT_EQ(s.dialogs.messages(),
                  std::vector<std::string>{"Error - The settings file " + path + " is not a regular file."});
        EXPECT_EQ(std::tuple(p.units.metricUnits, p.loading.Option1.selected(), std::filesystem::is_fifo(path)),
                  std::tuple(0, 2, true));
    }
    {
        StartedProgram s;
        const std::string path = MakeOddFile(s.folder, OddFile::DevZero, "CABLEADD.TXT");
        s.dialogs.expectMessage();
        const Program& p = s.start();
        EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{"Error - The user-defined cables file " + path +
                                                                 " is not a regular file."});
        EXPECT_EQ(std::tuple(p.cables.lastCableRow, p.main.Check5[family::kUserDefined].visible()),
                  std::tuple(p.cables.userSeparatorRow, false));
    }
    {
        StartedProgram s;
        std::filesystem::remove(s.folder.path() / "CABLEDAT.TXT");
        const std::string path = MakeOddFile(s.folder, OddFile::Sparse4GiB, "CABLEDAT.TXT");
        s.dialogs.expectMessage();
        EXPECT_FALSE(StartProgram(s.program));
        EXPECT_EQ(s.dialogs.messages(),
                  std::vector<std::string>{"Error - The catalogue file " + path +
                                           " is 4294967296 bytes long, more than the 16 MiB a data file may hold."});
    }
    ::alarm(0);
}

}  // namespace
}  // namespace cn3::test
