#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3 {
namespace {

TEST(settings_file_test, unit_word_reads_and_rewrites_only_the_first_seven_bytes) {
    test::TempFolder folder;
    const std::string path = folder.file("CN3NESC.TXT");
    EXPECT_EQ(ReadUnitWord(path), "");  // a missing file is created empty
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "");
    const std::string rest = "\r\n2\r\nUser 1,15,0.75,2.3,0\r\n";
    folder.write("CN3NESC.TXT", "?NotSet" + rest);
    EXPECT_EQ(ReadUnitWord(path), "?NotSet");
    ASSERT_TRUE(WriteUnitWord(path, "Metric "));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric " + rest);
    folder.write("CN3NESC.TXT", "");
    ASSERT_TRUE(WriteUnitWord(path, "Metric"));  // padded to seven
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric ");
    EXPECT_FALSE(WriteUnitWord(folder.file("no-such-folder/CN3NESC.TXT"), "English"));
}

TEST(settings_file_test, district_is_absent_when_missing_unreadable_or_out_of_range) {
    // -1 stands for no district.
    const std::pair<const char*, int> cases[] = {
        {"", -1},        {"E", -1},     {"E\r\nHeavy", -1},  {"E\r\n7", -1},
        {"E\r\n-1", -1}, {"E\r\n0", 0}, {"E\r\n  2 , x", 2}, {"E\n1.0", 1}};
    test::TempFolder folder;
    for (const auto& [bytes, district] : cases) {
        folder.write("CN3NESC.TXT", bytes);
        EXPECT_EQ(ReadSettingsFile(folder.file("CN3NESC.TXT")).district.value_or(-1), district)
            << bytes;
    }
}

TEST(settings_file_test, writes_and_reads_back_at_most_two_user_loading_lines) {
    test::TempFolder folder;
    const std::string path = folder.file("CN3NESC.TXT");
    ASSERT_TRUE(
        WriteSettingsFile(path, true, 2, {"Ice+Wind 250D,-9.4,19.05,110.1,0", "B,1", "C,2"}));
    EXPECT_EQ(folder.read("CN3NESC.TXT"),
              "Metric \r\n2\r\nIce+Wind 250D,-9.4,19.05,110.1,0\r\nB,1\r\n");
    const SettingsFile back = ReadSettingsFile(path);
    EXPECT_EQ(std::tie(back.unitLine, back.district), std::make_tuple("Metric ", 2));
    EXPECT_EQ(back.userLoadingLines,
              (std::vector<std::string>{"Ice+Wind 250D,-9.4,19.05,110.1,0", "B,1"}));
    ASSERT_TRUE(WriteSettingsFile(path, false, 0, {}));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "English\r\n0\r\n");
}

}  // namespace
}  // namespace cn3
