// A span file saved under the other unit system switches the display units when it is
// opened; its numbers are texts in those units. Everything start-up labelled with the units
// is labelled again, so no heading names one system over figures of the other.
#pragma once

#include "forms/program.h"

namespace cn3 {

// The window title, the catalogue, selected-cables and temperature headings, the listed
// family's figures, the installed-temperature caption and the loading window's unit labels,
// all for the current MetricUnits. The results follow at the next recomputation, as after Open.
void ShowUnitSystem(Program& program);

}  // namespace cn3
