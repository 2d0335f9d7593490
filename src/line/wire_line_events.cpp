#include "line/wire_line_events.h"

#include "line/line_editing.h"
#include "line/line_files.h"
#include "line/line_printing.h"
#include "line/line_recompute.h"

namespace cn3::line {

namespace {

// An edit of one of the window's own entries.
void Edited(LineSession& s) {
    if (!s.held) RecomputeLine(s);
}

void WorksheetChanged(LineSession& s) {
    if (s.form.shown())
        RecomputeLine(s);
    else
        s.due = true;
}

// A listener on the program's events that does nothing once the session is gone.
template <class Operation>
auto WhileAlive(const LineSession& s, Operation operation) {
    return [alive = s.alive, operation] {
        if (*alive) operation(**alive);
    };
}

}  // namespace

void ShowLineWindow(LineSession& s) {
    const bool wasShown = s.form.shown();
    s.form.show();
    if (!wasShown && s.due) {
        s.due = false;
        RecomputeLine(s);
    }
}

void WireLineEvents(LineSession& s) {
    LineSession* p = &s;
    LineForm& f = s.form;
    f.Poles.onCellEdited.connect([p](int, int) { RecomputeLine(*p); });
    f.AddPole.onClick.connect([p] { AddPoleRow(*p); });
    f.InsertPole.onClick.connect([p] { InsertPoleRow(*p); });
    f.RemovePole.onClick.connect([p] { RemovePoleRow(*p); });
    f.ImportCsv.onClick.connect([p] { ImportPoleCsv(*p); });
    f.DefaultClearance.onChange.connect([p] { Edited(*p); });
    f.Installation.onClick.connect([p](int) { Edited(*p); });
    f.Tension.onChange.connect([p] { Edited(*p); });
    f.New.onClick.connect([p] { NewLine(*p); });
    f.Open.onClick.connect([p] { OpenLine(*p); });
    f.Save.onClick.connect([p] { SaveLine(*p); });
    f.SaveAs.onClick.connect([p] { SaveLineAs(*p); });
    f.Print.onClick.connect([p] { PrintLineReportCommand(*p); });
    f.ExportPdf.onClick.connect([p] { ExportLineReportPdfCommand(*p); });
    f.Close.onClick.connect([p] { CloseLineWindow(*p); });

    Program& program = s.program;
    const auto changed = WhileAlive(s, WorksheetChanged);
    program.onRecomputed.connect(changed);
    // Choosing cables recomputes the worksheet only when the page is left; the line follows
    // at once.
    program.main.Grid1.onClick.connect(changed);
    program.main.Grid2.onClick.connect(changed);
    program.main.Text5.onChange.connect(changed);
    // The unit system switched (a span file saved under the other one was opened).
    program.onUnitSystemChange.connect(WhileAlive(s, [](LineSession& l) {
        ShowTypedInProgramUnits(l);
        WorksheetChanged(l);
    }));
    program.exitQuestions.push_back([alive = s.alive] { return !*alive || MayLeaveLine(**alive); });
}

}  // namespace cn3::line
