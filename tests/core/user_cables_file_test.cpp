#include <gtest/gtest.h>

#include "core/user_cables_file.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

using test::TempFolder;

// A table as the catalogue leaves it: two catalogue rows and the separator in row 3.
CableTable catalogueOnly() {
    CableTable t;
    t.rows[1][0] = "1/4 EHS 6M";
    t.rows[2][0] = "P 500";
    t.rows[3][0] = "User Defined\n\rCables";
    t.userSeparatorRow = 3;
    t.lastCableRow = 3;
    return t;
}

TEST(user_cables_file_test, a_missing_file_adds_nothing) {
    TempFolder folder;
    CableTable t = catalogueOnly();
    EXPECT_FALSE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.lastCableRow, t.userSeparatorRow);
}

TEST(user_cables_file_test, an_empty_file_opens_and_adds_nothing) {
    TempFolder folder;
    folder.write("CABLEADD.TXT", "");
    CableTable t = catalogueOnly();
    EXPECT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.lastCableRow, 3);
}

TEST(user_cables_file_test, eight_tab_ended_fields_make_one_row_of_kind_5) {
    TempFolder folder;
    folder.write("CABLEADD.TXT",
                 "A\t1\t2\t3\t4\t5\t6\t7\tignored\tstuff\r\n"
                 "B\t\t\t0.5\t\t0.1\t\t\t\n");
    CableTable t = catalogueOnly();
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.lastCableRow, 5);
    EXPECT_EQ(t.rows[4], (CableRecord{"A", "1", "2", "3", "4", "5", "6", "7", "", "", "5"}));
    EXPECT_EQ(t.rows[5], (CableRecord{"B", "", "", "0.5", "", "0.1", "", "", "", "", "5"}));
    EXPECT_EQ(t.rows[1][field::kKindCode], "0");
}

TEST(user_cables_file_test, a_short_line_stops_reading_and_keeps_its_begun_row) {
    TempFolder folder;
    folder.write("CABLEADD.TXT",
                 "A\t1\t2\t3\t4\t5\t6\t7\t\r\n"
                 "B\t1\t2\t3\r\n"
                 "C\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    CableTable t = catalogueOnly();
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.lastCableRow, 5);
    EXPECT_EQ(t.rows[5], (CableRecord{"B", "1", "2", "", "", "", "", "", "", "", "5"}));
    EXPECT_EQ(t.rows[6][0], "");
}

TEST(user_cables_file_test, stale_fields_of_a_reused_row_are_cleared) {
    TempFolder folder;
    folder.write("CABLEADD.TXT", "New\t1\r\n");
    CableTable t = catalogueOnly();
    t.rows[4] = CableRecord{"Old", "9", "9", "9", "9", "9", "9", "9", "", "", "5"};
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.rows[4], (CableRecord{"New", "", "", "", "", "", "", "", "", "", "5"}));
}

TEST(user_cables_file_test, no_row_is_read_past_200) {
    TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 250; ++i) {
        bytes += 'U';
        bytes += std::to_string(i);
        bytes += "\t1\t2\t3\t4\t5\t6\t7\t\r\n";
    }
    folder.write("CABLEADD.TXT", bytes);
    CableTable t = catalogueOnly();
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(t.lastCableRow, 200);
    EXPECT_EQ(t.rows[200][0], "U196");
}

TEST(user_cables_file_test, written_rows_read_back_the_same_in_the_same_order) {
    TempFolder folder;
    CableTable t = catalogueOnly();
    t.rows[4] = CableRecord{"P 500 copy", "0.5", "", "0.57", "0.0000128", "0.09", "0", "0", "", "", "5"};
    t.rows[5] = CableRecord{"C\xC3\xA2" "ble", "1", "2", "3", "4", "5", "6", "7", "", "", "5"};
    t.lastCableRow = 5;
    ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_EQ(folder.read("CABLEADD.TXT"),
              "P 500 copy\t0.5\t\t0.57\t0.0000128\t0.09\t0\t0\t\r\n"
              "C\xE2" "ble\t1\t2\t3\t4\t5\t6\t7\t\r\n");

    CableTable back = catalogueOnly();
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), back));
    EXPECT_EQ(back.lastCableRow, 5);
    EXPECT_EQ(back.rows[4], t.rows[4]);
    EXPECT_EQ(back.rows[5], t.rows[5]);
}

TEST(user_cables_file_test, tabs_and_line_ends_inside_a_field_are_written_as_blanks) {
    TempFolder folder;
    CableTable t = catalogueOnly();
    t.rows[4][0] = "Bad\tname\r\nhere";
    t.rows[4][3] = "0.5";
    t.lastCableRow = 4;
    ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
    CableTable back = catalogueOnly();
    ASSERT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), back));
    EXPECT_EQ(back.lastCableRow, 4);
    EXPECT_EQ(back.rows[4][0], "Bad name  here");
    EXPECT_EQ(back.rows[4][3], "0.5");
}

TEST(user_cables_file_test, writing_no_user_cable_deletes_the_file) {
    TempFolder folder;
    folder.write("CABLEADD.TXT", "A\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), catalogueOnly()));
    EXPECT_FALSE(folder.exists("CABLEADD.TXT"));
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), catalogueOnly()));  // already gone
}

}  // namespace
}  // namespace cn3
