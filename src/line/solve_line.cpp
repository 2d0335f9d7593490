#include "line/solve_line.h"

#include <algorithm>
#include <cmath>

#include "engine/results_notes.h"
#include "engine/solver.h"
#include "line/line_worksheet.h"

namespace cn3::line {

namespace {

std::string NoLineText(const SolveStopped& stop) {
    const std::string stale = StaleResultsText(stop);
    const std::size_t colon = stale.find(": ");
    return "No line results: " + (colon == std::string::npos ? stale : stale.substr(colon + 2));
}

// What the solver cannot be given: a line that is not a run of positive spans between poles.
std::string LineFault(const PoleLine& line) {
    if (line.poles.size() < 2) return "a line needs at least two poles";
    if (line.spans.size() != line.poles.size() - 1)
        return "a line of " + std::to_string(line.poles.size()) + " poles has " +
               std::to_string(line.poles.size() - 1) + " spans";
    for (const LineSpan& span : line.spans)
        if (!(span.length > 0.0f) || !std::isfinite(span.length))
            return "every span must be longer than 0 ft";
    if (line.installation.mode == Installation::Mode::Tension &&
        (!(line.installation.tension > 0.0f) || !std::isfinite(line.installation.tension)))
        return "the installed tension must be more than 0 lb";
    return {};
}

std::vector<LineCondition> Conditions(const SpanSolution& s, const LineWorksheet& worksheet) {
    std::vector<LineCondition> out;
    out.push_back({LineCondition::Kind::Installed, "installed", s.inputs.installedTemperature,
                   s.installed.tension, s.inputs.sag, 0});
    for (const TemperatureRow& t : s.temperatures)
        out.push_back({LineCondition::Kind::Temperature, std::to_string(t.temperature) + " F",
                       static_cast<float>(t.temperature), t.tension, t.sag, 0});
    for (const int row : DrawnRows(worksheet)) {
        const LoadingCondition& c = s.conditions.at(static_cast<size_t>(row - 1));
        // Under wind the strand swings out; its clearance is that of the vertical sag.
        out.push_back({LineCondition::Kind::Loading, ConditionLabel(worksheet, row), c.temperature,
                       c.tension, c.verticalSag, row});
    }
    return out;
}

bool ChecksClearance(const LineCondition& c, std::size_t index, std::size_t hottest) {
    return c.kind != LineCondition::Kind::Temperature || index == hottest;
}

}  // namespace

bool LineSolution::passes() const {
    if (!overloads.empty()) return false;
    for (const SpanResult& s : spans)
        if (!s.clearanceOk) return false;
    for (const PoleResult& p : poles)
        if (p.uplift) return false;
    return true;
}

float InstalledRulingSag(const Installation& installation, const LineWorksheet& worksheet,
                         float totalWeight, float rulingSpan) {
    if (installation.mode == Installation::Mode::Tension)
        // w RS^2 / (8 H) is the tension formula with sag and tension exchanged.
        return ParabolicTension(totalWeight, rulingSpan, installation.tension);
    if (worksheet.sagPercent) return static_cast<float>(worksheet.sag * double(rulingSpan) / 100.0);
    return static_cast<float>(worksheet.sag);
}

std::variant<LineSolution, std::string> SolveLine(const PoleLine& line,
                                                  const LineWorksheet& worksheet,
                                                  const SpanProblem& base) {
    if (std::string fault = LineFault(line); !fault.empty())
        return "No line results: " + fault + ".";

    LineSolution out;
    std::vector<float> lengths;
    lengths.reserve(line.spans.size());
    for (const LineSpan& span : line.spans) lengths.push_back(span.length);
    const float RS = RulingSpan(lengths);
    out.rulingSpan = RS;

    SpanProblem problem = base;
    problem.inputs.span = RS;
    problem.inputs.sag =
        InstalledRulingSag(line.installation, worksheet, base.cables.totalWeight, RS);
    auto solved = SolveSpan(problem);
    if (const auto* stopped = std::get_if<SolveStopped>(&solved)) return NoLineText(*stopped);
    out.ruling = std::move(std::get<SpanSolution>(solved));
    const SpanSolution& s = out.ruling;

    out.conditions = Conditions(s, worksheet);
    out.rated = s.support.breakingStrength > 0.0f;
    out.usableLoad = s.installed.usableLoad;
    if (out.rated)
        for (std::size_t i = 0; i < out.conditions.size(); ++i)
            if (out.conditions[i].tension > out.usableLoad)
                out.overloads.push_back({i, out.conditions[i].tension - out.usableLoad});

    const std::size_t n = line.spans.size();
    out.spans.resize(n);
    std::vector<float> lowPoints(n);
    const float coldSag = out.conditions[out.coldest].rulingSag;
    for (std::size_t i = 0; i < n; ++i) {
        SpanResult& r = out.spans[i];
        const Pole &a = line.poles[i], &b = line.poles[i + 1];
        const float L = line.spans[i].length;
        r.length = L;
        r.requiredClearance = line.requiredClearance(i);
        r.installedSag = ScaledSag(s.inputs.sag, L, RS);
        r.installed = MinimumClearance(a.attachmentHeight, b.attachmentHeight, r.installedSag, L);
        r.lowest = r.installed;
        for (std::size_t c = 1; c < out.conditions.size(); ++c) {
            if (!ChecksClearance(out.conditions[c], c, out.hottest)) continue;
            const LowestClearance at =
                MinimumClearance(a.attachmentHeight, b.attachmentHeight,
                                 ScaledSag(out.conditions[c].rulingSag, L, RS), L);
            if (at.height < r.lowest.height) {
                r.lowest = at;
                r.governing = c;
            }
        }
        r.margin = r.lowest.height - r.requiredClearance;
        r.clearanceOk = r.margin >= 0.0f;
        r.rulingSpanNote = L < 0.5f * RS || L > 1.5f * RS;
        for (std::size_t t = 0; t < r.stringing.size(); ++t)
            r.stringing[t] = ScaledSag(s.temperatures[t].sag, L, RS);
        lowPoints[i] =
            LowPoint(a.groundElevation + a.attachmentHeight, b.groundElevation + b.attachmentHeight,
                     ScaledSag(coldSag, L, RS), L);
    }

    // A pole carries the strand from each neighbouring span's low point to itself.
    out.poles.resize(line.poles.size());
    for (std::size_t p = 0; p < out.poles.size(); ++p) {
        double weightSpan = 0.0;
        if (p > 0) weightSpan += double(line.spans[p - 1].length) - double(lowPoints[p - 1]);
        if (p < n) weightSpan += double(lowPoints[p]);
        PoleResult& r = out.poles[p];
        r.weightSpan = static_cast<float>(weightSpan);
        r.uplift = r.weightSpan < 0.0f;
        if (r.uplift) r.upliftLoad = static_cast<float>(-weightSpan * double(s.cables.totalWeight));
    }
    return out;
}

}  // namespace cn3::line
