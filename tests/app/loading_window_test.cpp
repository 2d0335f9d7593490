#include <gtest/gtest.h>

#include "app/loading_window.h"
#include "app_fixture.h"

namespace cn3 {
namespace {

using test::StartedProgram;

std::string Cell(const Program& p, int i) { return p.loading.Cells.at(static_cast<size_t>(i)).caption(); }
bool Shown(const Program& p, int i) { return p.loading.Cells.at(static_cast<size_t>(i)).visible(); }

TEST(loading_window_test, start_up_fills_the_rows_and_the_light_district) {
    StartedProgram s;
    Program& p = s.start();
    const LoadingForm& w = p.loading;
    EXPECT_EQ(Cell(p, 0), "251 - Light");
    EXPECT_EQ((std::vector<std::string>{Cell(p, 1), Cell(p, 2), Cell(p, 3), Cell(p, 4)}),
              (std::vector<std::string>{"30", "0", "9", "0.05"}));
    EXPECT_EQ(Cell(p, 5), "Ice 32F      ");
    EXPECT_EQ(Cell(p, 10), "Hot 120F     ");
    EXPECT_EQ(Cell(p, 15), "User loading ");  // cut to 13 characters
    EXPECT_EQ(Cell(p, 17), "0.25");
    EXPECT_EQ(w.UnitLabels[0].caption(), "deg F");
    EXPECT_EQ(w.UnitLabels[3].caption(), "lb/ft");
    EXPECT_EQ(p.selectedDistrict, 2);
    EXPECT_FALSE(w.SaveButton.enabled());
    EXPECT_FALSE(w.Check1[0].checked());
    EXPECT_FALSE(w.Check1[1].enabled());
    for (int i = 10; i < 25; ++i) EXPECT_FALSE(Shown(p, i)) << i;
}

TEST(loading_window_test, choosing_a_district_shows_its_record) {
    struct Row {
        int district;
        std::array<const char*, 5> cells;
    };
    const Row rows[] = {{0, {"251 Heavy", "0", "0.5", "4", "0.31"}},
                        {1, {"251 Medium", "15", "0.25", "4", "0.22"}}};
    for (const Row& row : rows) {
        StartedProgram s;
        Program& p = s.start();
        p.loading.Option1.select(row.district);
        for (int c = 0; c < 5; ++c) EXPECT_EQ(Cell(p, c), row.cells[static_cast<size_t>(c)]);
        EXPECT_EQ(p.selectedDistrict, row.district);
        EXPECT_TRUE(p.loading.SaveButton.enabled());
    }
}

TEST(loading_window_test, user_loading_ticks_cascade) {
    StartedProgram s;
    Program& p = s.start();
    LoadingForm& w = p.loading;
    struct Step {
        const char* name;
        int click;  // the box the user clicks
        bool ticked1, ticked2, box2Enabled, hint, cells15, cells20;
    };
    const Step steps[] = {
        {"box 2 cannot be ticked alone", 1, false, false, false, false, false, false},
        {"tick 1", 0, true, false, true, true, true, false},
        {"tick 2", 1, true, true, true, true, true, true},
        {"untick 2", 1, true, false, true, true, true, false},
        {"tick 2 again", 1, true, true, true, true, true, true},
        {"untick 1 unticks 2", 0, false, false, false, false, false, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        w.Check1[static_cast<size_t>(step.click)].click();
        EXPECT_EQ(w.Check1[0].checked(), step.ticked1);
        EXPECT_EQ(w.Check1[1].checked(), step.ticked2);
        EXPECT_EQ(w.Check1[1].enabled(), step.box2Enabled);
        EXPECT_EQ(w.Hint.visible(), step.hint);
        for (int i = 15; i < 20; ++i) EXPECT_EQ(Shown(p, i), step.cells15) << i;
        for (int i = 20; i < 25; ++i) EXPECT_EQ(Shown(p, i), step.cells20) << i;
        for (int i = 10; i < 15; ++i) EXPECT_FALSE(Shown(p, i)) << "loading 4 is never shown";
    }
    EXPECT_TRUE(w.SaveButton.enabled());
}

TEST(loading_window_test, only_user_loading_cells_open_the_input_box) {
    StartedProgram s;
    Program& p = s.start();
    for (int cell = 15; cell < 25; ++cell) {
        std::string answer = "x";
        s.dialogs.answerInput(answer.append(std::to_string(cell)));
    }
    for (int cell = 0; cell < 25; ++cell) p.loading.Cells[static_cast<size_t>(cell)].click();
    ASSERT_EQ(s.dialogs.asked().size(), 10u);
    EXPECT_EQ(s.dialogs.asked()[0].text, "Enter new value");
    EXPECT_EQ(s.dialogs.asked()[0].defaultAnswer, "User loading ");
    EXPECT_EQ(s.dialogs.asked()[1].defaultAnswer, "10");
    for (int cell = 0; cell < 15; ++cell) EXPECT_EQ(Cell(p, cell)[0] == 'x', false) << cell;
    EXPECT_EQ(Cell(p, 20), "x20");
}

TEST(loading_window_test, cell_edits_store_the_converted_value_in_the_record) {
    struct Row {
        const char* name;
        const char* settings;
        int cell;
        const char* answer;
        int record;
        float LoadingRecord::*value;  // nullptr: the name
        float expected;
        const char* expectedName;
    };
    const Row rows[] = {
        {"text for a temperature reads 0", "English\r\n2\r\n", 16, "abc", 5, &LoadingRecord::temperature, 0.0f, nullptr},
        {"ice kept to two decimals", "English\r\n2\r\n", 17, "0.456 in", 5, &LoadingRecord::iceThickness, 0.46f, nullptr},
        {"wind of loading 2", "English\r\n2\r\n", 23, "12", 6, &LoadingRecord::windPressure, 12.0f, nullptr},
        {"constant of loading 2", "English\r\n2\r\n", 24, "0.3", 6, &LoadingRecord::loadConstant, 0.3f, nullptr},
        {"metric temperature", "Metric \r\n2\r\n", 21, "10", 6, &LoadingRecord::temperature, 50.0f, nullptr},
        {"metric ice", "Metric \r\n2\r\n", 17, "12.7", 5, &LoadingRecord::iceThickness, 0.5f, nullptr},
        {"cell 20 names loading 2, cut to 13", "English\r\n2\r\n", 20, "A very long loading name", 6, nullptr, 0,
         "A very long l"},
        {"short names are padded", "English\r\n2\r\n", 15, "Mine", 5, nullptr, 0, "Mine         "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s(row.settings);
        Program& p = s.start();
        const LoadingRecord before = p.loadings[row.record == 5 ? 6 : 5];
        s.dialogs.answerInput(row.answer);
        p.loading.Cells[static_cast<size_t>(row.cell)].click();
        EXPECT_EQ(Cell(p, row.cell), row.answer) << "the cell shows the answer as typed";
        const LoadingRecord& r = p.loadings[static_cast<size_t>(row.record)];
        if (row.value) EXPECT_FLOAT_EQ(r.*row.value, row.expected);
        else EXPECT_EQ(r.name, row.expectedName);
        EXPECT_EQ(p.loadings[row.record == 5 ? 6 : 5].name, before.name) << "the other loading is untouched";
        EXPECT_FALSE(p.loading.SaveButton.enabled()) << "an edit alone does not enable saving";
    }
}

TEST(loading_window_test, cancelling_the_input_box_empties_the_cell) {
    StartedProgram s;
    Program& p = s.start();
    s.dialogs.answerInput("");
    p.loading.Cells[18].click();
    EXPECT_EQ(Cell(p, 18), "");
    EXPECT_EQ(p.loadings[5].windPressure, 0.0f);
}

TEST(loading_window_test, save_writes_the_settings_file_and_reads_it_back) {
    struct Row {
        const char* name;
        int ticks;  // user loadings ticked
        const char* settings;
        const char* file;
    };
    const Row rows[] = {
        {"no user loading", 0, "English\r\n2\r\n", "English\r\n1\r\n"},
        {"user loading 1", 1, "English\r\n2\r\n", "English\r\n1\r\nUser loading,10,0.25,2,0.1\r\n"},
        {"both", 2, "English\r\n2\r\n", "English\r\n1\r\nUser loading,10,0.25,2,0.1\r\nUser2,20,0,3,0\r\n"},
        {"metric texts", 1, "Metric \r\n2\r\n", "Metric \r\n1\r\nUser loading,-12.2,6.35,95.76,1.46\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s(row.settings);
        Program& p = s.start();
        p.loading.Option1.select(1);
        for (int i = 0; i < row.ticks; ++i) p.loading.Check1[static_cast<size_t>(i)].click();
        p.loading.SaveButton.click();
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.file);
        EXPECT_FALSE(p.loading.SaveButton.enabled());

        StartedProgram again(nullptr);
        again.folder.write("CN3NESC.TXT", s.folder.read("CN3NESC.TXT"));
        Program& q = again.start();
        EXPECT_EQ(q.selectedDistrict, 1);
        EXPECT_EQ(q.loading.Option1.selected(), 1);
        EXPECT_EQ(Cell(q, 0), "251 Medium");
        EXPECT_EQ(q.loading.Check1[0].checked(), row.ticks >= 1);
        EXPECT_EQ(q.loading.Check1[1].checked(), row.ticks >= 2);
        EXPECT_FALSE(q.loading.SaveButton.enabled());
        for (int c = 16; c < 20 && row.ticks >= 1; ++c) EXPECT_EQ(Cell(q, c), Cell(p, c)) << c;
    }
}

TEST(loading_window_test, saved_texts_are_trimmed_and_unticking_drops_their_lines) {
    StartedProgram s;
    Program& p = s.start();
    p.loading.Check1[0].click();
    p.loading.Check1[1].click();
    s.dialogs.answerInput("  Wet snow  ");
    p.loading.Cells[20].click();
    p.loading.SaveButton.click();
    EXPECT_EQ(s.folder.read("CN3NESC.TXT"),
              "English\r\n2\r\nUser loading,10,0.25,2,0.1\r\nWet snow,20,0,3,0\r\n");
    p.loading.Check1[0].click();
    p.loading.SaveButton.click();
    EXPECT_EQ(s.folder.read("CN3NESC.TXT"), "English\r\n2\r\n");
}

TEST(loading_window_test, restored_lines_fill_the_cells_and_the_records) {
    struct Row {
        const char* name;
        const char* settings;
        std::array<const char*, 5> cells;
        LoadingRecord record;
    };
    const Row rows[] = {
        {"english", "English\r\n2\r\nMine,25,0.5,6,0.2\r\n", {"Mine", "25", "0.5", "6", "0.2"},
         {"Mine         ", 25.0f, 0.5f, 6.0f, 0.2f}},
        {"metric texts converted back", "Metric \r\n2\r\nMine,10,12.7,100,1\r\n", {"Mine", "10", "12.7", "100", "1"},
         {"Mine         ", 50.0f, 0.5f, 2.09f, 0.07f}},
        {"a short line fills only its cells", "English\r\n2\r\nX,7\r\n", {"X", "7", "", "", ""},
         {"X            ", 7.0f, 0.0f, 0.0f, 0.0f}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s(row.settings);
        Program& p = s.start();
        EXPECT_TRUE(p.loading.Check1[0].checked());
        EXPECT_FALSE(p.loading.Check1[1].checked());
        EXPECT_TRUE(Shown(p, 15));
        EXPECT_FALSE(Shown(p, 20));
        for (int c = 0; c < 5; ++c) EXPECT_EQ(Cell(p, 15 + c), row.cells[static_cast<size_t>(c)]);
        const LoadingRecord& r = p.loadings[5];
        EXPECT_EQ(r.name, row.record.name);
        EXPECT_FLOAT_EQ(r.temperature, row.record.temperature);
        EXPECT_FLOAT_EQ(r.iceThickness, row.record.iceThickness);
        EXPECT_FLOAT_EQ(r.windPressure, row.record.windPressure);
        EXPECT_FLOAT_EQ(r.loadConstant, row.record.loadConstant);
    }
}

TEST(loading_window_test, a_missing_or_impossible_district_starts_on_light) {
    for (const char* settings : {"English\r\n", "English\r\n7\r\n", "English\r\n-1\r\n", "English\r\nabc\r\n", ""}) {
        SCOPED_TRACE(settings);
        StartedProgram s(settings);
        Program& p = s.start();
        ASSERT_TRUE(s.started);
        EXPECT_EQ(p.selectedDistrict, 2);
        EXPECT_EQ(p.loading.Option1.selected(), 2);
        EXPECT_EQ(Cell(p, 1), "30");
    }
}

TEST(loading_window_test, close_hides_the_window_and_ends_its_modal_run) {
    StartedProgram s;
    Program& p = s.start();
    int closed = 0;
    p.loading.closeModal = [&] { ++closed; };
    p.loading.shown = true;
    p.loading.CloseButton.click();
    EXPECT_FALSE(p.loading.shown);
    EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace cn3
