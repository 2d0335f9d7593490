#include "app/wire_events.h"

#include "app/commands.h"
#include "app/unit_system.h"
#include "bundle/bundle_plot.h"
#include "engine/span_charts.h"
#include "engine/worksheet_events.h"
#include "files/recent_files.h"
#include "loading/loading_window.h"
#include "selection/selection.h"
#include "selection/user_cable_editing.h"
#include "selection/user_cables_saving.h"

namespace cn3 {

void WireEvents(Program& program) {
    WireLoadingEvents(program);
    WireFilesEvents(program);
    WireExitPage(program);
    WireWorksheetEvents(program);
    WireSelectionEvents(program);
    WireBundleEvents(program);
    WirePrintEvents(program);
}

namespace {

// Runs an event that ends in a recomputation. While a restore holds recomputations, the event
// does everything else it does (with the edited flag clear its recomputation does nothing) and
// notes that one is due.
template <class Handler>
void RecomputingEvent(Program& program, Handler handler) {
    if (!program.recomputeHold.active) return handler();
    const std::uint8_t edited = program.worksheetEdited;
    program.worksheetEdited = 0;
    handler();
    program.worksheetEdited = edited;
    program.recomputeHold.due = true;
}

// The scroll bar's event sets the edited flag before it recomputes, so while held it is done
// here without its recomputation.
void InstalledTemperatureEvent(Program& program) {
    if (!program.recomputeHold.active) return HScroll1_Change(program);
    program.worksheetEdited = 1;
    ShowInstalledTemperature(program);
    program.recomputeHold.due = true;
}

}  // namespace

void WireWorksheetEvents(Program& program) {
    Program* p = &program;
    MainForm& main = program.main;
    for (int i = 0; i < static_cast<int>(main.Text9.size()); ++i)
        main.Text9[static_cast<size_t>(i)].onChange.connect(
            [p, i] { RecomputingEvent(*p, [p, i] { Text9_Change(*p, i); }); });
    main.Option1.onClick.connect([p](int) { RecomputingEvent(*p, [p] { Option1_Click(*p); }); });
    for (int i = 0; i < static_cast<int>(main.Check1.size()); ++i)
        main.Check1[static_cast<size_t>(i)].onClick.connect(
            [p, i] { RecomputingEvent(*p, [p, i] { Check1_Click(*p, i); }); });
    main.Check2.onClick.connect([p] { Check2_Click(*p); });
    main.Check2.onClick.connect([p] { ShowTemperatureChart(*p); });
    main.HScroll1.onChange.connect([p] { InstalledTemperatureEvent(*p); });
    main.Command5.onClick.connect([p] { Command5_Click(*p); });
    WireCommandButtons(program, {Command::PoleLine});
}

void WireSelectionEvents(Program& program) {
    Program* p = &program;
    MainForm& main = program.main;
    main.SSTab1.onClick.connect([p](int previousTab) { SSTab1_Click(*p, previousTab); });
    main.SSTab2.onClick.connect([p](int) { SSTab2_Click(*p); });
    main.Grid1.onClick.connect([p] { grid1_Click(*p); });
    main.Grid2.onClick.connect([p] { Grid2_Click(*p); });
    main.Text5.onChange.connect([p] { Text5_Change(*p); });
    main.Command1.onClick.connect([p] { Command1_Click(*p); });
    main.Command4.onClick.connect([p] { Command4_Click(*p); });
}

void WireBundleEvents(Program& program) {
    Program* p = &program;
    program.main.Command3.onClick.connect([p] { ShowBundlePlot(*p); });
    program.plot.Command1.onClick.connect([p] { p->plot.hide(); });
}

void WireLoadingEvents(Program& program) {
    Program* p = &program;
    LoadingForm& w = program.loading;
    w.Option1.onClick.connect([p](int district) { LoadingOption_Click(*p, district); });
    for (int i = 0; i < 2; ++i)
        w.Check1[static_cast<size_t>(i)].onClick.connect([p, i] { LoadingCheck_Click(*p, i); });
    for (int c = 0; c < 25; ++c)
        w.Cells[static_cast<size_t>(c)].onClick.connect([p, c] { LoadingCell_Click(*p, c); });
    w.SaveButton.onClick.connect([p] { LoadingSave_Click(*p); });
    w.CloseButton.onClick.connect([p] { LoadingClose_Click(*p); });
}

void WireFilesEvents(Program& program) {
    Program* p = &program;
    WireCommandButtons(program, {Command::Open, Command::Save, Command::SaveAs});
    program.onSpanFileUsed.connect(
        [p](const std::string& path) {
            if (p->keepsRecentFiles) NoteRecentFile(p->dataFolder, path);
        });
    program.onUnitSystemChange.connect([p] { ShowUnitSystem(*p); });
}

void WireExitPage(Program& program) {
    Program* p = &program;
    program.main.SSTab1.onClick.connect([p](int previousTab) {
        if (p->main.SSTab1.tab() != page::kExit || !p->main.requestClose) return;
        // Staying open (a cancelled save, say) returns to the page the designer came from.
        if (!p->main.requestClose()) p->main.SSTab1.restoreTab(previousTab);
    });
}

// The printing buttons, each running its command (commands.cpp says how a failure shows).
void WirePrintEvents(Program& program) {
    WireCommandButtons(program, {Command::PrintReport, Command::CableList, Command::HelpPrint});
}

}  // namespace cn3
