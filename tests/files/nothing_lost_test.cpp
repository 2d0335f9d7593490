// Nothing a designer typed is lost: Cancel on every save question, "New", the status bar's
// " (modified)", the recovery file, and user-loading names that survive a span file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "core/settings_file.h"
#include "files/crash_recovery.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "files/worksheet_state.h"
#include "worksheet.h"

namespace cn3::test {
namespace {

using ui::Answer;
using Clock = std::chrono::steady_clock;

// "Open" and "New" on a worksheet that differs from its file, answered Yes, No and Cancel.
TEST(nothing_lost_test, open_and_new_ask_first_and_only_go_on_when_nothing_is_lost) {
    struct Row {
        const char* what;
        Answer answer;
        std::optional<const char*> saveAs;  // the save dialog's answer after Yes
        bool replaced, saved;
    };
    const Row rows[] = {
        {"No", Answer::No, {}, true, false},
        {"Cancel", Answer::Cancel, {}, false, false},
        {"Yes, saved", Answer::Yes, "mine.cn3", true, true},
        {"Yes, the save dialog cancelled", Answer::Yes, nullptr, false, false},
        {"Yes, a save that fails", Answer::Yes, "no folder/mine.cn3", false, false},
    };
    for (const bool opening : {true, false}) {
        for (const auto& r : rows) {
            const std::string what = std::string(opening ? "Open, " : "New, ") + r.what;
            Worksheet w;
            SpanRecord other;
            other.name = "Other";
            other.cableNames[0] = "1/4 EHS 6M";
            ASSERT_TRUE(WriteSpanFile(w.folder.file("other.cn3"), other).ok());
            w.fill();
            const auto before = w.screen();
            if (opening) w.dialogs.answerOpen(w.folder.file("other.cn3"));
            w.dialogs.answerYesNoCancel(r.answer);
            if (r.answer == Answer::Yes)
                w.dialogs.answerSave(*r.saveAs ? std::optional(w.folder.file(*r.saveAs))
                                               : std::nullopt);
            if (r.saveAs && *r.saveAs) w.dialogs.expectMessage();  // "Data saved", or the failure
            if (opening)
                w.command(files_button::kOpen);
            else
                NewCommand(w.program);
            EXPECT_TRUE(w.dialogs.allAnswered()) << what;
            EXPECT_EQ(w.dialogs.asked()[opening ? 1 : 0].text, std::string(kSaveQuestion)) << what;
            EXPECT_EQ(w.folder.exists("mine.cn3"), r.saved) << what;
            if (!r.replaced) {
                EXPECT_EQ(w.screen(), before) << what;
                EXPECT_TRUE(WorksheetDiffers(w.program)) << what;
                continue;
            }
            EXPECT_EQ(w.main.Text1.text(), opening ? "Other" : "Main Street") << what;
            EXPECT_EQ(w.main.Grid2.rows(), opening ? 3 : 2) << what;
            EXPECT_FALSE(WorksheetDiffers(w.program)) << what;
        }
    }
}

TEST(nothing_lost_test, an_unchanged_worksheet_is_replaced_without_a_question) {
    Worksheet w;
    NewCommand(w.program);  // as started: nothing to ask
    w.fill();
    w.dialogs.answerSave(w.folder.file("span.cn3")).expectMessage();
    w.command(files_button::kSave);
    EXPECT_EQ(w.main.StatusFileName.caption(), w.folder.file("span.cn3"));
    NewCommand(w.program);  // saved: nothing to ask
    EXPECT_EQ(w.dialogs.asked().size(), 2u);
    EXPECT_TRUE(w.main.CommonDialog1.fileName.ends_with("Untitled.cn3"));
}

TEST(nothing_lost_test, the_status_bar_says_modified_while_the_worksheet_differs_from_its_file) {
    Worksheet w;
    const std::string name = "Untitled";  // the untitled default names no file
    KeepWorksheet(w.program, Clock::now());
    EXPECT_EQ(w.main.StatusFileName.caption(), name);
    const std::string span = w.main.Text9[0].text();
    w.main.Text9[0].setText("180");
    KeepWorksheet(w.program, Clock::now());
    EXPECT_EQ(w.main.StatusFileName.caption(), name + " (modified)");
    w.main.Text9[0].setText(span);  // typed back as it was
    KeepWorksheet(w.program, Clock::now());
    EXPECT_EQ(w.main.StatusFileName.caption(), name);
}

// The recovery file of a program, kept under a process id given by the test.
struct Kept : Worksheet {
    explicit Kept(long pid, const TempFolder* shared = nullptr) {
        if (shared) program.dataFolder = shared->path().string();
        KeepRecoveryFile(program, pid);
    }
    std::string file() const { return program.recovery.path; }
};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(nothing_lost_test, the_recovery_file_is_written_at_most_once_a_second_and_removed_by_save) {
    Kept w(111);
    EXPECT_EQ(w.file(), w.folder.file("catenova-111.recovery"));
    const auto t0 = Clock::now();
    KeepWorksheet(w.program, t0);
    EXPECT_FALSE(std::filesystem::exists(w.file())) << "as started: nothing to keep";

    w.fill();
    KeepWorksheet(w.program, t0);
    ASSERT_TRUE(std::filesystem::exists(w.file()));
    std::string kept = Bytes(w.file());
    EXPECT_EQ(kept.size(), kSpanRecordSize + w.main.CommonDialog1.fileName.size());
    EXPECT_EQ(UnpackSpanRecord(std::string_view(kept).substr(0, kSpanRecordSize)).name.substr(0, 11),
              "Main Street");

    w.main.Text1.setText("Main Street North");
    KeepWorksheet(w.program, t0 + std::chrono::milliseconds(500));
    EXPECT_EQ(Bytes(w.file()), kept) << "within the second: not yet";
    KeepWorksheet(w.program, t0 + std::chrono::milliseconds(1100));
    EXPECT_NE(Bytes(w.file()).find("Main Street North"), std::string::npos);

    w.dialogs.answerSave(w.folder.file("span.cn3")).expectMessage();
    w.command(files_button::kSave);
    EXPECT_FALSE(std::filesystem::exists(w.file())) << "saved: removed";

    w.main.Text1.setText("Changed again");
    KeepWorksheet(w.program, t0 + std::chrono::seconds(3));
    EXPECT_TRUE(std::filesystem::exists(w.file()));
    w.dialogs.answerYesNoCancel(Answer::No);
    NewCommand(w.program);
    EXPECT_FALSE(std::filesystem::exists(w.file())) << "a new worksheet: removed";
}

TEST(nothing_lost_test, a_left_recovery_file_is_offered_and_restored_under_its_file_name) {
    TempFolder shared;
    std::string name;
    std::vector<std::string> before;
    {
        Kept crashed(111);
        crashed.fill();
        crashed.main.SSTab1.setTab(page::kSagTension);
        name = crashed.main.CommonDialog1.fileName;
        before = crashed.screen();
        KeepWorksheet(crashed.program, Clock::now());
        std::filesystem::copy_file(crashed.file(), shared.file("catenova-111.recovery"));
    }
    Kept next(222, &shared);
    next.dialogs.answerYesNo(true);
    EXPECT_TRUE(OfferRecovery(next.program, [](long pid) { return pid == 222; }));
    const std::regex question(
        R"(Catenova did not close normally\. Restore the worksheet you had not saved )"
        R"(\(\d\d/\d\d/\d\d \d\d:\d\d\)\?)");
    EXPECT_TRUE(std::regex_match(next.dialogs.asked().back().text, question))
        << next.dialogs.asked().back().text;
    EXPECT_EQ(next.main.CommonDialog1.fileName, name);
    EXPECT_EQ(next.main.StatusFileName.caption(), name + " (modified)");
    EXPECT_EQ(next.main.SSTab1.tab(), page::kCables) << "as Open shows a file";
    next.main.SSTab1.setTab(page::kSagTension);
    auto after = next.screen();
    after[1] = before[1];  // the date
    EXPECT_EQ(after, before);
    // It is the new process's recovery file now; the exit question asks about it.
    EXPECT_EQ(std::tuple(shared.exists("catenova-111.recovery"), shared.exists("catenova-222.recovery"),
                         int(next.program.worksheetEdited)),
              std::tuple(false, true, 1));
}

TEST(nothing_lost_test, a_declined_recovery_file_is_set_aside_and_a_running_programs_is_left_alone) {
    TempFolder shared;
    Kept first(111, &shared), second(222, &shared);
    first.fill();
    second.main.Text1.setText("Second");
    KeepWorksheet(first.program, Clock::now());
    KeepWorksheet(second.program, Clock::now());
    // Two programs in one folder: each its own file.
    EXPECT_NE(Bytes(first.file()).find("Main Street"), std::string::npos);
    EXPECT_NE(Bytes(second.file()).find("Second"), std::string::npos);

    // A third start while both run offers nothing.
    Kept third(333, &shared);
    EXPECT_FALSE(OfferRecovery(third.program, [](long) { return true; }));
    // Once the first has gone, its file is offered; No sets it aside, once and for all.
    third.dialogs.answerYesNo(false);
    EXPECT_FALSE(OfferRecovery(third.program, [](long pid) { return pid != 111; }));
    EXPECT_EQ(std::tuple(shared.exists("catenova-111.recovery"),
                         shared.exists("catenova-111.recovery.declined")),
              std::tuple(false, true));
    EXPECT_FALSE(OfferRecovery(third.program, [](long pid) { return pid != 111; }));
    EXPECT_EQ(third.main.Text1.text(), "") << "nothing restored";

    // A file under this process's own id was left by an earlier process of that id.
    std::filesystem::copy_file(second.file(), shared.file("catenova-333.recovery"));
    third.dialogs.answerYesNo(true);
    EXPECT_TRUE(OfferRecovery(third.program, [](long) { return true; }));
    EXPECT_EQ(third.main.Text1.text(), "Second");
}

// A program killed but not yet reaped by whatever started it (a zombie) writes nothing more:
// its recovery files are offered.
TEST(nothing_lost_test, a_program_that_has_ended_is_not_running_even_before_it_is_reaped) {
    EXPECT_TRUE(ProcessRunning(getpid()));
    const pid_t child = fork();
    if (child == 0) _exit(0);
    const auto end = Clock::now() + std::chrono::seconds(5);
    while (ProcessRunning(child) && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(ProcessRunning(child));
    waitpid(child, nullptr, 0);
}

TEST(nothing_lost_test, a_user_loading_name_longer_than_a_span_file_keeps_survives_save_and_open) {
    Worksheet w("English\r\n2\r\nIce+Wind 250D,15,0.5,4,0.31\r\n");
    ASSERT_EQ(w.program.loading.Cells[15].caption(), "Ice+Wind 250D");
    const std::string path = w.folder.file("span.cn3");
    w.select(family::kStrand, "1/4 EHS 6M");
    w.dialogs.answerSave(path).expectMessage();
    w.command(files_button::kSaveAs);
    ASSERT_TRUE(OpenSpanFile(w.program, path));
    EXPECT_EQ(w.program.loading.Cells[15].caption(), "Ice+Wind 250D");
    EXPECT_EQ(w.program.loadings[5].name.substr(0, 13), "Ice+Wind 250D");
    EXPECT_FALSE(WorksheetDiffers(w.program));
    w.program.loading.SaveButton.setEnabled(true);
    w.program.loading.SaveButton.click();
    EXPECT_NE(w.folder.read("CN3NESC.TXT").find("Ice+Wind 250D,"), std::string::npos);

    // A file's own name, not the start of the one shown, replaces it.
    SpanRecord other = ReadSpanFile(path).value();
    other.loadingCells[15] = "Gale    ";
    ASSERT_TRUE(WriteSpanFile(path, other).ok());
    ASSERT_TRUE(OpenSpanFile(w.program, path));
    EXPECT_EQ(w.program.loading.Cells[15].caption(), "Gale    ");
}

}  // namespace
}  // namespace cn3::test
