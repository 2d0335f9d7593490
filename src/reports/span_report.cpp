#include "reports/span_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/blanks.h"
#include "core/number_format.h"
#include "core/unit_table.h"
#include "engine/loading_table_drawing.h"
#include "engine/span_inputs.h"
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

constexpr double kBasisSize = 9;  // the worksheet's basis beside the logo
constexpr double kBasisGap = 100;  // between the logo and the basis

// Project name, date and span id on one line, the notes on the next (wrapped to the page's
// width, so that a long note pushes what follows down by whole lines), then an empty line.
void PrintProjectHeader(const MainForm& form, ui::Surface& surface) {
    PrintProjectLine(form, surface, 0);
    for (const std::string& line : WrapText(surface, form.Text4.text(), surface.scaleWidth()))
        surface.print(line);
    EndLine(surface);
}

// What the numbers rest on, which the worksheet shows elsewhere but the report would not:
// the installed temperature (as its caption shows it, with the unit), the sag mode (with the
// percentage typed in percent mode) and the creep entry (a fraction: 0.05 is 5 %).
std::vector<std::string> BasisLines(const Program& program) {
    const MainForm& form = program.main;
    char creep[48];
    std::snprintf(creep, sizeof creep, "Creep %.2f %%",
                  100.0 * LeadingGroupedNumber(form.Text9[entry::kCreep].text()));
    const std::string sag =
        form.Option1.selected() == 1
            ? "Sag Mode Percent: " + std::string(TrimBlanks(form.Text9[entry::kSag].text())) +
                  " % of Span"
            : "Sag Mode Absolute";
    return {form.Label1.caption() + " " + program.units.label(unit::kTemperature), sag, creep};
}

// The basis right-aligned at the page's right edge beside the logo, from the top of the page,
// in space that nothing else uses; it leaves the current position where it was.
void PrintBasis(const Program& program, ui::Surface& surface, double logoWidth) {
    const double x = surface.currentX(), y = surface.currentY(), size = surface.fontSize();
    const double right = surface.scaleWidth();
    const double room = (right - logoWidth) / 2 - kBasisGap;
    surface.setFontSize(kBasisSize);
    const double lineHeight = surface.textHeight();
    double top = 0;
    for (const std::string& line : BasisLines(program)) {
        surface.setFontSize(FitText(surface, line, room));
        surface.setCurrentY(top);
        PrintRightAligned(surface, right, line);
        surface.setFontSize(kBasisSize);
        top += lineHeight;
    }
    surface.setFontSize(size);
    surface.setCurrentX(x);
    surface.setCurrentY(y);
}

// The one line that heads every later page: the title, the project name and the Span ID.
void PrintContinuationLine(const MainForm& form, ui::Surface& surface) {
    surface.setBold(false);
    surface.setFontSize(kBodySize);
    const std::string line = ContinuationTitle(form, kReportTitle);
    surface.setFontSize(FitText(surface, line, surface.scaleWidth()));
    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.print(line, false);
    surface.setFontSize(kBodySize);
    surface.setCurrentX(0);
    surface.setCurrentY(2 * surface.textHeight());
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

double PrintLogoHeading(Program& program, ui::Surface& surface) {
    const ui::Size logo =
        program.logoPath.empty() ? ui::Size{} : surface.pictureSize(program.logoPath);
    if (logo.width > 0 && logo.height > 0)
        surface.picture(program.logoPath, (surface.scaleWidth() - logo.width) / 2, 0, logo.width,
                        logo.height);
    surface.setCurrentY(logo.height + kLogoGap);
    return logo.width;
}

void PrintSpanReport(Program& program, ui::Surface& surface) {
    const MainForm& form = program.main;
    const ColumnStops stops = MakeColumnStops();
    Pager pager(surface, {[&](ui::Surface& s) { PrintContinuationLine(form, s); },
                          PageNumberFooter});

    const double logoWidth = PrintLogoHeading(program, surface);
    surface.setFontSize(kTitleSize);
    PrintCentred(surface, kReportTitle);
    surface.setFontSize(kBodySize);
    PrintBasis(program, surface, logoWidth);
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
        pager.newPage(false);  // the charts page heads itself
        PrintChartsPage(program, surface);
    }
    pager.finish();
}

}  // namespace cn3
