// The project line that heads the span report and its charts page: the Name (Text1), the
// Date (Text2) at 3000 twips and the Span ID (Text3) at 4000, as the report's header puts
// them. One piece, so that both pages print the same texts at the same stops.
#pragma once

#include "forms/main_form.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr double kDateX = 3000, kSpanIdX = 4000;

// Prints the line with its top at the current y, the Name from `left`; ends the line.
void PrintProjectLine(const MainForm& form, ui::Surface& surface, double left);

}  // namespace cn3
