#include "engine/loading_conditions.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/number_format.h"
#include "engine/solver.h"
#include "engine/span_state.h"

namespace cn3 {

namespace col {
inline constexpr int kTemperature = 0, kIceLoad = 1, kWind = 2, kResultant = 3, kSag = 4,
                     kTension = 5, kLengthChange = 6, kPointSag = 7, kHorizontalSag = 8,
                     kVerticalSag = 9, kAngle = 10, kIceThickness = 11, kLoadConstant = 12,
                     kShownIce = 18, kShownWind = 19;
}

namespace {

// The ice thickness and wind cells of a condition's row in the loading window, as numbers:
// what the drawn table's last two columns show. The cell shows display units and the column
// is shown through the small-length conversion, so it holds the thickness in inches: metric
// figures are not converted twice.
std::pair<float, float> ShownNumbers(const Program& program, int condition) {
    const auto& cells = program.loading.Cells;
    const auto ice = static_cast<float>(
        LeadingNumber(cells.at(static_cast<size_t>(5 * condition - 3)).caption()));
    const auto wind = static_cast<float>(
        LeadingNumber(cells.at(static_cast<size_t>(5 * condition - 2)).caption()));
    return {program.units.fromInputValue(unit::kSmallLength, ice, "0.000000"), wind};
}

}  // namespace

int ConditionRecord(int condition, int selectedDistrict) {
    return condition == 1 ? std::clamp(selectedDistrict, 0, 2) : condition + 1;
}

std::array<LoadingCondition, kConditions> SolveLoadingConditions(const SpanProblem& problem,
                                                                 const InstalledState& installed) {
    const auto& in = problem.inputs;
    const float w = problem.cables.totalWeight, d = problem.bundleDiameter;

    std::array<LoadingCondition, kConditions> conditions{};
    for (size_t i = 0; i < conditions.size(); ++i) {
        LoadingCondition& c = conditions[i];
        const LoadingRecord& record = problem.conditionRecords[i];
        c.record = problem.conditionRecordIndex[i];
        c.temperature = record.temperature;
        c.windPressure = record.windPressure;
        c.iceThickness = record.iceThickness;
        c.loadConstant = record.loadConstant;

        const auto load =
            ConditionLoad(d, record.iceThickness, record.windPressure, w, record.loadConstant);
        const float R = load.resultant;
        c.resultant = R;
        c.iceLoad = load.vertical - w;

        const SpanState state =
            StateAt(in, installed, problem.support, record.temperature, R, in.creep);
        const float Dc = state.sag, Hc = state.tension;
        const double x = in.pointDistance;
        const double theta = load.angle;
        c.sag = Dc;
        c.tension = Hc;
        c.lengthChange = state.lengthChange;
        c.pointSag = static_cast<float>(double(R) * x * x / (2.0 * double(Hc)));
        c.angle = static_cast<float>(theta * 180.0 / kPi);
        c.horizontalSag = static_cast<float>(double(Dc) * std::sin(theta));
        c.verticalSag = static_cast<float>(double(Dc) * std::cos(theta));
    }
    return conditions;
}

void WriteLoadingResults(Program& program, const SpanSolution& solution) {
    auto& results = program.loadingResults;
    for (int i = 1; i <= kConditions; ++i) {
        const LoadingCondition& c = solution.conditions.at(static_cast<size_t>(i - 1));
        results.at(i, col::kTemperature) = c.temperature;
        results.at(i, col::kIceLoad) = c.iceLoad;
        results.at(i, col::kWind) = c.windPressure;
        results.at(i, col::kResultant) = c.resultant;
        results.at(i, col::kSag) = c.sag;
        results.at(i, col::kTension) = c.tension;
        results.at(i, col::kLengthChange) = c.lengthChange;
        results.at(i, col::kPointSag) = c.pointSag;
        results.at(i, col::kHorizontalSag) = c.horizontalSag;
        results.at(i, col::kVerticalSag) = c.verticalSag;
        results.at(i, col::kAngle) = c.angle;
        results.at(i, col::kIceThickness) = c.iceThickness;
        results.at(i, col::kLoadConstant) = c.loadConstant;
        const auto [ice, wind] = ShownNumbers(program, i);
        results.at(i, col::kShownIce) = ice;
        results.at(i, col::kShownWind) = wind;
    }
    results.at(0, col::kShownIce) = unit::kSmallLength;
    results.formats.at(col::kShownIce) = "##.00";
    results.formats.at(col::kShownWind) = "##.0";
}

}  // namespace cn3
