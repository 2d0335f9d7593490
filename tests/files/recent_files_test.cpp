// The recent files: noted after a span file is opened or written (not after a failure), newest
// first, eight at most, each once.
#include "files/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/files_commands.h"
#include "worksheet.h"

namespace cn3::test {
namespace {

TEST(recent_files_test, the_list_keeps_the_newest_eight_once_each) {
    TempFolder folder;
    const std::string data = folder.path().string();
    EXPECT_TRUE(ReadRecentFiles(data).empty()) << "no file yet";
    for (int i = 1; i <= 10; ++i) NoteRecentFile(data, "/spans/" + std::to_string(i) + ".cn3");
    NoteRecentFile(data, "/spans/5.cn3");
    const std::vector<std::string> expected = {"/spans/5.cn3", "/spans/10.cn3", "/spans/9.cn3",
                                               "/spans/8.cn3", "/spans/7.cn3",  "/spans/6.cn3",
                                               "/spans/4.cn3", "/spans/3.cn3"};
    EXPECT_EQ(ReadRecentFiles(data), expected);
    EXPECT_EQ(NoteRecentFile(data, "/spans/a\nb.cn3"), expected) << "a line break cannot be kept";
    // A file written by hand with blank lines, repeats and more than eight lines.
    folder.write(std::string(kRecentFilesName), "\n/a.cn3\r\n/a.cn3\n/b.cn3\n1\n2\n3\n4\n5\n6\n7\n");
    EXPECT_EQ(ReadRecentFiles(data),
              (std::vector<std::string>{"/a.cn3", "/b.cn3", "1", "2", "3", "4", "5", "6"}));
}

// Opening from the list itself is tried through the window's menu.
TEST(recent_files_test, saving_and_opening_note_the_file_and_a_failure_does_not) {
    Worksheet w;
    w.select(family::kStrand, "1/4 EHS 6M");
    const auto recent = [&] { return ReadRecentFiles(w.program.dataFolder); };
    const std::string first = w.folder.file("first.cn3"), second = w.folder.file("second.cn3");
    for (const auto& path : {first, second}) {
        w.dialogs.answerSave(path).expectMessage();
        w.command(files_button::kSaveAs);
    }
    OpenChosenSpanFile(w.program, first);
    EXPECT_EQ(recent(), (std::vector<std::string>{first, second}));

    // A file gone since: one "Error - " message; the list and the worksheet's name stay.
    w.dialogs.expectMessage();
    OpenChosenSpanFile(w.program, w.folder.file("gone.cn3"));
    ASSERT_EQ(w.dialogs.messages().size(), 3u);
    EXPECT_EQ(w.dialogs.messages().back().rfind("Error - ", 0), 0u);
    EXPECT_EQ(w.main.StatusFileName.caption(), first);
    w.dialogs.answerSave(w.folder.file("no folder/x.cn3")).expectMessage();
    w.command(files_button::kSaveAs);
    EXPECT_EQ(recent(), (std::vector<std::string>{first, second}));
    EXPECT_TRUE(w.dialogs.allAnswered());
}

}  // namespace
}  // namespace cn3::test
