// A solved pole line written out, in English units whatever the display units: as text for a
// reader, as CSV records and as JSON (README, "Pole lines"), and the reasons it fails.
#pragma once

#include <string>
#include <vector>

#include "line/pole_line.h"
#include "line/solve_line.h"

namespace cn3::line {

// The ruling span and line tension, the spans with their sags and clearances, any ruling-span
// notes, the poles with their weight spans, and the stringing chart; columns TAB-separated.
std::string LineText(const PoleLine& line, const LineSolution& solution);

// The header "section,from,to,name,value", then one record per value: line, condition, span,
// stringing (name: the temperature in deg F, value: the sag in ft) and pole records.
std::string LineCsv(const PoleLine& line, const LineSolution& solution);

// One JSON object, ending in a line break.
std::string LineJson(const PoleLine& line, const LineSolution& solution);

// Why the line fails, one sentence each: a span short of its clearance, a pole pulled up, the
// line tension over the usable load. Empty when it passes.
std::vector<std::string> FailureReasons(const PoleLine& line, const LineSolution& solution);

// The spans outside half to 1.5 times the ruling span, one note each.
std::vector<std::string> RulingSpanNotes(const PoleLine& line, const LineSolution& solution);

}  // namespace cn3::line
