// The program-wide state that every operation takes by reference: the three windows, the
// dialogs and printer in use, the tables read from the data files, the flags and the
// loading results. There are no globals; tests build a Program of their own.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/cable_table.h"
#include "core/loading_table.h"
#include "core/unit_table.h"
#include "forms/bundle_layout.h"
#include "forms/loading_form.h"
#include "forms/loading_results.h"
#include "forms/main_form.h"
#include "forms/plot_form.h"
#include "forms/pseudo_random.h"
#include "forms/span_record.h"
#include "core/catalogue_columns.h"
#include "ui/dialogs.h"
#include "ui/event.h"
#include "ui/surface.h"

namespace cn3 {

struct SpanSolution;  // the engine's typed solution; this layer only holds it

struct Program {
    MainForm main;
    LoadingForm loading;
    PlotForm plot;

    // Set by the host (the Qt view, or a test); until then nothing is shown or asked.
    ui::Dialogs* dialogs = &ui::NoDialogs::instance();
    // Runs a print job on pages the host chooses (a print preview, then a printer or a PDF
    // file) and gives back the printing failure's description; nothing when the job was
    // printed or cancelled. Unset, nothing is printed.
    std::function<std::optional<std::string>(const std::function<void(ui::Surface&)>& job)>
        runPrintJob;
    // Runs a print job straight into a PDF file whose name the host asks for, and gives back
    // the failure's description; nothing when written or cancelled. Unset, nothing is written.
    std::function<std::optional<std::string>(const std::function<void(ui::Surface&)>& job)>
        exportPdfJob;
    // The logo picture of the printed pages, a path the host's surfaces can read.
    std::string logoPath;

    std::string dataFolder;  // the folder of every data file, the current folder at start

    Units units;  // the unit table and MetricUnits

    // From the catalogue file.
    CableTable cables;
    LoadingTable loadings{};
    std::int16_t installedTempLow = -40, installedTempHigh = 140, installedTempStart = 60;
    std::array<std::int16_t, 10> columnUnitKinds{};
    std::array<std::string, 10> columnFormats{};
    std::array<std::string, 5> headingLines{};  // H1..H5 of the catalogue
    // The catalogue grid's headings under English [0] and metric [1] display.
    std::array<std::array<std::string, kCatalogueColumns>, 2> catalogueHeadings{};

    LoadingResults loadingResults;
    // The solution the result views show, kept by the last full recomputation so that the
    // charts draw the same numbers; empty until there is one and after a new worksheet. A
    // stopped recomputation keeps it, as it keeps the views.
    std::shared_ptr<const SpanSolution> shownSolution;
    BundleLayout bundle;
    PseudoRandom random;

    // The bundle-diameter entry holds the program's own placeholder, put there when the bundle
    // could not be laid out, not a diameter the designer typed: nothing is computed from it.
    bool placeholderDiameter = false;

    std::uint8_t worksheetEdited = 0;
    // While a whole worksheet is restored (a span file opened, a snapshot put back), the
    // control events that would each recompute only note that a recomputation is due; the
    // restore recomputes once at its end, from the complete worksheet.
    struct RecomputeHold {
        bool active = false;
        bool due = false;
    } recomputeHold;
    // The worksheet of the span file; it also holds the selected district and the
    // fixed-diameter flag.
    SpanRecord spanRecord;
    // The span record's 940 bytes as last read, written or started: the worksheet differs from
    // its file while a capture of it packs to other bytes. Empty for a worksheet that differs
    // whatever it holds (one brought back from a recovery file).
    std::string savedRecord;
    // The recovery file that keeps an unsaved worksheet through a crash: its path (empty while
    // none is kept, as in a run without a window), what was last written to it and when.
    struct Recovery {
        std::string path;
        std::string written;
        std::chrono::steady_clock::time_point writtenAt{};
    } recovery;
    // The same for the pole line typed in the "Pole Line" window (line/line_recovery.h).
    Recovery lineRecovery;
    // Whether opening and saving span files add them to the recent-files list in the data
    // folder; runs without a window leave the designer's list alone.
    bool keepsRecentFiles = true;
    // Undo and redo: the captured record after each finished edit, oldest first, and the step
    // the worksheet shows. New and Open start it afresh.
    struct UndoSteps {
        std::vector<std::string> steps;
        std::size_t at = 0;
    } undo;
    // The message a stopped recomputation last said, with the selection it was said for: a
    // stop ("Unknown Cable", "Axial stiffness ... is 0") is said once per selection, not on
    // every keystroke that recomputes.
    std::string stopToldFor;

    // Raised when opening a span file saved under the other unit system has switched
    // MetricUnits: every unit label and heading written at start-up is written again.
    ui::Event<> onUnitSystemChange;
    // Raised with a span file's path after the file was opened or written: the recent files.
    ui::Event<std::string> onSpanFileUsed;
    // Raised at the end of every recomputation of the worksheet that ran, also one that
    // stopped, and when a new worksheet clears the results: the pole line is strung with the
    // worksheet's cables, installed temperature and loadings, and works itself out again.
    ui::Event<> onRecomputed;

    // Set by the host: shows the "Pole Line" window (not modal). Unset, nothing shows.
    std::function<void()> showPoleLine;
    // Asked by the exit path before the worksheet's own question, in turn (the pole line's
    // unsaved line); the first false keeps the program open.
    std::vector<std::function<bool()>> exitQuestions;

    // User-defined cable editing is on while the editing panel shows.
    bool editingMode() const { return main.Picture1.visible(); }
};

}  // namespace cn3
