// The span report of the current worksheet: the logo, the title, the project header, the
// selected cables with their catalogue values and the bundle totals, the NESC results when
// "Show NESC Results" (Check3) is ticked, the results text and, when "Show 'Effect of
// Temperature Change'" (Check4) is ticked, the temperature table beside it. Beside the logo,
// where nothing else prints, it states the installed temperature, the sag mode and the creep.
//
// It reads the controls as they are (Text1..4, Text9, Option1, Label1, Grid2, Label4,
// GridTemp, Check3, Check4) and the cable table, and writes only to the surface, which it
// leaves in its scale. It does not recompute: it prints what the worksheet shows. A header
// text too long for its field shrinks, long notes wrap and push the rest down by whole lines.
// When the NESC results or the results block would reach the foot of the page (many cables
// and both blocks), that block goes on a new page, which starts with one line naming the
// report, the project and the Span ID; a cable row too. Every page ends with "Page n of m".
//
// With "Show Charts" ticked, the charts page follows (reports/charts_page.h) and the NESC
// table frames the tensions over the usable load; with it clear nothing else changes.
#pragma once

#include <string_view>

#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr std::string_view kReportTitle = "Catenova  Release 3.1 Sag / Tension Computations";

// The logo centred at the top of the page at its own size; the current y goes 700 twips
// below it. A logo that cannot be read takes no room. Gives back the logo's width.
double PrintLogoHeading(Program& program, ui::Surface& surface);

// Prints the report (and the charts page when asked for); the host ends the document.
void PrintSpanReport(Program& program, ui::Surface& surface);

}  // namespace cn3
