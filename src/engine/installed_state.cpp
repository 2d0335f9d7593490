#include "engine/installed_state.h"

#include "engine/solver.h"

namespace cn3 {

InstalledState SolveInstalled(const SpanInputs& in, float totalWeight,
                              const SupportCable& support) {
    InstalledState s;
    const float L = in.span, D = in.sag, EA = support.stiffness;
    s.cableLength = CableLength(L, D);
    s.tension = ParabolicTension(totalWeight, L, D);
    s.stressFree =
        static_cast<float>(double(s.cableLength) / (1.0 + double(s.tension) / double(EA)));
    s.bareSag = SolveSag(L, s.stressFree, support.weight, EA);
    s.barePercent = static_cast<float>(double(s.bareSag) * 100.0 / double(L));
    s.bareTension = ParabolicTension(support.weight, L, s.bareSag);
    s.usableLoad = static_cast<float>(0.6 * double(support.breakingStrength));
    return s;
}

}  // namespace cn3
