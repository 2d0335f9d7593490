#include "core/user_cables_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3 {
namespace {

// Two catalogue rows and the separator in row 3, as the catalogue leaves the table.
CableTable catalogueOnly() {
    CableTable t;
    t.rows[1][0] = "1/4 EHS 6M";
    t.rows[3][0] = "User Defined\n\rCables";
    t.userSeparatorRow = t.lastCableRow = 3;
    return t;
}

CableTable readFrom(const test::TempFolder& folder, std::string_view bytes) {
    folder.write("CABLEADD.TXT", bytes);
    CableTable t = catalogueOnly();
    EXPECT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    return t;
}

TEST(user_cables_file_test, reads_tab_ended_fields_stops_at_a_short_line_and_row_200) {
    test::TempFolder folder;
    CableTable t = catalogueOnly();
    EXPECT_FALSE(ReadUserCables(folder.file("CABLEADD.TXT"), t));  // no file: no user cables
    EXPECT_EQ(t.lastCableRow, 3);
    EXPECT_EQ(readFrom(folder, "").lastCableRow, 3);

    t = readFrom(folder,
                 "A\t1\t2\t3\t4\t5\t6\t7\tignored\r\nB\t\t\t0.5\t\t0."
                 "1\t\t\t\nC\t1\t2\r\nD\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    EXPECT_EQ(t.lastCableRow, 6);
    EXPECT_EQ(t.rows[4], (CableRecord{"A", "1", "2", "3", "4", "5", "6", "7", "", "", "5"}));
    EXPECT_EQ(t.rows[5], (CableRecord{"B", "", "", "0.5", "", "0.1", "", "", "", "", "5"}));
    EXPECT_EQ(t.rows[6], (CableRecord{"C", "1", "", "", "", "", "", "", "", "", "5"}));
    EXPECT_EQ(t.rows[7][0], "");
    std::string bytes;  // no row is read past 200
    for (int i = 0; i < 250; ++i)
        bytes.append("U").append(std::to_string(i)).append("\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    t = readFrom(folder, bytes);
    EXPECT_EQ(t.lastCableRow, 200);
    EXPECT_EQ(t.rows[200][0], "U196");
}

TEST(user_cables_file_test, written_rows_read_back_the_same) {
    test::TempFolder folder;
    CableTable t = catalogueOnly();
    t.rows[4] =
        CableRecord{"P 500 copy", "0.5", "", "0.57", "0.0000128", "0.09", "0", "0", "", "", "5"};
    t.rows[5] = CableRecord{"C\303\242ble", "1", "2", "3", "4", "5", "6", "7", "", "", "5"};
    t.rows[6] = CableRecord{"Tab\there\r\n", "1", "2", "3", "4", "5", "6", "7", "", "", "5"};
    t.lastCableRow = 6;
    ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_TRUE(folder.read("CABLEADD.TXT")
                    .starts_with("P 500 copy\t0.5\t\t0.57\t0.0000128\t0.09\t0\t0\t\r\nC\342ble\t"));
    const CableTable back = readFrom(folder, folder.read("CABLEADD.TXT"));
    EXPECT_EQ(back.lastCableRow, 6);
    EXPECT_EQ(std::tie(back.rows[4], back.rows[5]), std::tie(t.rows[4], t.rows[5]));
    EXPECT_EQ(back.rows[6][0], "Tab here  ");  // a TAB or line end would have split the file
    EXPECT_EQ(back.rows[6][7], "7");
}

TEST(user_cables_file_test, writing_no_user_cable_deletes_the_file) {
    test::TempFolder folder;
    folder.write("CABLEADD.TXT", "A\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), catalogueOnly()));
    EXPECT_FALSE(folder.exists("CABLEADD.TXT"));
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), catalogueOnly()));
}

}  // namespace
}  // namespace cn3
