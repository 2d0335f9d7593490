#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/grid.h"

namespace cn3::ui {

TEST(controls_test, program_changes_fire_events_like_user_changes) {
    ScrollBar bar;
    bar.setRange(-40, 140);
    int changes = 0;
    bar.onChange.connect([&] { ++changes; });
    bar.setValue(60);
    bar.setValue(60);
    bar.setValue(500);  // clamped to the range
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bar.value(), 140);

    CheckBox box;
    int clicks = 0;
    box.onClick.connect([&] { ++clicks; });
    box.setChecked(true);
    box.setChecked(true);
    box.click();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(clicks, 2);

    OptionGroup options({"A", "B", "C"}, 2);
    int chosen = -1;
    options.onClick.connect([&](int i) { chosen = i; });
    options.select(2);
    EXPECT_EQ(chosen, -1);
    options.select(0);
    EXPECT_EQ(chosen, 0);
}

TEST(controls_test, tab_strip_reports_the_previous_page_and_can_go_back_quietly) {
    TabStrip tabs({"a", "b", "c"});
    int previous = -1;
    tabs.onClick.connect([&](int p) { previous = p; });
    tabs.setTab(2);
    EXPECT_EQ(previous, 0);
    previous = -1;
    tabs.restoreTab(1);
    EXPECT_EQ(tabs.tab(), 1);
    EXPECT_EQ(previous, -1);
}

TEST(controls_test, disabled_button_ignores_clicks) {
    Button b("Save");
    int clicks = 0;
    b.onClick.connect([&] { ++clicks; });
    b.setEnabled(false);
    b.click();
    b.setEnabled(true);
    b.click();
    EXPECT_EQ(clicks, 1);
}

TEST(grid_test, rows_are_inserted_from_tab_separated_items_and_removed) {
    Grid g;
    g.setCols(4);
    g.setRows(2);
    g.setText(1, 1, "Bundle");
    g.addItem("1\tP 500\t0.570", 1);
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(1, 0) + "|" + g.text(1, 1) + "|" + g.text(1, 2) + "|" + g.text(1, 3) + "|" +
                  g.text(2, 1),
              "1|P 500|0.570||Bundle");
    EXPECT_EQ(g.rowHeight(1), Grid::kDefaultRowHeight);
    g.removeItem(1);
    EXPECT_EQ(g.text(1, 1), "Bundle");
    EXPECT_EQ(g.text(7, 9), "");  // outside reads empty
    g.setText(7, 9, "x");         // outside writes are ignored
    EXPECT_EQ(g.rows(), 2);
}

}  // namespace cn3::ui
