// What the window says about the results it shows: that they are not those of the current
// entries when a recomputation stopped, and why; or, for current results, a note where the
// parabolic model is stretched. Only texts; Recompute puts them into the status message and
// the line over the results.
#pragma once

#include <string>

#include "engine/span_solution.h"

namespace cn3 {

// "The results shown are not for the current entries: the span length is 0."
std::string StaleResultsText(const SolveStopped& stop);

// What a stop says over the results even when none have been shown yet: "The bundle cannot be
// laid out with 18 cables: type its diameter under 'Enter Bundle Diameter'."; empty for the
// stops that only the stale-results text names.
std::string StopNote(const SolveStopped& stop);

// A note on current results; empty when there is nothing to say. Beyond a sag of 10 % of the
// span the parabola departs noticeably from the hanging cable's true curve.
std::string ResultsAccuracyNote(const SpanSolution& solution);

}  // namespace cn3
