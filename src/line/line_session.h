// The "Pole Line" window's state beside its controls: the program whose worksheet strings the
// line, the line file in use and what it held when last opened or saved, and the line worked
// out last (for the profile and the report). Made by the host when the window first opens; it
// wires its own events (wire_line_events.h) and lives as long as the window.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/unit_table.h"
#include "forms/program.h"
#include "line/line_form.h"
#include "line/pole_line.h"
#include "line/solve_line.h"

namespace cn3::line {

// The file dialogs' filters.
inline constexpr const char* kLineFileFilter = "Pole Line Files (*.cnl)|*.cnl";
inline constexpr const char* kPoleCsvFilter = "Pole CSV Files (*.csv)|*.csv";

struct LineSession {
    explicit LineSession(Program& program);
    ~LineSession();
    LineSession(const LineSession&) = delete;
    LineSession& operator=(const LineSession&) = delete;

    Program& program;
    LineForm form;
    // The window's own dialogs (boxes over the window); unset, the program's.
    ui::Dialogs* dialogs = nullptr;
    ui::Dialogs& ask() const { return dialogs ? *dialogs : *program.dialogs; }

    std::string path;       // the line file; empty while the line is untitled
    std::string savedText;  // the file's text when last opened or saved; empty for a new line
    // The worksheet the opened file was saved with: said when it differs from the one in use,
    // and kept by Save while the worksheet in use cannot be read.
    std::optional<LineWorksheet> fileWorksheet;
    // The display units the grid and the entries are written in.
    Units shownUnits;

    // What the window shows, worked out last: the line as read, the worksheet it was strung
    // with, and its solution; no solution while the line or the worksheet cannot be worked out.
    std::optional<PoleLine> line;
    std::optional<LineWorksheet> worksheet;
    std::shared_ptr<const LineSolution> solution;
    // Why there is no solution, in words ("No line results: ..."); empty with one.
    std::string noResults;
    // No pole is typed: a new line that holds nothing yet.
    bool blank = true;
    // The worksheet changed while the window was hidden: it works the line out when shown.
    bool due = false;
    // While a whole line is put into the window, its controls' events do not work it out.
    bool held = false;
    struct Hold {
        explicit Hold(LineSession& s) : session(s), was(s.held) { s.held = true; }
        ~Hold() { session.held = was; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        LineSession& session;
        bool was;
    };

    // Listeners on the program's events hold this; it turns null when the session goes.
    std::shared_ptr<LineSession*> alive = std::make_shared<LineSession*>(this);
};

}  // namespace cn3::line
