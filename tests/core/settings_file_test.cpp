#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3::test {

// The start-up tests cover the first-run rewrite that keeps the rest of the file, a missing or
// empty file and the districts 7 and -1; here are the edges they do not reach.
TEST(settings_file_test, unit_word_padding_unusual_districts_and_two_user_loading_lines) {
    TempFolder folder;
    const std::string path = folder.file("CN3NESC.TXT");
    ASSERT_TRUE(WriteUnitWord(path, "Metric"));  // padded to seven
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric ");
    EXPECT_FALSE(WriteUnitWord(folder.file("no-such-folder/CN3NESC.TXT"), "English"));
    // -1 stands for no district.
    struct District {
        const char *what, *bytes;
        int district;
    };
    const District districts[] = {{"no district line", "E", -1},
                                  {"a word for the district", "E\r\nHeavy", -1},
                                  {"district 0", "E\r\n0", 0},
                                  {"spaces and more fields", "E\r\n  2 , x", 2},
                                  {"LF end and a decimal", "E\n1.0", 1}};
    for (const auto& [what, bytes, district] : districts) {
        folder.write("CN3NESC.TXT", bytes);
        EXPECT_EQ(ReadSettingsFile(path).district.value_or(-1), district) << what;
    }
    ASSERT_TRUE(WriteSettingsFile(path, true, 2, {"Sn\303\266w,-9.4,19.05,110.1,0", "B", "C"}));
    EXPECT_EQ(folder.read("CN3NESC.TXT"), "Metric \r\n2\r\nSn\366w,-9.4,19.05,110.1,0\r\nB\r\n");
    folder.write("CN3NESC.TXT", "English\r\n1\r\nA\r\nB\r\nC\r\n");
    const SettingsFile back = ReadSettingsFile(path);
    EXPECT_EQ(std::tie(back.unitLine, back.district), std::make_tuple("English", 1));
    EXPECT_EQ(back.userLoadingLines, (std::vector<std::string>{"A", "B"}));
}

}  // namespace cn3::test
