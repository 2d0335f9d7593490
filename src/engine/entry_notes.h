// What the results note says about the entries the numbers come from: an entry whose text
// reads as another number than it shows ("16x5" read as 16, "abc" read as 0), and values
// outside the range of aerial spans. The computation keeps reading entries by their leading
// number; these notes make sure the designer knows.
#pragma once

#include <string>
#include <vector>

#include "engine/span_solution.h"
#include "forms/program.h"

namespace cn3 {

// One note per entry read in part or not at all: the span entries, the bundle-diameter entry
// and the cells of the ticked user loadings. `Span Length "16x5" is read as 16 ft.` An empty
// entry, and a number followed only by its display unit ("150 ft"), read whole.
std::vector<std::string> EntryReadingNotes(const Program& program);

// The longest span the worksheet is for, ft: an aerial span of cable plant.
inline constexpr float kLongestSpan = 2000.0f;

// Notes on values a designer would not mean: a span over 2,000 ft, a sag over half the span,
// a creep outside 0 to 0.1 (the entry is a fraction: 0.05 is 5 %).
std::vector<std::string> RangeNotes(const Units& units, const SpanSolution& solution);

// The notes joined into the one line over the results.
std::string JoinNotes(const std::vector<std::string>& notes);

}  // namespace cn3
