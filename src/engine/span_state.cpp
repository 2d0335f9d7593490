#include "engine/span_state.h"

#include "engine/solver.h"

namespace cn3 {

SpanState StateAt(const SpanInputs& inputs, const InstalledState& installed,
                  const SupportCable& support, float temperature, float load, float creep) {
    const float L = inputs.span, S = installed.cableLength, EA = support.stiffness;
    const double alpha = support.thermalCoefficient;
    SpanState state;
    // The temperature difference is taken in float, as the table's whole degrees are exact.
    state.stressFree = static_cast<float>(
        double(installed.stressFree) *
        (1.0 + alpha * double(temperature - inputs.installedTemperature)) *
        (double(creep) + 1.0));
    state.sag = SolveSag(L, state.stressFree, load, EA);
    // The stress-free length stands in for the span in the tension.
    state.tension = ParabolicTension(load, state.stressFree, state.sag);
    state.lengthChange =
        static_cast<float>((double(CableLength(L, state.sag)) - double(S)) * 100.0 / double(S));
    return state;
}

}  // namespace cn3
