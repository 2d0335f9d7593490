#include "engine/solver.h"

namespace cn3 {

namespace {

// The bisection stops once its step is no longer above this: 23 halvings of 128 ft.
constexpr float kResolution = 1e-5f;
// The first search interval; results below it never depend on the interval growing.
constexpr double kFirstInterval = 128.0;
// A bound on the growth so that a load or stiffness that is not finite cannot loop forever.
constexpr double kLargestInterval = 16777216.0;  // 2^24 ft

float Cubic(double D, float A, float B) {
    return static_cast<float>((D * D + double(A)) * D + double(B));
}

}  // namespace

float CableLength(float L, float D) {
    const double l = static_cast<double>(L), d = static_cast<double>(D);
    return static_cast<float>(l + 8.0 * d * d / (3.0 * l));
}

float ParabolicTension(float w, float L, float D) {
    const double l = static_cast<double>(L);
    return static_cast<float>(double(w) * l * l / (8.0 * double(D)));
}

float SolveSag(float L, float S0, float w, float EA) {
    const double l = static_cast<double>(L), s0 = static_cast<double>(S0);
    const float A = static_cast<float>(3.0 * l * (l - s0) / 8.0);
    const float B = static_cast<float>(-3.0 * s0 * double(w) * l * l * l / (64.0 * double(EA)));

    // The cubic is negative at 0 and has one positive root: where it is still not positive
    // at the top of the interval, the sag lies deeper.
    double top = kFirstInterval;
    while (Cubic(top, A, B) <= 0.0f && top < kLargestInterval) top *= 2.0;

    // Estimates are sums of powers of two down to 2^-17, exact in a float up to 128 ft.
    double estimate = top / 2.0;
    double step = top / 2.0;
    do {
        step /= 2.0;
        if (Cubic(estimate, A, B) <= 0.0f)
            estimate += step;
        else
            estimate -= step;
    } while (step > double(kResolution));
    return static_cast<float>(estimate);
}

ConditionLoads ConditionLoad(float d, float t, float p, float w, float K) {
    const float iced = d + 2.0f * t;
    const double di = static_cast<double>(iced), dd = static_cast<double>(d);
    // Ice of 57 lb/ft3 on the annulus; square inches to square feet.
    const float ice = static_cast<float>((di * di - dd * dd) * (kPi * 57.0 / 144.0) * 0.25);
    const float wind = static_cast<float>(double(p) * di / 12.0);
    const float vertical = w + ice;
    const double v = static_cast<double>(vertical), h = static_cast<double>(wind);
    const float resultant = static_cast<float>(std::sqrt(v * v + h * h) + double(K));
    // No load at all has no direction; call it vertical rather than NaN.
    const float angle = (v == 0.0 && h == 0.0) ? 0.0f : static_cast<float>(std::atan(h / v));
    return {vertical, resultant, angle};
}

}  // namespace cn3
