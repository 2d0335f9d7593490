#include "line/line_tables.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"
#include "engine/chart_axis.h"
#include "engine/entry_notes.h"

namespace cn3::line {

namespace {

constexpr const char* kLengthPattern = "#,##0.00";
constexpr const char* kSagPattern = "#,##0.00";
constexpr const char* kMarginPattern = "+#,##0.00;-#,##0.00;0.00";
constexpr const char* kForcePattern = "#,##0";
constexpr const char* kUpliftPattern = "#,##0.0";

// A value in display units with its unit: "158.32 ft", "1,234 lbs".
std::string Quantity(const Units& units, int kind, float value, const char* pattern) {
    return units.toDisplay(kind, value, pattern) + " " + UnitText(units, kind);
}

std::string Number(const Units& units, int kind, float value, const char* pattern) {
    return units.toDisplay(kind, value, pattern);
}

// "(ft)": the unit of a column, for its heading.
std::string InUnit(const Units& units, int kind) {
    std::string text = "(";
    text += UnitText(units, kind);
    text += ')';
    return text;
}

std::string SpanName(const PoleLine& line, std::size_t i) {
    return line.poles.at(i).id + "-" + line.poles.at(i + 1).id;
}

// A condition's name as the display says it: the table temperatures in display units.
std::string ConditionText(const LineSolution& s, std::size_t i, const Units& units) {
    const LineCondition& c = s.conditions.at(i);
    switch (c.kind) {
        case LineCondition::Kind::Installed:
            return "Installed";
        case LineCondition::Kind::Temperature:
            return TemperatureText(units, c.temperature);
        case LineCondition::Kind::Loading:
            break;
    }
    return c.name;
}

// The poles at either end of the span that the strand pulls up.
std::vector<std::size_t> UpliftedEnds(const LineSolution& s, std::size_t span) {
    std::vector<std::size_t> poles;
    for (const std::size_t p : {span, span + 1})
        if (p < s.poles.size() && s.poles[p].uplift) poles.push_back(p);
    return poles;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += between;
        out += part;
    }
    return out;
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string LineHeadline(const PoleLine& /*line*/, const LineSolution& s, const Units& units) {
    return "Ruling span " + Quantity(units, unit::kLength, s.rulingSpan, kLengthPattern) +
           "   Line tension " +
           Quantity(units, unit::kForce, s.ruling.installed.tension, kForcePattern) + " at " +
           TemperatureText(units, s.ruling.inputs.installedTemperature);
}

std::size_t WorstLoading(const LineSolution& s) {
    std::size_t worst = 0;
    for (std::size_t c = 0; c < s.conditions.size(); ++c)
        if (s.conditions[c].kind == LineCondition::Kind::Loading &&
            (worst == 0 || s.conditions[c].rulingSag > s.conditions[worst].rulingSag))
            worst = c;
    return worst;
}

ShownTable SpanResultsTable(const PoleLine& line, const LineSolution& s, const Units& units) {
    const std::string len = InUnit(units, unit::kLength);
    const std::size_t worst = WorstLoading(s);
    const std::size_t hottest = std::min(s.hottest, s.conditions.size() - 1);
    ShownTable table;
    table.headings = {"Span",
                      "Length\n" + len,
                      "Installed\nsag " + len,
                      "Sag at\n" + ConditionText(s, hottest, units) + " " + len,
                      "Sag under\n" + ConditionText(s, worst, units) + " " + len,
                      "Lowest\nclearance " + len,
                      "Required\n" + len,
                      "Margin\n" + len,
                      "Governing\ncondition",
                      "Uplift",
                      "Check"};
    const float hotRulingSag = s.conditions.at(hottest).rulingSag;
    const float worstRulingSag = s.conditions.at(worst).rulingSag;
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        const bool low = !r.clearanceOk;
        std::vector<ShownCell> row;
        row.push_back({SpanName(line, i)});
        row.push_back({Number(units, unit::kLength, r.length, kLengthPattern)});
        row.push_back({Number(units, unit::kLength, r.installedSag, kSagPattern)});
        row.push_back({Number(units, unit::kLength, ScaledSag(hotRulingSag, r.length, s.rulingSpan),
                              kSagPattern)});
        row.push_back({Number(units, unit::kLength,
                              ScaledSag(worstRulingSag, r.length, s.rulingSpan), kSagPattern)});
        row.push_back(
            {Number(units, unit::kLength, r.lowest.height, kSagPattern) + (low ? " LOW" : ""),
             low});
        row.push_back({Number(units, unit::kLength, r.requiredClearance, kSagPattern)});
        row.push_back(
            {Number(units, unit::kLength, r.margin, kMarginPattern) + (low ? " SHORT" : ""), low});
        row.push_back({ConditionText(s, r.governing, units)});

        std::vector<std::string> uplifts, upliftChecks;
        for (const std::size_t p : UpliftedEnds(s, i)) {
            uplifts.push_back("UPLIFT " + line.poles[p].id + " " +
                              Quantity(units, unit::kForce, s.poles[p].upliftLoad, kUpliftPattern));
            upliftChecks.push_back("UPLIFT at " + line.poles[p].id);
        }
        row.push_back(
            {uplifts.empty() ? std::string("none") : Joined(uplifts, ", "), !uplifts.empty()});

        std::vector<std::string> checks;
        if (low)
            checks.push_back("TOO LOW by " +
                             Quantity(units, unit::kLength, -r.margin, kSagPattern));
        checks.insert(checks.end(), upliftChecks.begin(), upliftChecks.end());
        row.push_back({checks.empty() ? std::string("OK") : Joined(checks, ", "), !checks.empty()});
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool StringingTransposed(const PoleLine& line) {
    return line.spans.size() > kStringingSpansAcross;
}

std::string StringingLegend(const Units& units, float installedTemperature) {
    return "Sags in " + UnitText(units, unit::kLength) + " and the line tension in " +
           UnitText(units, unit::kForce) + " at each temperature;" + kInstalledMark +
           " marks the installed temperature, " + TemperatureText(units, installedTemperature) +
           ".";
}

ShownTable StringingTable(const PoleLine& line, const LineSolution& s, const Units& units,
                          float installedTemperature) {
    // The chart's temperatures, the installed one among them (on a step of the table, or put
    // in its place with the installed sags).
    struct Column {
        std::string heading;
        float tension = 0;
        std::vector<float> sags;
        bool installed = false;
    };
    std::vector<Column> temperatures;
    bool placed = false;
    const auto addInstalled = [&] {
        Column c{TemperatureText(units, installedTemperature) + kInstalledMark,
                 s.ruling.installed.tension,
                 {},
                 true};
        for (const SpanResult& r : s.spans) c.sags.push_back(r.installedSag);
        temperatures.push_back(std::move(c));
        placed = true;
    };
    for (std::size_t t = 0; t < s.ruling.temperatures.size(); ++t) {
        const TemperatureRow& row = s.ruling.temperatures[t];
        const auto degrees = static_cast<float>(row.temperature);
        if (!placed && installedTemperature < degrees) addInstalled();
        const bool installed = !placed && installedTemperature == degrees;
        Column c{TemperatureText(units, degrees) + (installed ? kInstalledMark : ""),
                 row.tension,
                 {},
                 installed};
        for (const SpanResult& r : s.spans) c.sags.push_back(r.stringing[t]);
        temperatures.push_back(std::move(c));
        placed = placed || installed;
    }
    if (!placed) addInstalled();

    const std::string force = InUnit(units, unit::kForce);
    ShownTable table;
    if (!StringingTransposed(line)) {
        table.headings = {"Temperature", "Tension\n" + force};
        for (std::size_t i = 0; i < s.spans.size(); ++i)
            table.headings.push_back(
                SpanName(line, i) + "\n" +
                Quantity(units, unit::kLength, s.spans[i].length, kLengthPattern));
        for (const Column& c : temperatures) {
            std::vector<ShownCell> row;
            row.push_back({c.heading, false, c.installed});
            row.push_back(
                {Number(units, unit::kForce, c.tension, kForcePattern), false, c.installed});
            for (const float sag : c.sags)
                row.push_back({Number(units, unit::kLength, sag, kSagPattern), false, c.installed});
            table.rows.push_back(std::move(row));
        }
        return table;
    }
    // Narrow temperature columns: the number over its unit.
    table.headings = {"Span", "Length\n" + InUnit(units, unit::kLength)};
    for (const Column& c : temperatures) {
        std::string heading = c.heading;
        heading[heading.find(' ')] = '\n';
        table.headings.push_back(std::move(heading));
    }
    std::vector<ShownCell> tension{{"Line tension " + force}, {""}};
    for (const Column& c : temperatures)
        tension.push_back(
            {Number(units, unit::kForce, c.tension, kForcePattern), false, c.installed});
    table.rows.push_back(std::move(tension));
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        std::vector<ShownCell> row{
            {SpanName(line, i)}, {Number(units, unit::kLength, s.spans[i].length, kLengthPattern)}};
        for (const Column& c : temperatures)
            row.push_back(
                {Number(units, unit::kLength, c.sags[i], kSagPattern), false, c.installed});
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<LineNote> LineNotes(const PoleLine& line, const LineSolution& s, const Units& units) {
    std::vector<LineNote> reasons;
    std::size_t low = 0, up = 0;
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        if (r.clearanceOk) continue;
        ++low;
        reasons.push_back(
            {"Span " + SpanName(line, i) + " is TOO LOW: its lowest clearance is " +
                 Quantity(units, unit::kLength, r.lowest.height, kSagPattern) + ", " +
                 Quantity(units, unit::kLength, r.lowest.x, kLengthPattern) + " from " +
                 line.poles[i].id + " (" + ConditionText(s, r.governing, units) + "), " +
                 Quantity(units, unit::kLength, -r.margin, kSagPattern) +
                 " short of the required " +
                 Quantity(units, unit::kLength, r.requiredClearance, kSagPattern) + ".",
             true});
    }
    for (std::size_t p = 0; p < s.poles.size(); ++p) {
        const PoleResult& r = s.poles[p];
        if (!r.uplift) continue;
        ++up;
        reasons.push_back({"Pole " + line.poles[p].id + " has UPLIFT at " +
                               ConditionText(s, s.coldest, units) + ": its weight span is " +
                               Quantity(units, unit::kLength, r.weightSpan, kLengthPattern) +
                               " and the strand pulls it up with " +
                               Quantity(units, unit::kForce, r.upliftLoad, kUpliftPattern) + ".",
                           true});
    }
    for (const Overload& o : s.overloads)
        reasons.push_back(
            {"The line tension " +
                 Quantity(units, unit::kForce, s.conditions[o.condition].tension, kForcePattern) +
                 " (" + ConditionText(s, o.condition, units) + ") is OVER the usable load of " +
                 Quantity(units, unit::kForce, s.usableLoad, kForcePattern) + " by " +
                 Quantity(units, unit::kForce, o.excess, kForcePattern) + ".",
             true});

    std::vector<LineNote> notes;
    if (reasons.empty()) {
        notes.push_back(
            {"The line passes: every span clears the ground as required and no pole "
             "is pulled up.",
             false});
    } else {
        std::vector<std::string> counts;
        if (low > 0) counts.push_back(Count(low, "span too low", "spans too low"));
        if (up > 0) counts.push_back(Count(up, "pole pulled up", "poles pulled up"));
        if (!s.overloads.empty()) counts.push_back("the tension over the usable load");
        notes.push_back({"The line FAILS: " + Joined(counts, ", ") + ".", true});
    }
    notes.insert(notes.end(), reasons.begin(), reasons.end());
    if (!s.rated)
        notes.push_back(
            {"The usable load is not checked: the support has no rated breaking "
             "strength.",
             false});
    else if (s.overloads.empty())
        notes.push_back(
            {"The line tension stays within the usable load (60 % of the rated "
             "strength) of " +
                 Quantity(units, unit::kForce, s.usableLoad, kForcePattern) +
                 " at every condition.",
             false});
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        if (!r.rulingSpanNote) continue;
        notes.push_back(
            {"Note - Span " + SpanName(line, i) + " (" +
                 Quantity(units, unit::kLength, r.length, kLengthPattern) + ") is " +
                 (r.length < s.rulingSpan ? "shorter than half" : "longer than 1.5 times") +
                 " the ruling span of " +
                 Quantity(units, unit::kLength, s.rulingSpan, kLengthPattern) +
                 "; the ruling-span assumption loses accuracy there.",
             false});
    }
    for (std::size_t i = 0; i < s.spans.size(); ++i)
        if (s.spans[i].length > kLongestSpan)
            notes.push_back({"Note - Span " + SpanName(line, i) + " (" +
                                 Quantity(units, unit::kLength, s.spans[i].length,
                                          kLengthPattern) +
                                 ") is beyond the aerial spans this worksheet is for (up to " +
                                 Quantity(units, unit::kLength, kLongestSpan, "#,##0") + ").",
                             false});
    return notes;
}

}  // namespace cn3::line
