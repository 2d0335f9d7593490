#include "app/commands.h"

#include <algorithm>
#include <stdexcept>

#include "files/files_commands.h"
#include "files/undo_history.h"
#include "reports/print_commands.h"

namespace cn3 {

namespace {

template <size_t I>
ui::Button* FilesButton(MainForm& form) {
    return &form.Command6[I];
}
ui::Button* HelpPrintButton(MainForm& form) { return &form.Command2; }
ui::Button* PoleLineButton(MainForm& form) { return &form.PoleLineButton; }

template <int I>
void FilesCommand(Program& program) {
    Command6_Click(program, I);
}

// "Report" and "Cable List" show a failure as the "Files/Print" buttons show theirs: the
// description, a line break and the request to re-run.
void PrintReport(Program& program) {
    RunUnderErrorTrap(program, [&] { return PrintReportCommand(program); });
}
void PrintCableList(Program& program) {
    RunUnderErrorTrap(program, [&] { return PrintCableListCommand(program); });
}
// The help print has no error trap of its own; a failure is said as it is.
void PrintHelp(Program& program) {
    if (const auto failure = PrintHelpCommand(program)) program.dialogs->message(*failure);
}

void ExportReport(Program& program) {
    RunUnderErrorTrap(program, [&] { return ExportReportPdfCommand(program); });
}

// As choosing the "EXIT" page: the window closes after the exit question.
void ExitProgram(Program& program) {
    if (program.main.requestClose) program.main.requestClose();
}

// The help page, as a click on its tab (the page rules decide).
void ShowHelpPage(Program& program) {
    program.main.SSTab1.setTab(page::kHelp);
}

void ShowAbout(Program& program) {
    program.dialogs->message(AboutText(program));
}

// The window is the host's; without one there is nothing to show.
void ShowPoleLine(Program& program) {
    if (program.showPoleLine) program.showPoleLine();
}

using files_button::kCableList, files_button::kOpen, files_button::kReport,
    files_button::kSave, files_button::kSaveAs;

// Slots (a null operation) are filled in here when their work lands.
constexpr CommandEntry kCommands[] = {
    {Command::New, "New", "&New", "Ctrl+N", nullptr, NewCommand,
     "Start an empty, untitled worksheet"},
    {Command::Open, "Open", "&Open...", "Ctrl+O", FilesButton<kOpen>, FilesCommand<kOpen>,
     "Open a span file"},
    {Command::Save, "Save", "&Save", "Ctrl+S", FilesButton<kSave>, FilesCommand<kSave>,
     "Save the worksheet in its span file"},
    {Command::SaveAs, "SaveAs", "Save &As...", "Ctrl+Shift+S", FilesButton<kSaveAs>,
     FilesCommand<kSaveAs>, "Save the worksheet in a span file of a new name"},
    {Command::PrintReport, "PrintReport", "Print &Report...", "Ctrl+P", FilesButton<kReport>,
     PrintReport, "Print the span report"},
    {Command::CableList, "CableList", "&Cable List...", "", FilesButton<kCableList>,
     PrintCableList, "Print the catalogue of the ticked families"},
    {Command::HelpPrint, "HelpPrint", "&Help Text...", "", HelpPrintButton, PrintHelp,
     "Print the help text"},
    {Command::ExportReportPdf, "ExportReportPdf", "&Export Report as PDF...", "", nullptr,
     ExportReport, "Write the span report into a PDF file"},
    {Command::Exit, "Exit", "E&xit", "Ctrl+Q", nullptr, ExitProgram, "Close Catenova"},
    {Command::Undo, "Undo", "&Undo", "Ctrl+Z", nullptr, UndoEdit, "Undo the last edit"},
    {Command::Redo, "Redo", "&Redo", "Ctrl+Shift+Z; Ctrl+Y", nullptr, RedoEdit,
     "Redo the edit undone last"},
    {Command::HelpPage, "HelpPage", "Catenova &Help", "F1", nullptr, ShowHelpPage,
     "Show the help page"},
    {Command::About, "About", "&About Catenova", "", nullptr, ShowAbout,
     "The version of Catenova and the data folder in use"},
    {Command::PoleLine, "PoleLine", "&Pole Line...", "Ctrl+L", PoleLineButton, ShowPoleLine,
     "Lay out a strand run of many spans, strung with this worksheet"},
};

}  // namespace

std::string AboutText(const Program& program) {
    return "Catenova " CN3_VERSION "\r\nSag and tension of aerial cable spans.\r\n\r\nData folder: " +
           program.dataFolder;
}

std::span<const CommandEntry> CommandTable() { return kCommands; }

const CommandEntry& CommandOf(Command id) {
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [id](const CommandEntry& c) { return c.id == id; });
    if (found == std::end(kCommands)) throw std::logic_error("a command missing from the table");
    return *found;
}

bool CommandAvailable(Program& program, Command id) {
    const CommandEntry& c = CommandOf(id);
    if (!c.run) return false;
    return !c.button || c.button(program.main)->enabled();
}

void RunCommand(Program& program, Command id) {
    const CommandEntry& c = CommandOf(id);
    if (c.button)
        c.button(program.main)->click();
    else if (c.run)
        c.run(program);
}

void WireCommandButtons(Program& program, std::initializer_list<Command> commands) {
    Program* p = &program;
    for (const Command id : commands) {
        const CommandEntry& c = CommandOf(id);
        if (c.button && c.run) c.button(program.main)->onClick.connect([p, run = c.run] { run(*p); });
    }
}

}  // namespace cn3
