// The project line that heads the span report and its charts page: the Name (Text1), the
// Date (Text2) at 3000 twips and the Span ID (Text3) at 4000, as the report's header puts
// them. One piece, so that both pages print the same texts at the same stops.
//
// Each text keeps its place and shrinks to its field when it would run into the next one
// (a 30-character Name into the Date, a 15-character Date into the Span ID) or off the page.
#pragma once

#include <string>

#include "forms/main_form.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr double kDateX = 3000, kSpanIdX = 4000;
inline constexpr double kFieldGap = 100;  // twips kept clear before the next field

// Prints the line with its top at the current y, the Name from `left`; ends the line one
// line height of the current font lower, at the left margin.
void PrintProjectLine(const MainForm& form, ui::Surface& surface, double left);

// The line that heads every page of the report after the first: the title, the project name
// and the Span ID, joined by " - " and left out when empty.
std::string ContinuationTitle(const MainForm& form, std::string_view title);

}  // namespace cn3
