#include "line/span_geometry.h"

#include <algorithm>
#include <cmath>

namespace cn3::line {

float RulingSpan(const std::vector<float>& lengths) {
    double cubes = 0.0, sum = 0.0;
    for (const float L : lengths) {
        const auto l = static_cast<double>(L);
        cubes += l * l * l;
        sum += l;
    }
    if (sum <= 0.0) return 0.0f;
    return static_cast<float>(std::sqrt(cubes / sum));
}

float ScaledSag(float rulingSag, float length, float rulingSpan) {
    // A span as long as the ruling span keeps its sag bit for bit.
    if (length == rulingSpan) return rulingSag;
    const double ratio = double(length) / double(rulingSpan);
    return static_cast<float>(double(rulingSag) * ratio * ratio);
}

namespace {

double Clearance(double hA, double hB, double D, double L, double x) {
    return hA + (hB - hA) * x / L - 4.0 * D * x * (L - x) / (L * L);
}

}  // namespace

float ClearanceAt(float hA, float hB, float D, float L, float x) {
    return static_cast<float>(Clearance(static_cast<double>(hA), static_cast<double>(hB),
                                        static_cast<double>(D), static_cast<double>(L),
                                        static_cast<double>(x)));
}

LowestClearance MinimumClearance(float hA, float hB, float D, float L) {
    const auto l = static_cast<double>(L), d = static_cast<double>(D);
    const auto a = static_cast<double>(hA), b = static_cast<double>(hB);
    double x;
    if (d > 0.0)
        x = std::clamp(l / 2.0 - (b - a) * l / (8.0 * d), 0.0, l);
    else
        x = b < a ? l : 0.0;  // a straight strand is lowest at its lower end
    return {static_cast<float>(Clearance(a, b, d, l, x)), static_cast<float>(x)};
}

float LowPoint(float zA, float zB, float D, float L) {
    const auto l = static_cast<double>(L);
    return static_cast<float>(l / 2.0 - (double(zB) - double(zA)) * l / (8.0 * double(D)));
}

}  // namespace cn3::line
