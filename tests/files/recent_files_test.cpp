// The recent files: noted after a span file is opened or written (not after a failure), newest
// first, eight at most, each once; opened again by the path "Open" takes; and the untitled
// worksheet named "Untitled" in the status bar.
#include "files/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/start_up.h"
#include "files/files_commands.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

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

struct Started {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
    Started() {
        folder.copyShipped("CABLEDAT.TXT");
        folder.write("CN3NESC.TXT", "English\r\n2\r\n");
        program.dialogs = &dialogs;
        program.dataFolder = folder.path().string();
        EXPECT_TRUE(StartProgram(program));
        program.main.SSTab2.setTab(family::kStrand);
        program.main.Grid1.click(1, 0);
    }
    std::vector<std::string> recent() const { return ReadRecentFiles(program.dataFolder); }
};

TEST(recent_files_test, saving_and_opening_note_the_file_and_a_failure_does_not) {
    Started s;
    EXPECT_EQ(s.program.main.StatusFileName.caption(), "Untitled");
    const std::string first = s.folder.file("first.cn3"), second = s.folder.file("second.cn3");
    s.dialogs.answerSave(first).expectMessage();
    Command6_Click(s.program, files_button::kSaveAs);
    s.dialogs.answerSave(second).expectMessage();
    Command6_Click(s.program, files_button::kSaveAs);
    EXPECT_EQ(s.recent(), (std::vector<std::string>{second, first}));

    // Opened again from the list: no file dialog, the file named in the status bar.
    OpenChosenSpanFile(s.program, first);
    EXPECT_TRUE(s.dialogs.allAnswered());
    EXPECT_EQ(s.program.main.StatusFileName.caption(), first);
    EXPECT_EQ(s.recent(), (std::vector<std::string>{first, second}));

    // A file gone since: one "Error - " message; the list and the worksheet's name stay.
    s.dialogs.expectMessage();
    OpenChosenSpanFile(s.program, s.folder.file("gone.cn3"));
    ASSERT_EQ(s.dialogs.messages().size(), 3u);
    EXPECT_EQ(s.dialogs.messages().back().rfind("Error - ", 0), 0u);
    EXPECT_EQ(s.program.main.StatusFileName.caption(), first);
    s.dialogs.answerSave(s.folder.file("no folder/x.cn3")).expectMessage();
    Command6_Click(s.program, files_button::kSaveAs);
    EXPECT_EQ(s.recent(), (std::vector<std::string>{first, second}));
}

}  // namespace
}  // namespace cn3::test
