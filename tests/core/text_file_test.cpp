#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

using test::TempFolder;

TEST(text_file_test, lines_end_at_cr_lf_or_lf_and_a_last_line_without_end_is_kept) {
    TempFolder folder;
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},  // a lone CR is no line end
    };
    for (const auto& c : cases) {
        folder.write("F.TXT", c.bytes);
        EXPECT_EQ(ReadTextLines(folder.file("F.TXT")), c.lines) << '"' << c.bytes << '"';
    }
    EXPECT_FALSE(ReadTextLines(folder.file("MISSING.TXT")).has_value());
}

TEST(text_file_test, latin1_and_utf8_convert_both_ways) {
    EXPECT_EQ(Latin1ToUtf8("Caf\xE9 \xB0" "F \xFF"), "Caf\xC3\xA9 \xC2\xB0" "F \xC3\xBF");
    EXPECT_EQ(Utf8ToLatin1("Caf\xC3\xA9 \xC2\xB0" "F \xC3\xBF"), "Caf\xE9 \xB0" "F \xFF");
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

TEST(text_file_test, characters_latin1_cannot_hold_become_question_marks) {
    const struct {
        const char* utf8;
        const char* latin1;
    } cases[] = {
        {"\xE2\x82\xAC 5", "? 5"},          // euro sign
        {"\xF0\x9F\x98\x80!", "?!"},        // a four-byte character
        {"a\x80" "b", "a?b"},               // a stray continuation byte
        {"\xC3", "?"},                      // cut short at the end
        {"\xC3" "A", "?A"},                 // broken by a plain character
        {"\xC0\x80", "?"},                  // an overlong form
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1) << c.latin1;
}

TEST(text_file_test, atomic_write_replaces_the_whole_file_or_leaves_it) {
    TempFolder folder;
    folder.write("F.TXT", "old contents that are longer");
    ASSERT_TRUE(WriteFileAtomically(folder.file("F.TXT"), "new"));
    EXPECT_EQ(folder.read("F.TXT"), "new");
    EXPECT_FALSE(folder.exists("F.TXT.new"));

    // The target is a folder: the rename fails, nothing is left behind.
    std::filesystem::create_directory(folder.path() / "D");
    std::filesystem::create_directory(folder.path() / "D" / "inside");
    EXPECT_FALSE(WriteFileAtomically(folder.file("D"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "D"));
    EXPECT_FALSE(folder.exists("D.new"));
    EXPECT_FALSE(WriteFileAtomically(folder.file("missing/F.TXT"), "x"));
}

}  // namespace
}  // namespace cn3
