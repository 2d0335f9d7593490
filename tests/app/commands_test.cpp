// The command table: a command run from the table doing what its page button does (and nothing
// while the button is disabled), and the commands that have no button.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/wire_events.h"
#include "support/scripted_dialogs.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

class CommandsTest : public ::testing::Test {
  protected:
    CommandsTest() {
        program.dialogs = &dialogs;
        WireEvents(program);
        program.runPrintJob = [this](const std::function<void(ui::Surface&)>&) {
            ++jobs;
            return std::optional<std::string>();
        };
        program.main.List1.addItem("Help line");
        program.main.Check5[0].setChecked(true);
    }
    Program program;
    ScriptedDialogs dialogs;
    int jobs = 0;
};

TEST_F(CommandsTest, a_command_runs_as_its_button_and_not_while_the_button_is_disabled) {
    for (Command id : {Command::PrintReport, Command::CableList, Command::HelpPrint}) {
        const std::string name(CommandOf(id).name);
        ui::Button& button = *CommandOf(id).button(program.main);
        jobs = 0;
        button.click();
        ASSERT_EQ(jobs, 1) << name << ": the button prints through its command";
        EXPECT_TRUE(CommandAvailable(program, id)) << name;
        RunCommand(program, id);
        EXPECT_EQ(jobs, 2) << name;
        button.setEnabled(false);
        EXPECT_FALSE(CommandAvailable(program, id)) << name;
        RunCommand(program, id);
        EXPECT_EQ(jobs, 2) << name << ": a disabled button's command does nothing";
        button.setEnabled(true);
    }
    // Open and Save As ask for a file name as their buttons do; cancelled, nothing else happens.
    dialogs.answerOpen(std::nullopt).answerSave(std::nullopt);
    RunCommand(program, Command::Open);
    RunCommand(program, Command::SaveAs);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace cn3::test

namespace cn3::test {
namespace {

TEST_F(CommandsTest, export_writes_the_report_pdf_and_about_names_version_and_data_folder) {
    int exported = 0;
    program.exportPdfJob = [&](const std::function<void(ui::Surface&)>& job) {
        ui::RecordingSurface page("Printer", 12240, 15840);
        job(page);
        exported += page.texts().empty() ? 0 : 1;
        return std::optional<std::string>();
    };
    RunCommand(program, Command::ExportReportPdf);
    EXPECT_EQ(exported, 1);
    EXPECT_EQ(jobs, 0) << "straight to the file, no preview";
    // Results that are not those of the entries are not written, as they are not printed.
    program.main.StatusMessage.setCaption("Stopped.");
    dialogs.expectMessage();
    RunCommand(program, Command::ExportReportPdf);
    EXPECT_EQ(exported, 1);
    EXPECT_EQ(dialogs.messages().back(),
              "The report is not written. Stopped.\r\nCorrect error and re-run command.");

    program.dataFolder = "/home/designer/catenova";
    dialogs.expectMessage();
    RunCommand(program, Command::About);
    EXPECT_EQ(dialogs.messages().back(), "Catenova " CN3_VERSION
                                         "\r\nSag and tension of aerial cable spans.\r\n\r\n"
                                         "Data folder: /home/designer/catenova");
}

}  // namespace
}  // namespace cn3::test
