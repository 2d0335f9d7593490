// The command table: every command named once, a command run from the table doing what its
// page button does (and nothing while the button is disabled), and no row left without its
// operation.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/wire_events.h"
#include "support/scripted_dialogs.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

TEST(commands_test, each_command_is_named_once_with_its_own_button_and_keys) {
    std::set<std::string_view> names, keys;
    std::set<Command> ids;
    std::set<const ui::Button*> buttons;
    Program program;
    for (const CommandEntry& c : CommandTable()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_TRUE(ids.insert(c.id).second) << c.name;
        EXPECT_EQ(&CommandOf(c.id), &c);
        EXPECT_FALSE(c.menuText.empty()) << c.name;
        EXPECT_FALSE(c.tip.empty()) << c.name;
        if (c.button) {
            EXPECT_TRUE(buttons.insert(c.button(program.main)).second) << c.name;
        }
        if (!c.shortcuts.empty()) {
            EXPECT_TRUE(keys.insert(c.shortcuts).second) << c.name;
        }
    }
    // The page buttons: the five "Files/Print" buttons and the help page's "Print".
    EXPECT_EQ(buttons.size(), 6u);
    EXPECT_EQ(CommandOf(Command::PrintReport).button(program.main), &program.main.Command6[3]);
    EXPECT_EQ(CommandOf(Command::HelpPrint).button(program.main), &program.main.Command2);
    EXPECT_EQ(CommandOf(Command::Save).shortcuts, "Ctrl+S");
}

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

// Every row of the table has its operation now: none is a slot that would show a dead entry.
TEST_F(CommandsTest, every_command_has_its_operation) {
    for (const CommandEntry& c : CommandTable()) EXPECT_NE(c.run, nullptr) << c.name;
    EXPECT_TRUE(CommandAvailable(program, Command::Undo));
    EXPECT_TRUE(CommandAvailable(program, Command::New));
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
