// The span report's charts page, printed after the report while "Show Charts" is ticked: a
// heading with the project texts, the temperature chart, and the usable-load check line over
// the span profile, drawn by the same functions as the main window's pictures and from the
// same solution. Without a solution (nothing computed yet) the page says so.
#pragma once

#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr const char* kChartsPageTitle = "Span Charts";

// Prints the charts from the top of the current page (the report starts a new one for it);
// the surface stays in its twips scale.
void PrintChartsPage(const Program& program, ui::Surface& surface);

}  // namespace cn3
