// The "TENSION RESULTS" text: span, sag, tension, the carrier's loads, cable and stress-free
// lengths and the bare carrier, one line per item, each line begun by the LF CR break.
// Integrated messengers leave out the usable load, the stress-free length and the bare
// carrier; a lone drop cable leaves out the bare carrier.
#pragma once

#include <string>

#include "core/unit_table.h"
#include "engine/span_solution.h"

namespace cn3 {

std::string ResultsText(const Units& units, const SpanSolution& solution);

}  // namespace cn3
