#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

using test::TempFolder;

TEST(settings_file_test, unit_word_is_the_first_seven_bytes_and_a_missing_file_is_created) {
    TempFolder folder;
    folder.write("CN3NESC.TXT", "Metric \r\n1\r\n");
    EXPECT_EQ(ReadUnitWord(folder.file("CN3NESC.TXT")), "Metric ");
    folder.write("CN3NESC.TXT", "?\r\n");
    EXPECT_EQ(ReadUnitWord(folder.file("CN3NESC.TXT")), "?\r\n");

    EXPECT_EQ(ReadUnitWord(folder.file("NEW.TXT")), "");
    EXPECT_TRUE(folder.exists("NEW.TXT"));
    EXPECT_EQ(folder.read("NEW.TXT"), "");
}

TEST(settings_file_test, rewriting_the_unit_word_keeps_every_later_byte) {
    TempFolder folder;
    const std::string rest = "\r\n2\r\nUser 1,15,0.75,2.3,0\r\n";
    folder.write("CN3NESC.TXT", "?NotSet" + rest);
    ASSERT_TRUE(WriteUnitWord(folder.file("CN3NESC.TXT"), "English"));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "English" + rest);
    ASSERT_TRUE(WriteUnitWord(folder.file("CN3NESC.TXT"), "Metric "));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric " + rest);

    folder.write("EMPTY.TXT", "");
    ASSERT_TRUE(WriteUnitWord(folder.file("EMPTY.TXT"), "Metric"));  // padded to seven
    EXPECT_EQ(folder.read("EMPTY.TXT"), "Metric ");
    EXPECT_FALSE(WriteUnitWord(folder.file("no-such-folder/CN3NESC.TXT"), "English"));
}

TEST(settings_file_test, reads_unit_line_district_and_at_most_two_user_lines) {
    TempFolder folder;
    folder.write("CN3NESC.TXT", "English\r\n 1 , extra\r\nA,1,2,3,4\r\nB,5\r\nC,9\r\n");
    const SettingsFile s = ReadSettingsFile(folder.file("CN3NESC.TXT"));
    EXPECT_EQ(s.unitLine, "English");
    EXPECT_EQ(s.district, 1);
    EXPECT_EQ(s.userLoadingLines, (std::vector<std::string>{"A,1,2,3,4", "B,5"}));
}

TEST(settings_file_test, district_is_absent_when_missing_unreadable_or_out_of_range) {
    const struct {
        const char* bytes;
        std::optional<int> district;
    } cases[] = {
        {"", std::nullopt},
        {"English\r\n", std::nullopt},
        {"English\r\nHeavy\r\n", std::nullopt},
        {"English\r\n\r\n", std::nullopt},
        {"English\r\n7\r\n", std::nullopt},
        {"English\r\n-1\r\n", std::nullopt},
        {"English\r\n0\r\n", 0},
        {"English\r\n2\n", 2},
        {"English\r\n  2 \r\n", 2},
        {"English\r\n1.0\r\n", 1},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        folder.write("CN3NESC.TXT", c.bytes);
        EXPECT_EQ(ReadSettingsFile(folder.file("CN3NESC.TXT")).district, c.district) << '"' << c.bytes << '"';
    }
    EXPECT_FALSE(ReadSettingsFile(folder.file("MISSING.TXT")).district.has_value());
}

TEST(settings_file_test, writes_unit_word_district_and_user_lines_and_reads_them_back) {
    TempFolder folder;
    const std::string path = folder.file("CN3NESC.TXT");
    ASSERT_TRUE(WriteSettingsFile(path, true, 2, {"Ice+Wind 250D,-9.4,19.05,110.1,0"}));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric \r\n2\r\nIce+Wind 250D,-9.4,19.05,110.1,0\r\n");
    const SettingsFile back = ReadSettingsFile(path);
    EXPECT_EQ(back.unitLine, "Metric ");
    EXPECT_EQ(back.district, 2);
    EXPECT_EQ(back.userLoadingLines, (std::vector<std::string>{"Ice+Wind 250D,-9.4,19.05,110.1,0"}));

    ASSERT_TRUE(WriteSettingsFile(path, false, 0, {}));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "English\r\n0\r\n");
    EXPECT_EQ(ReadUnitWord(path), "English");
}

}  // namespace
}  // namespace cn3
