#include <gtest/gtest.h>

#include "app/start_up.h"
#include "app_fixture.h"
#include "core/cable_table.h"

namespace cn3 {
namespace {

using test::StartedProgram;

const std::string kQuestion =
    "Because this is the first time CN3 has been executed please\r\n"
    "Click on YES for English units or NO for Metric";

TEST(start_up_test, first_run_asks_once_and_rewrites_only_the_unit_word) {
    struct Row {
        const char* name;
        bool answerYes;
        int metric;
        const char* fileAfter;
    };
    const Row rows[] = {
        {"yes gives English", true, 0, "English\r\n1\r\nA,1,2,3,4\r\n"},
        {"no gives metric", false, 1, "Metric \r\n1\r\nA,1,2,3,4\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s("?NotSet\r\n1\r\nA,1,2,3,4\r\n");
        s.dialogs.answerYesNo(row.answerYes);
        Program& p = s.start();
        ASSERT_TRUE(s.started);
        EXPECT_EQ(s.dialogs.asked().at(0).text, kQuestion);
        EXPECT_EQ(p.units.metricUnits, row.metric);
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.fileAfter);

        // The next start asks nothing.
        StartedProgram again(nullptr);
        again.folder.write("CN3NESC.TXT", s.folder.read("CN3NESC.TXT"));
        EXPECT_EQ(again.start().units.metricUnits, row.metric);
    }
}

TEST(start_up_test, a_settled_or_missing_unit_word_asks_nothing) {
    struct Row {
        const char* name;
        const char* settings;  // nullptr: no file
        int metric;
    };
    const Row rows[] = {
        {"metric word", "Metric \r\n2\r\n", 1},
        {"english word", "English\r\n2\r\n", 0},
        {"any other first character", "Xnglish\r\n2\r\n", 0},
        {"empty file", "", 0},
        {"no file", nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s(row.settings);
        Program& p = s.start();  // the scripted dialogs fail the test on any question
        ASSERT_TRUE(s.started);
        EXPECT_EQ(p.units.metricUnits, row.metric);
        EXPECT_TRUE(s.folder.exists("CN3NESC.TXT"));
    }
}

TEST(start_up_test, window_title_names_the_unit_system) {
    StartedProgram english("English\r\n2\r\n");
    EXPECT_EQ(english.start().main.Title.caption(),
              "CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)");
    StartedProgram metric("Metric \r\n2\r\n");
    EXPECT_EQ(metric.start().main.Title.caption(), "CN3 - CATENOVA  Release 3.1 by Norvale   (Metric Units)");
}

TEST(start_up_test, span_entries_start_in_display_units) {
    struct Row {
        const char* settings;
        const char* length;
        const char* distance;
    };
    const Row rows[] = {
        {"English\r\n2\r\n", "150.00 ", "50.00 "},
        {"Metric \r\n2\r\n", "45.72 ", "15.24 "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        StartedProgram s(row.settings);
        const MainForm& m = s.start().main;
        EXPECT_EQ(m.Text9[0].text(), row.length);
        EXPECT_EQ(m.Text9[1].text(), "1.00 ");
        EXPECT_EQ(m.Text9[2].text(), row.distance);
        EXPECT_EQ(m.Text9[3].text(), "");
        EXPECT_EQ(m.Text9[4].text(), "0.0000");
    }
}

TEST(start_up_test, a_new_worksheet_is_untitled_on_the_cables_page) {
    StartedProgram s;
    Program& p = s.start();
    const MainForm& m = p.main;
    EXPECT_EQ(m.SSTab1.tab(), page::kCables);
    EXPECT_EQ(m.SSTab2.tab(), family::kStrand);
    EXPECT_EQ(m.Option1.selected(), 1);  // "Percent"
    EXPECT_EQ(m.Label4.caption(), "");
    EXPECT_FALSE(m.Command1.visible());
    EXPECT_TRUE(m.Command3.enabled());
    EXPECT_EQ(p.fixedDiameterFlag, 0);
    EXPECT_EQ(m.CommonDialog1.startFolder, p.dataFolder);
    EXPECT_EQ(m.CommonDialog1.filter, "Catenova3 Files (*.cn3)|*.cn3");
    EXPECT_EQ(m.CommonDialog1.fileName, p.dataFolder + "/Untitled.cn3");
    EXPECT_EQ(m.Text2.text().size(), 8u);  // today as mm/dd/yy
    EXPECT_EQ(m.Text2.text()[2], '/');
    for (const auto& name : p.selectedNames) EXPECT_EQ(name, std::string(20, ' '));
    EXPECT_DOUBLE_EQ(p.pi, 3.14159265358979323846);
}

TEST(start_up_test, catalogue_tables_reach_the_program) {
    struct Row {
        const char* settings;
        const char* caption;
    };
    const Row rows[] = {{"English\r\n2\r\n", "Installed Temperature 60"},
                        {"Metric \r\n2\r\n", "Installed Temperature 15.6"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        StartedProgram s(row.settings);
        Program& p = s.start();
        EXPECT_EQ(p.main.List1.items(), (std::vector<std::string>{"Help line one", "  indented help line", "end"}));
        EXPECT_EQ(p.main.List1.fontSize(), 10);
        EXPECT_EQ(p.main.HScroll1.min(), -40);
        EXPECT_EQ(p.main.HScroll1.max(), 140);
        EXPECT_EQ(p.main.HScroll1.value(), 60);
        EXPECT_EQ(p.main.Label1.caption(), row.caption);
        EXPECT_EQ(p.loadingResults.at(0, 0), 1.0f);
        EXPECT_EQ(p.loadingResults.at(0, 5), 2.0f);
        EXPECT_EQ(p.loadingResults.formats[5], "#,##0");
        EXPECT_EQ(p.loadingResults.formats[10], "##0.0");
        EXPECT_EQ(p.columnUnitKinds[3], 3);
        EXPECT_EQ(p.columnFormats[4], "0.0000000");
        EXPECT_EQ(p.loadings[6].name, "User2        ");
        EXPECT_EQ(p.main.SSTab1.captionFontSize(), 8);
    }
}

TEST(start_up_test, an_unreadable_catalogue_stops_with_one_message_naming_file_and_line) {
    struct Row {
        const char* name;
        const char* catalogue;  // nullptr: no file
        const char* lineMention;
    };
    const Row rows[] = {
        {"missing file", nullptr, ""},
        {"no END line", "help\r\nmore help\r\n", ""},
        {"a word where a factor is due", "END\r\n\"General\",\"\",\"\",one,0\r\n", "2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s;
        std::filesystem::remove(s.folder.path() / "CABLEDAT.TXT");
        if (row.catalogue) s.folder.write("CABLEDAT.TXT", row.catalogue);
        s.dialogs.expectMessage();
        s.start();
        EXPECT_FALSE(s.started);
        ASSERT_EQ(s.dialogs.messages().size(), 1u);
        const std::string text = s.dialogs.messages()[0];
        EXPECT_NE(text.find("CABLEDAT.TXT"), std::string::npos) << text;
        EXPECT_NE(text.find(row.lineMention), std::string::npos) << text;
    }
}

TEST(start_up_test, choosing_the_exit_page_asks_the_host_to_close) {
    StartedProgram s;
    Program& p = s.start();
    int closes = 0;
    p.main.requestClose = [&] { ++closes; };
    p.main.SSTab1.setTab(page::kExit);
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace cn3
