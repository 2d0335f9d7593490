// Turns the laid-out bundle about its centre so that the support strand sits straight above
// it, as the bundle plot shows it. The bundle circle itself does not move.
#pragma once

#include "forms/program.h"

namespace cn3 {

// The strand's circle (kind 0), searched from the last cable circle down by the grid row each
// circle came from; -1 when the bundle has no strand (built on an integrated messenger, say).
int FindStrandCircle(const Program& program);

// Every cable circle keeps its distance from the bundle centre and turns with the strand,
// which ends at bearing pi/2.
void TurnStrandToTop(BundleLayout& layout, int strand, double pi);

}  // namespace cn3
