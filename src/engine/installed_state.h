// The span as installed, and the bare carrier with the same steel paid out: what the
// results text shows and every derived condition starts from.
#pragma once

#include "engine/span_cables.h"
#include "engine/span_inputs.h"

namespace cn3 {

struct InstalledState {
    float cableLength = 0.0f;  // S, ft
    float tension = 0.0f;      // H, lb
    float stressFree = 0.0f;   // S0 at the installed temperature, ft
    float bareSag = 0.0f;      // Du, ft: the carrier alone
    float barePercent = 0.0f;  // Pu, sag as % of span
    float bareTension = 0.0f;  // Hu, lb
    float usableLoad = 0.0f;   // 60 % of the breaking strength, lb
};

// Needs span, sag and stiffness that are not 0.
InstalledState SolveInstalled(const SpanInputs& in, float totalWeight, const SupportCable& support);

}  // namespace cn3
