#include "engine/chart_axis.h"

#include <algorithm>
#include <cmath>

#include "core/blanks.h"
#include "core/number_format.h"

namespace cn3 {

namespace {

constexpr double kMantissas[] = {1, 2, 2.5, 5, 10};

// The smallest round step not below `raw`.
double RoundStepAtLeast(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : kMantissas)
        if (m * power >= raw * (1 - 1e-9)) return m * power;
    return 10 * power;
}

// The next round step above `step`.
double NextRoundStep(double step) {
    return RoundStepAtLeast(step * (1 + 1e-6));
}

// Widens a range with no width: 3 to 3 becomes 2.7 to 3.3, 0 to 0 becomes -1 to 1.
void Widen(double& low, double& high) {
    if (high < low) std::swap(low, high);
    if (high - low > 1e-9 * std::max(std::fabs(low), std::fabs(high))) return;
    const double half = low == 0 ? 1.0 : std::fabs(low) * 0.1;
    low -= half;
    high += half;
}

}  // namespace

int ChartAxis::intervals() const {
    return static_cast<int>(std::lround((high - low) / step));
}

double ChartAxis::place(double v, double from, double to) const {
    return from + (v - low) / (high - low) * (to - from);
}

std::string ChartAxis::tickText(double v) const {
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) -
                                     std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    std::string pattern = "#,##0";
    if (decimals > 0) {
        pattern += '.';
        pattern += std::string(static_cast<size_t>(decimals), '0');
    }
    // A tick a rounding error away from 0 shows as 0, not as -0.
    if (std::fabs(v) < step * 1e-6) v = 0;
    return FormatNumber(v, pattern);
}

ChartAxis NiceAxis(double low, double high, int targetIntervals) {
    Widen(low, high);
    const int target = std::max(1, targetIntervals);
    ChartAxis axis;
    axis.step = RoundStepAtLeast((high - low) / target);
    axis.low = std::floor(low / axis.step + 1e-9) * axis.step;
    axis.high = std::ceil(high / axis.step - 1e-9) * axis.step;
    return axis;
}

ChartAxis AlignedAxis(double low, double high, int intervals) {
    Widen(low, high);
    const int n = std::max(1, intervals);
    ChartAxis axis;
    axis.step = RoundStepAtLeast((high - low) / n);
    for (;;) {
        axis.low = std::floor(low / axis.step + 1e-9) * axis.step;
        // Centre the data in the spare steps, so that neither axis end hugs a curve.
        const int used = static_cast<int>(std::ceil((high - axis.low) / axis.step - 1e-9));
        if (used <= n) {
            int spare = (n - used) / 2;
            // Values that are never negative (sags, tensions) keep an axis that starts at 0
            // or above.
            if (low >= 0) spare = std::min(spare, static_cast<int>(axis.low / axis.step + 1e-9));
            axis.low -= spare * axis.step;
            axis.high = axis.low + n * axis.step;
            return axis;
        }
        axis.step = NextRoundStep(axis.step);
    }
}

std::string UnitText(const Units& units, int kind) {
    return std::string(TrimSpaces(units.label(kind)));
}

std::string TemperatureText(const Units& units, float temperature) {
    std::string text = units.toDisplay(unit::kTemperature, temperature, "##0.#;;");
    text += ' ';
    text += UnitText(units, unit::kTemperature);
    return text;
}

}  // namespace cn3
