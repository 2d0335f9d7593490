// A solved pole line as the designer reads it, in the display units: the headline (ruling span
// and line tension), the table of span results, the stringing chart and the notes under them.
// The window shows these tables in its grids and the line report prints them, so both say the
// same texts. A failing cell is flagged for red AND says so in words, so that a black-and-white
// page shows it too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/unit_table.h"
#include "line/pole_line.h"
#include "line/solve_line.h"

namespace cn3::line {

struct ShownCell {
    std::string text;
    bool fails = false;   // drawn red; the text says so in words too
    bool marked = false;  // the installed temperature in the stringing chart: drawn bold
};

struct ShownTable {
    // One per column; a heading may hold one "\n" where it breaks into two lines.
    std::vector<std::string> headings;
    std::vector<std::vector<ShownCell>> rows;  // rows[r][c]
};

// "Ruling span 158.32 ft   Line tension 1,234 lbs at 60 F".
std::string LineHeadline(const PoleLine& line, const LineSolution& solution, const Units& units);

// The loading condition with the deepest vertical sag (the one the profile and the table show
// as the worst loading), as a LineSolution::conditions index; 0 (installed) when none is drawn.
std::size_t WorstLoading(const LineSolution& solution);

// One row per span: span (P1-P2), length, installed sag, sag at the hottest temperature, sag
// under the worst loading (named in its heading), lowest clearance, required, margin,
// governing condition, uplift of its end poles, and a check in words ("OK", "TOO LOW by
// 1.20 ft", "UPLIFT at P3").
ShownTable SpanResultsTable(const PoleLine& line, const LineSolution& solution, const Units& units);

// Up to this many spans the stringing chart has the spans across and the temperatures down;
// with more it is turned round (temperatures across, one row per span).
inline constexpr std::size_t kStringingSpansAcross = 8;
bool StringingTransposed(const PoleLine& line);

// The mark after the installed temperature's heading ("60 F *"), and the legend that says what
// it means and in which units the chart is.
inline constexpr const char* kInstalledMark = " *";
std::string StringingLegend(const Units& units, float installedTemperature);

// The sag of every span at each of the 19 temperatures of the table (-40 to 140 F), with the
// line tension: spans across, or turned round with more than kStringingSpansAcross spans. The
// installed temperature's row (column) is marked; one that is not on the table's 10-degree steps
// gets a row (column) of its own in its place, with the installed sags and tension.
ShownTable StringingTable(const PoleLine& line, const LineSolution& solution, const Units& units,
                          float installedTemperature);

struct LineNote {
    std::string text;
    bool fails = false;  // a reason the line fails: shown red
};

// What goes under the results: whether the line passes (one sentence), each reason it fails
// (a span short of its clearance, a pole pulled up, the tension over the usable load), the
// usable-load state and the ruling-span notes, all in the display units.
std::vector<LineNote> LineNotes(const PoleLine& line, const LineSolution& solution,
                                const Units& units);

}  // namespace cn3::line
