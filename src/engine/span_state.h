// The installed cable at one temperature and load: the one change-of-state step that the
// temperature sweep, the loading conditions, a pole line's ruling span and its stringing
// chart all take.
#pragma once

#include "engine/installed_state.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"

namespace cn3 {

struct SpanState {
    float stressFree = 0.0f;    // ft, at the temperature, with creep
    float sag = 0.0f;           // ft
    float tension = 0.0f;       // lb
    float lengthChange = 0.0f;  // % of the installed cable length
};

// The cable installed as `installed` over `inputs.span`, brought to `temperature` (deg F),
// lengthened by `creep` (a fraction: 0.05 is 5 %) and loaded with `load` (lb/ft).
SpanState StateAt(const SpanInputs& inputs, const InstalledState& installed,
                  const SupportCable& support, float temperature, float load, float creep);

}  // namespace cn3
