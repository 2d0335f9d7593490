#include "core/user_cables_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3 {
namespace {

// Catalogue rows 1 and 2 and the separator in row 3, as the catalogue leaves the table, then
// the user cables read from `bytes`.
CableTable readFrom(const test::TempFolder& folder, std::string_view bytes) {
    CableTable t;
    t.rows[3][0] = "User Defined\n\rCables";
    t.userSeparatorRow = t.lastCableRow = 3;
    folder.write("CABLEADD.TXT", bytes);
    EXPECT_TRUE(ReadUserCables(folder.file("CABLEADD.TXT"), t));
    return t;
}

TEST(user_cables_file_test, reads_tab_ended_fields_stops_at_a_short_line_and_row_200) {
    test::TempFolder folder;
    CableTable t;
    EXPECT_FALSE(ReadUserCables(folder.file("CABLEADD.TXT"), t));  // no file: no user cables
    t = readFrom(folder,
                 "A\t1\t2\t3\t4\t5\t6\t7\tignored\r\nB\t\t\t0.5\t\t0.1\t\t\t\n"
                 "C\t1\t2\r\nD\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    EXPECT_EQ(std::tie(t.lastCableRow, t.rows[7][0]), std::make_tuple(6, ""));
    EXPECT_EQ(t.rows[4], (CableRecord{"A", "1", "2", "3", "4", "5", "6", "7", "", "", "5"}));
    EXPECT_EQ(t.rows[5], (CableRecord{"B", "", "", "0.5", "", "0.1", "", "", "", "", "5"}));
    EXPECT_EQ(t.rows[6], (CableRecord{"C", "1", "", "", "", "", "", "", "", "", "5"}));
    std::string bytes;  // no row is read past 200
    for (int i = 0; i < 250; ++i)
        bytes.append("U").append(std::to_string(i)).append("\t1\t2\t3\t4\t5\t6\t7\t\r\n");
    t = readFrom(folder, bytes);
    EXPECT_EQ(std::tie(t.lastCableRow, t.rows[200][0]), std::make_tuple(200, "U196"));
}

// The catalogue fills rows 1..197 and the separator row 198, so rows 199 and 200 are left for
// user cables. Lines that find no row (table full, no name, after a short line) are written
// back unchanged after the rows, and keep the file when no row is left.
TEST(user_cables_file_test, lines_that_find_no_row_stay_in_the_file_after_the_rows) {
    const std::string a = "A\t1\t2\t3\t4\t5\t6\t7\t\r\n", b = "B\t\t\t\t\t\t\t\t\r\n";
    const std::string c = "C\t1\t2\t3\t4\t5\t6\t7\t\r\n", unnamed = "\t1\t2\t3\t4\t5\t6\t7\t\r\n";
    struct Case {
        std::string file;
        int rowsRead, tableFull;
        const char* row200;
        std::string rewritten, keptOnly;
    };
    const Case cases[] = {
        {a + unnamed + b + c, 2, 1, "B", a + b + unnamed + c, unnamed + c},
        {"\r\nA\t1\t2\r\n" + c, 1, 0, "", "A\t1\t\t\t\t\t\t\t\r\n\r\n" + c, "\r\n" + c},
    };
    test::TempFolder folder;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        CableTable t;
        t.userSeparatorRow = t.lastCableRow = 198;
        folder.write("CABLEADD.TXT", k.file);
        const auto read = ReadUserCables(folder.file("CABLEADD.TXT"), t);
        ASSERT_TRUE(read);
        EXPECT_EQ(std::tie(t.lastCableRow, read->tableFull, t.rows[200][0]),
                  std::make_tuple(198 + k.rowsRead, k.tableFull, k.row200));
        ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
        EXPECT_EQ(folder.read("CABLEADD.TXT"), k.rewritten);
        t.lastCableRow = t.userSeparatorRow;  // every row deleted
        ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
        EXPECT_EQ(folder.read("CABLEADD.TXT"), k.keptOnly);
    }
}

// The selection tests cover the exact bytes written for plain ASCII rows.
TEST(user_cables_file_test, written_rows_read_back_the_same_and_none_written_twice_succeeds) {
    test::TempFolder folder;
    CableTable t = readFrom(folder, "");
    t.rows[4] = {"P 500 copy", "0.5", "", "0.57", "0.0000128", "0.09", "0", "0", "", "", "5"};
    t.rows[5] = {"C\303\242ble", "1", "2", "3", "4", "5", "6", "7", "", "", "5"};
    t.rows[6] = {"Tab\there\r\n", "1", "2", "3", "4", "5", "6", "7", "", "", "5"};
    t.lastCableRow = 6;
    ASSERT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_TRUE(folder.read("CABLEADD.TXT").find("\r\nC\342ble\t1\t") != std::string::npos);
    const CableTable back = readFrom(folder, folder.read("CABLEADD.TXT"));
    EXPECT_EQ(std::tie(back.lastCableRow, back.rows[4], back.rows[5]),
              std::tie(t.lastCableRow, t.rows[4], t.rows[5]));
    // A TAB or line end would have split the file.
    EXPECT_EQ(std::tie(back.rows[6][0], back.rows[6][7]), std::make_tuple("Tab here  ", "7"));
    t.lastCableRow = 3;
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));
    EXPECT_TRUE(WriteUserCables(folder.file("CABLEADD.TXT"), t));  // no file left to remove
    EXPECT_FALSE(folder.exists("CABLEADD.TXT"));
}

}  // namespace
}  // namespace cn3
