#include "core/text_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3::test {

TEST(text_file_test, lines_end_at_cr_lf_or_lf_and_a_last_line_without_end_is_kept) {
    struct Case {
        const char *what, *bytes;
        std::vector<std::string> lines;
    };
    // clang-format off
    const Case cases[] = {
        {"empty file", "", {}}, {"CR LF ends", "a\r\nb\r\n", {"a", "b"}},
        {"LF end, last line without end", "a\nb", {"a", "b"}},
        {"empty line between", "a\r\n\r\nb", {"a", "", "b"}},
        {"a lone CR stays in the line", "a\rb\r\n", {"a\rb"}},
        {"a Latin-1 byte becomes UTF-8", "\260F\r\n", {"\302\260F"}}};
    // clang-format on
    TempFolder folder;
    for (const auto& [what, bytes, lines] : cases) {
        folder.write("F.TXT", bytes);
        EXPECT_EQ(ReadTextLines(folder.file("F.TXT")), lines) << what;
    }
}

TEST(text_file_test, latin1_round_trips_and_other_characters_become_question_marks) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    struct Case {
        const char *what, *utf8, *latin1;
    };
    // clang-format off
    const Case cases[] = {
        {"euro sign, not in Latin-1", "\342\202\254 5", "? 5"}, {"lead byte cut off", "\303", "?"},
        {"four-byte character", "\360\237\230\200!", "?!"},
        {"lone continuation byte", "a\200b", "a?b"}, {"lead byte before ASCII", "\342A", "?A"},
        {"overlong NUL", "\300\200", "?"}};
    // clang-format on
    for (const auto& [what, utf8, latin1] : cases) EXPECT_EQ(Utf8ToLatin1(utf8), latin1) << what;
}

TEST(text_file_test, atomic_write_replaces_the_whole_file_or_leaves_no_trace) {
    TempFolder folder;
    folder.write("F.TXT", "old contents that are longer");
    ASSERT_TRUE(WriteFileAtomically(folder.file("F.TXT"), "new"));
    EXPECT_EQ(folder.read("F.TXT"), "new");
    std::filesystem::create_directories(folder.path() / "D" / "inside");
    EXPECT_FALSE(WriteFileAtomically(folder.file("D"), "x"));  // the rename over a folder fails
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "D"));
    EXPECT_FALSE(folder.exists("D.new") || folder.exists("F.TXT.new"));
}

TEST(text_file_test, atomic_write_keeps_the_old_files_permissions) {
    namespace fs = std::filesystem;
    TempFolder folder;
    for (const fs::perms perms :
         {fs::perms::owner_read,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
        folder.write("F.TXT", "old");
        fs::permissions(folder.file("F.TXT"), perms);
        ASSERT_TRUE(WriteFileAtomically(folder.file("F.TXT"), "new"));
        EXPECT_EQ(fs::status(folder.file("F.TXT")).permissions(), perms);
        fs::permissions(folder.file("F.TXT"), fs::perms::owner_all);  // readable for the next round
        EXPECT_EQ(folder.read("F.TXT"), "new");
    }
}

}  // namespace cn3::test
