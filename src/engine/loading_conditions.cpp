#include "engine/loading_conditions.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"
#include "engine/solver.h"

namespace cn3 {

namespace col {
inline constexpr int kTemperature = 0, kIceLoad = 1, kWind = 2, kResultant = 3, kSag = 4,
                     kTension = 5, kLengthChange = 6, kPointSag = 7, kHorizontalSag = 8,
                     kVerticalSag = 9, kAngle = 10, kIceThickness = 11, kLoadConstant = 12,
                     kShownIce = 18, kShownWind = 19;
}

int ConditionRecord(int condition, int selectedDistrict) {
    return condition == 1 ? std::clamp(selectedDistrict, 0, 2) : condition + 1;
}

void ComputeLoadingConditions(Program& program, const SpanSolution& solution, float d) {
    auto& results = program.loadingResults;
    const auto& in = solution.inputs;
    const auto& st = solution.installed;
    const float L = in.span, S = st.cableLength, EA = solution.support.stiffness;
    const float w = solution.cables.totalWeight;
    const double alpha = solution.support.thermalCoefficient;

    for (int i = 1; i <= kConditions; ++i) {
        const auto& record =
            program.loadings.at(static_cast<size_t>(ConditionRecord(i, program.selectedDistrict)));
        results.at(i, col::kTemperature) = record.temperature;
        results.at(i, col::kWind) = record.windPressure;
        results.at(i, col::kIceThickness) = record.iceThickness;
        results.at(i, col::kLoadConstant) = record.loadConstant;

        const auto load =
            ConditionLoad(d, record.iceThickness, record.windPressure, w, record.loadConstant);
        const float R = load.resultant;
        results.at(i, col::kResultant) = R;
        results.at(i, col::kIceLoad) = load.vertical - w;

        // Creep is a fraction: 0.05 lengthens by 5 %.
        const float S0c = static_cast<float>(
            double(st.stressFree) *
            (1.0 + alpha * double(record.temperature - in.installedTemperature)) *
            (double(in.creep) + 1.0));
        const float Dc = SolveSag(L, S0c, R, EA);
        const float Hc = ParabolicTension(R, S0c, Dc);
        const double x = in.pointDistance;
        const double theta = load.angle;

        results.at(i, col::kSag) = Dc;
        results.at(i, col::kTension) = Hc;
        results.at(i, col::kLengthChange) =
            static_cast<float>((double(CableLength(L, Dc)) - double(S)) * 100.0 / double(S));
        results.at(i, col::kPointSag) = static_cast<float>(double(R) * x * x / (2.0 * double(Hc)));
        results.at(i, col::kAngle) = static_cast<float>(theta * 180.0 / kPi);
        results.at(i, col::kHorizontalSag) = static_cast<float>(double(Dc) * std::sin(theta));
        results.at(i, col::kVerticalSag) = static_cast<float>(double(Dc) * std::cos(theta));
    }
}

void CopyLoadingWindowNumbers(Program& program) {
    auto& results = program.loadingResults;
    const auto& cells = program.loading.Cells;
    for (int i = 1; i <= kConditions; ++i) {
        const auto ice =
            static_cast<float>(LeadingNumber(cells.at(static_cast<size_t>(5 * i - 3)).caption()));
        const auto wind =
            static_cast<float>(LeadingNumber(cells.at(static_cast<size_t>(5 * i - 2)).caption()));
        // The cell shows display units and the column is shown through the small-length
        // conversion, so it holds the thickness in inches: metric figures are not converted
        // twice.
        results.at(i, col::kShownIce) =
            program.units.fromInputValue(unit::kSmallLength, ice, "0.000000");
        results.at(i, col::kShownWind) = wind;
    }
    results.at(0, col::kShownIce) = unit::kSmallLength;
    results.formats.at(col::kShownIce) = "##.00";
    results.formats.at(col::kShownWind) = "##.0";
}

}  // namespace cn3
