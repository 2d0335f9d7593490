#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace cn3 {
namespace {

using test::StartedProgram;
using Strings = std::vector<std::string>;

Strings Captions(const Program& p, int first, int count) {
    Strings captions;
    for (int i = first; i < first + count; ++i) captions.push_back(p.loading.Cells.at(static_cast<size_t>(i)).caption());
    return captions;
}
bool Shown(const Program& p, int i) { return p.loading.Cells.at(static_cast<size_t>(i)).visible(); }

TEST(loading_window_test, start_up_shows_light_and_only_the_first_three_rows) {
    StartedProgram s;
    Program& p = s.start();
    EXPECT_EQ(Captions(p, 0, 25), (Strings{"251 - Light", "30", "0", "9", "0.05", "Ice 32F      ", "32", "0.5", "0", "0",
                                           "Hot 120F     ", "120", "0", "0", "0", "User loading ", "10", "0.25", "2", "0.1",
                                           "User2        ", "20", "0", "3", "0"}));  // names padded or cut to 13
    for (int i = 0; i < 25; ++i) EXPECT_EQ(Shown(p, i), i < 10) << i;
    EXPECT_EQ((Strings{p.loading.UnitLabels[0].caption(), p.loading.UnitLabels[1].caption(),
                       p.loading.UnitLabels[2].caption(), p.loading.UnitLabels[3].caption()}),
              (Strings{"deg F", "in", "lb/ft2", "lb/ft"}));
    EXPECT_EQ(p.selectedDistrict, 2);
    EXPECT_FALSE(p.loading.SaveButton.enabled());
    EXPECT_FALSE(p.loading.Check1[1].enabled());
    for (size_t c = 0; c < 15; ++c) p.loading.Cells[c].click();  // the scripted dialogs fail on any question

    p.loading.Option1.select(0);
    EXPECT_EQ(Captions(p, 0, 5), (Strings{"251 Heavy", "0", "0.5", "4", "0.31"}));
    EXPECT_EQ(p.selectedDistrict, 0);
    EXPECT_TRUE(p.loading.SaveButton.enabled());
}

TEST(loading_window_test, user_loading_ticks_cascade) {
    StartedProgram s;
    LoadingForm& w = s.start().loading;
    struct Step { const char* name; size_t click; bool ticked1, ticked2, box2Enabled, shown15, shown20; };
    const Step steps[] = {{"box 2 cannot be ticked alone", 1, false, false, false, false, false},
                          {"tick 1", 0, true, false, true, true, false},
                          {"tick 2", 1, true, true, true, true, true},
                          {"untick 2", 1, true, false, true, true, false},
                          {"untick 1 unticks 2", 0, false, false, false, false, false}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        w.Check1[step.click].click();
        EXPECT_EQ(w.Check1[0].checked(), step.ticked1);
        EXPECT_EQ(w.Check1[1].checked(), step.ticked2);
        EXPECT_EQ(w.Check1[1].enabled(), step.box2Enabled);
        EXPECT_EQ(w.Hint.visible(), step.ticked1);
        for (int i = 10; i < 25; ++i)
            EXPECT_EQ(Shown(*s.program, i), i >= 20 ? step.shown20 : i >= 15 && step.shown15) << i;
    }
    EXPECT_TRUE(w.SaveButton.enabled());
}

std::vector<float> Values(const LoadingRecord& r) {
    return {r.temperature, r.iceThickness, r.windPressure, r.loadConstant};
}

TEST(loading_window_test, cell_edits_store_the_converted_value_in_the_record) {
    struct Row { const char* settings; std::vector<std::pair<size_t, const char*>> edits; const char *name5, *name6;
                 std::vector<float> values5, values6; };
    // Records 5 and 6 start as "User loading " (10, 0.25, 2, 0.1) and "User2" (20, 0, 3, 0). A text
    // reads 0, ice keeps two decimals, a cancelled box ("") empties the cell; names are cut to 13.
    const Row rows[] = {{"English\r\n2\r\n",
                         {{15, "Mine"}, {16, "abc"}, {17, "0.456 in"}, {18, ""}, {20, "A very long name"}},
                         "Mine         ", "A very long n", {0, 0.46f, 0, 0.1f}, {20, 0, 3, 0}},
                        {"Metric \r\n2\r\n", {{17, "12.7"}, {21, "10"}}, "User loading ", "User2        ",
                         {10, 0.5f, 2, 0.1f}, {50, 0, 3, 0}}};  // 12.7 mm, 10 deg C
    for (const Row& row : rows) {
        StartedProgram s(row.settings);
        Program& p = s.start();
        for (const auto& [cell, answer] : row.edits) {
            const std::string before = Captions(p, static_cast<int>(cell), 1)[0];
            s.dialogs.answerInput(answer);
            p.loading.Cells[cell].click();
            EXPECT_EQ(s.dialogs.asked().back().text, "Enter new value");
            EXPECT_EQ(s.dialogs.asked().back().defaultAnswer, before);
            EXPECT_EQ(Captions(p, static_cast<int>(cell), 1)[0], answer) << "the cell shows the answer as typed";
        }
        EXPECT_EQ(p.loadings[5].name, row.name5);
        EXPECT_EQ(p.loadings[6].name, row.name6);
        EXPECT_THAT(Values(p.loadings[5]), testing::Pointwise(testing::FloatEq(), row.values5));
        EXPECT_THAT(Values(p.loadings[6]), testing::Pointwise(testing::FloatEq(), row.values6));
        EXPECT_FALSE(p.loading.SaveButton.enabled()) << "an edit alone does not enable saving";
    }
}

TEST(loading_window_test, save_writes_the_ticked_user_loadings_trimmed) {
    struct Row { int ticks; const char *settings, *typed, *file; };  // typed: loading 2's new name
    const Row rows[] = {
        {0, "English\r\n2\r\n", nullptr, "English\r\n1\r\n"},
        {1, "English\r\n2\r\n", nullptr, "English\r\n1\r\nUser loading,10,0.25,2,0.1\r\n"},
        {2, "English\r\n2\r\n", "  Wet snow  ", "English\r\n1\r\nUser loading,10,0.25,2,0.1\r\nWet snow,20,0,3,0\r\n"},
        {1, "Metric \r\n2\r\n", nullptr, "Metric \r\n1\r\nUser loading,-12.2,6.35,95.76,1.46\r\n"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        StartedProgram s(row.settings);
        Program& p = s.start();
        p.loading.Option1.select(1);
        for (size_t i = 0; i < static_cast<size_t>(row.ticks); ++i) p.loading.Check1[i].click();
        if (row.typed) s.dialogs.answerInput(row.typed);
        if (row.typed) p.loading.Cells[20].click();
        p.loading.SaveButton.click();
        EXPECT_EQ(s.folder.read("CN3NESC.TXT"), row.file);
        EXPECT_FALSE(p.loading.SaveButton.enabled());
    }
}

TEST(loading_window_test, the_settings_file_restores_the_district_and_user_loading_1) {
    struct Row { const char *settings, *cell0; Strings cells; std::vector<float> values; };
    const Row rows[] = {
        {"English\r\n1\r\nMine,25,0.5,6,0.2\r\n", "251 Medium", {"Mine", "25", "0.5", "6", "0.2"}, {25, 0.5f, 6, 0.2f}},
        // 10 deg C, 12.7 mm, 100 Pa and 1 N/m back in internal units, kept to the shown decimals.
        {"Metric \r\n2\r\nMine,10,12.7,100,1\r\n", "251 - Light", {"Mine", "10", "12.7", "100", "1"},
         {50, 0.5f, 2.09f, 0.07f}},
        {"English\r\n2\r\nMine,7\r\n", "251 - Light", {"Mine", "7", "", "", ""}, {7, 0, 0, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        StartedProgram s(row.settings);
        Program& p = s.start();
        EXPECT_EQ(Captions(p, 0, 1)[0], row.cell0);
        // Box 1 ticked and its cells shown, box 2 not, nothing to save.
        EXPECT_EQ((std::array{p.loading.Check1[0].checked(), Shown(p, 15), p.loading.Check1[1].checked(), Shown(p, 20),
                              p.loading.SaveButton.enabled()}),
                  (std::array{true, true, false, false, false}));
        EXPECT_EQ(Captions(p, 15, 5), row.cells);
        EXPECT_EQ(p.loadings[5].name, "Mine         ");
        EXPECT_THAT(Values(p.loadings[5]), testing::Pointwise(testing::FloatEq(), row.values));
    }
}

}  // namespace
}  // namespace cn3
