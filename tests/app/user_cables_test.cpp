#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/user_cables_file.h"

namespace cn3 {
namespace {

using test::StartedProgram;
constexpr int kSeparator = test::kFixtureCableRows + 1;

std::vector<std::string> Fields(const Program& p, int row) {
    const CableRecord& r = p.cables.rows[static_cast<size_t>(row)];
    return {r.begin(), r.begin() + 8};
}

TEST(user_cables_test, file_contents_become_rows_after_the_separator) {
    struct Row {
        const char* name;
        const char* file;  // nullptr: no file
        bool boxShown;
        std::vector<std::vector<std::string>> rows;
    };
    const Row rows[] = {
        {"no file", nullptr, false, {}},
        {"empty file", "", true, {}},
        {"one full line, the rest after the eighth TAB ignored", "A\t1\t2\t3\t4\t5\t6\t7\tignored\r\n", true,
         {{"A", "1", "2", "3", "4", "5", "6", "7"}}},
        {"empty fields between TABs", "B\t\t\t0.5\t\t\t\t\t\r\n", true, {{"B", "", "", "0.5", "", "", "", ""}}},
        {"a short line keeps its fields and stops reading", "C\t1\t2\t3\t4\t5\t6\t7\t\r\nD\t1\t2\r\nE\t1\t2\t3\t4\t5\t6\t7\t\r\n",
         true, {{"C", "1", "2", "3", "4", "5", "6", "7"}, {"D", "1", "", "", "", "", "", ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StartedProgram s;
        if (row.file) s.folder.write("CABLEADD.TXT", row.file);
        Program& p = s.start();
        ASSERT_TRUE(s.started);
        EXPECT_EQ(p.main.Check5[family::kUserDefined].visible(), row.boxShown);
        EXPECT_FALSE(p.main.Check5[family::kUserDefined].checked());
        EXPECT_EQ(p.cables.userSeparatorRow, kSeparator);
        ASSERT_EQ(p.cables.lastCableRow, kSeparator + static_cast<int>(row.rows.size()));
        EXPECT_EQ(p.main.Grid1.rows(), p.cables.lastCableRow + 1);
        for (size_t i = 0; i < row.rows.size(); ++i) {
            const int r = kSeparator + 1 + static_cast<int>(i);
            EXPECT_EQ(Fields(p, r), row.rows[i]);
            EXPECT_EQ(p.main.Grid1.text(r, 0), row.rows[i][0]);
        }
    }
}

TEST(user_cables_test, user_cable_figures_are_shown_in_display_units) {
    StartedProgram s("Metric \r\n2\r\n");
    s.folder.write("CABLEADD.TXT", "My cable\t1\t0\t0.5\t0\t0.1\t0\t0\t\r\n");
    Program& p = s.start();
    EXPECT_EQ(p.main.Grid1.text(kSeparator + 1, 3), "12.700");
    EXPECT_EQ(p.cables.rows[kSeparator + 1][field::kDiameter], "0.5");
}

TEST(user_cables_test, written_cables_come_back_in_the_same_order) {
    StartedProgram first;
    first.folder.write("CABLEADD.TXT", "Zed\t1\t0\t0.5\t0\t0.1\t0\t0\t\r\nAlpha\t2\t\t0.6\t\t0.2\t100\t200\t\r\n");
    Program& p = first.start();
    // A third cable as the editor would add it, then the file is written and read at a new start.
    p.cables.lastCableRow++;
    p.cables.rows[static_cast<size_t>(p.cables.lastCableRow)] = {"Mid", "3", "0", "0.7", "0", "0.3", "0", "0"};
    ASSERT_TRUE(WriteUserCables(first.folder.file("CABLEADD.TXT"), p.cables));
    EXPECT_EQ(first.folder.read("CABLEADD.TXT"),
              "Zed\t1\t0\t0.5\t0\t0.1\t0\t0\t\r\nAlpha\t2\t\t0.6\t\t0.2\t100\t200\t\r\nMid\t3\t0\t0.7\t0\t0.3\t0\t0\t\r\n");

    StartedProgram second;
    second.folder.write("CABLEADD.TXT", first.folder.read("CABLEADD.TXT"));
    Program& q = second.start();
    ASSERT_EQ(q.cables.lastCableRow, p.cables.lastCableRow);
    for (int r = kSeparator + 1; r <= q.cables.lastCableRow; ++r) EXPECT_EQ(Fields(q, r), Fields(p, r));
}

}  // namespace
}  // namespace cn3
