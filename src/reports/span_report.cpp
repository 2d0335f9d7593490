#include "reports/span_report.h"

#include <string>

#include "core/number_format.h"
#include "engine/loading_table_drawing.h"
#include "engine/span_solution.h"
#include "engine/usable_load_check.h"
#include "reports/catalogue_table.h"
#include "reports/charts_page.h"
#include "reports/pager.h"
#include "reports/project_header.h"
#include "reports/text_placement.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 14, kBodySize = 10;
constexpr double kLogoGap = 700;    // between the logo and the title
constexpr double kResultsX = 500;   // left edge of the results text
constexpr double kTempLeft = 5000;  // the temperature table, beside the results text
constexpr double kTempColumn = 1000;
constexpr double kTempGroupGap = 50;  // after every fifth temperature row

// Project name, date and span id on one line, the notes on the next, then an empty line.
void PrintProjectHeader(const MainForm& form, ui::Surface& surface) {
    PrintProjectLine(form, surface, 0);
    surface.print(form.Text4.text());
    EndLine(surface);
}

// The bundle row: the bundle diameter under the diameter column (ending at stop 4) and the
// total weight under the weight column (ending at stop 6), then an empty line.
void PrintBundleRow(const ui::Grid& grid, ui::Surface& surface, const ColumnStops& stops) {
    const int bundleRow = grid.rows() - 1;
    surface.print(grid.text(bundleRow, 1), false);
    PrintRightAligned(surface, stops[4], grid.text(bundleRow, 2));
    PrintRightAligned(surface, stops[6], grid.text(bundleRow, 3));
    EndLine(surface);
    EndLine(surface);
}

// One row of the temperature table: five cells, each centred in its 1000-twip band.
void PrintTemperatureRow(const ui::Grid& grid, ui::Surface& surface, int row) {
    const double top = surface.currentY();
    for (int c = 0; c < 5; ++c) {
        surface.setCurrentY(top);
        PrintColumnText(surface, kTempLeft + kTempColumn * c, kTempColumn, grid.text(row, c));
    }
}

// The results text at x = 500 and, when asked for, the temperature table beside it from the
// same top; rows come in groups of five.
void PrintResults(const MainForm& form, ui::Surface& surface) {
    const double resultsTop = surface.currentY();
    PrintColumnText(surface, kResultsX, 0, form.Label4.caption());
    surface.setCurrentY(resultsTop);
    if (!form.Check4.checked()) return;
    const ui::Grid& grid = form.GridTemp;
    PrintTemperatureRow(grid, surface, 0);
    EndLine(surface);
    for (int r = 1; r < grid.rows(); ++r) {
        PrintTemperatureRow(grid, surface, r);
        if (r % 5 == 0) surface.setCurrentY(surface.currentY() + kTempGroupGap);
    }
}

}  // namespace

void PrintLogoHeading(Program& program, ui::Surface& surface) {
    const ui::Size logo =
        program.logoPath.empty() ? ui::Size{} : surface.pictureSize(program.logoPath);
    if (logo.width > 0 && logo.height > 0)
        surface.picture(program.logoPath, (surface.scaleWidth() - logo.width) / 2, 0, logo.width,
                        logo.height);
    surface.setCurrentY(logo.height + kLogoGap);
}

void PrintSpanReport(Program& program, ui::Surface& surface) {
    const MainForm& form = program.main;
    const ColumnStops stops = MakeColumnStops();
    Pager pager(surface);

    PrintLogoHeading(program, surface);
    surface.setFontSize(kTitleSize);
    PrintCentred(surface, kReportTitle);
    surface.setFontSize(kBodySize);
    PrintProjectHeader(form, surface);
    PrintCatalogueHeadings(program, surface, stops, "Selected Cables");

    const ui::Grid& grid = form.Grid2;
    for (int r = 1; r <= grid.rows() - 2; ++r)
        pager.keepTogether([&](ui::Surface& s) {
            // A name the cable table does not hold (a span file's cable missing
            // from the catalogue) prints with empty values.
            const std::string& name = grid.text(r, 1);
            PrintCatalogueRow(program, s, stops, name,
                              name.empty() ? std::nullopt : program.cables.find(name));
        });
    if (grid.rows() >= 2)
        pager.keepTogether([&](ui::Surface& s) { PrintBundleRow(grid, s, stops); });

    if (form.Check3.checked()) {
        pager.keepTogether([&](ui::Surface& s) {
            const auto rows = DrawLoadingTable(program, s, kPrintedTable);
            // With the charts, the table marks the tensions over the usable load as well.
            if (form.ShowCharts.checked() && program.shownSolution)
                MarkOverloadedTensions(CheckUsableLoad(program, *program.shownSolution), rows, s,
                                       kPrintedTable);
        });
        surface.setFontSize(kBodySize);  // the table sets its own sizes
        surface.setBold(false);
    }
    EndLine(surface);
    pager.keepTogether([&](ui::Surface& s) { PrintResults(form, s); });
    if (form.ShowCharts.checked()) {
        pager.newPage();
        PrintChartsPage(program, surface);
    }
    pager.finish();
}

}  // namespace cn3
