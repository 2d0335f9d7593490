// Hand calculations in double precision from the physics (cable length of a parabola,
// stretch linear in tension), not from the solver's cubic, shared by the engine tests.
#pragma once

#include <array>
#include <cmath>

#include "core/loading_table.h"

namespace cn3::test {

// L + 8D^2/(3L) = S0 (1 + w L^2 / (8 D EA)), solved for D by Newton's method in double.
inline double HandSag(double L, double S0, double w, double EA, double D) {
    for (int i = 0; i < 200; ++i)
        D -= (L + 8 * D * D / (3 * L) - S0 * (1 + w * L * L / (8 * D * EA))) /
             (16 * D / (3 * L) + S0 * w * L * L / (8 * D * D * EA));
    return D;
}

// Strand 1/4 EHS with P 500 and P 750 (0.361 lb/ft), bundle d inches, span 150 ft, sag 3 ft at
// 60 F, point at 50 ft: columns 0..12 of a condition's row.
inline std::array<double, 13> HandCondition(const LoadingRecord& rec, double d, double creep) {
    const double L = 150, D = 3, w = 0.361, EA = 1.2e6, x = 50, pi = std::acos(-1.0);
    const double S = L + 8 * D * D / (3 * L), S0 = S / (1 + w * L * L / (8 * D) / EA);
    const double t = rec.iceThickness, p = rec.windPressure, K = rec.loadConstant, Di = d + 2 * t, Ww = p * Di / 12;
    const double V = w + 57 * pi / 4 * (Di * Di - d * d) / 144, R = std::hypot(V, Ww) + K, theta = std::atan(Ww / V);
    const double S0c = S0 * (1 + 6.4e-6 * double(rec.temperature - 60)) * (1 + creep);
    const double Dc = HandSag(L, S0c, R, EA, D), Hc = R * S0c * S0c / (8 * Dc);
    return {rec.temperature, V - w, p, R, Dc, Hc, (L + 8 * Dc * Dc / (3 * L) - S) * 100 / S,
            R * x * x / (2 * Hc), Dc * std::sin(theta), Dc * std::cos(theta), theta * 180 / pi, t, K};
}

}  // namespace cn3::test
