// The worksheet's commands, each named once with its shortcut and its operation. The page
// buttons, the keyboard and the menu bar all run a command through this table, so the three
// cannot drift apart. Nothing here knows Qt: a shortcut is a portable key text ("Ctrl+Shift+S",
// several separated by "; ") that the view turns into its key sequences.
//
// A command with a page button runs as a click on that button (a disabled button does
// nothing), and the button's click runs the command's operation. A command whose operation is
// still empty is a slot kept for work to come (New, Undo, Redo): it is in the table, with its
// name and shortcut, and the view hides it until its row in commands.cpp names an operation.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "forms/program.h"

namespace cn3 {

enum class Command {
    New,          // slot: the operation comes with the changed-since-saved work
    Open,
    Save,
    SaveAs,
    PrintReport,
    CableList,
    HelpPrint,
    ExportReportPdf,
    Exit,
    Undo,         // slot
    Redo,         // slot
    HelpPage,
    About,
    PoleLine,
};

struct CommandEntry {
    Command id;
    std::string_view name;       // stable and unique: object names and tests ("PrintReport")
    std::string_view menuText;   // with its mnemonic: "Print &Report..."
    std::string_view shortcuts;  // portable key texts, "; " between two; empty for none
    ui::Button* (*button)(MainForm&);  // the page button that runs it; null for none
    void (*run)(Program&);             // the operation; null while the command is a slot
    std::string_view tip;              // the status and tooltip text
};

// Every command, in menu order.
std::span<const CommandEntry> CommandTable();
const CommandEntry& CommandOf(Command id);

// True when the command has an operation and its button, if it has one, is enabled.
bool CommandAvailable(Program& program, Command id);

// Runs the command as its button would be clicked: through the button when it has one.
void RunCommand(Program& program, Command id);

// The About text: the program and its version, and the data folder in use.
std::string AboutText(const Program& program);

// The page buttons of these commands run the commands' operations.
void WireCommandButtons(Program& program, std::initializer_list<Command> commands);

}  // namespace cn3
