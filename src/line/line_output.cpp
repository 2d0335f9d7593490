#include "line/line_output.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/json_number.h"

namespace cn3::line {

namespace {

using Json = nlohmann::ordered_json;

std::string Fixed(float value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, double(value));
    return buffer;
}

std::string Feet(float value) {
    return Fixed(value, 2);
}

std::string Pounds(float value) {
    return Fixed(value, 0);
}

std::string SpanName(const PoleLine& line, std::size_t i) {
    return line.poles[i].id + "-" + line.poles[i + 1].id;
}

const std::string& ConditionName(const LineSolution& s, std::size_t i) {
    return s.conditions.at(i).name;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos &&
        (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::vector<std::string> RulingSpanNotes(const PoleLine& line, const LineSolution& solution) {
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < solution.spans.size(); ++i) {
        const SpanResult& s = solution.spans[i];
        if (!s.rulingSpanNote) continue;
        notes.push_back(
            "Note - Span " + SpanName(line, i) + " (" + Feet(s.length) + " ft) is " +
            (s.length < solution.rulingSpan ? "shorter than half" : "longer than 1.5 times") +
            " the ruling span of " + Feet(solution.rulingSpan) +
            " ft; the ruling-span assumption loses accuracy there.");
    }
    return notes;
}

std::vector<std::string> FailureReasons(const PoleLine& line, const LineSolution& solution) {
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < solution.spans.size(); ++i) {
        const SpanResult& s = solution.spans[i];
        if (s.clearanceOk) continue;
        reasons.push_back("Span " + SpanName(line, i) + ": the lowest clearance is " +
                          Feet(s.lowest.height) + " ft, " + Feet(s.lowest.x) + " ft from " +
                          line.poles[i].id + " (" + ConditionName(solution, s.governing) + "), " +
                          Feet(-s.margin) + " ft short of the required " +
                          Feet(s.requiredClearance) + " ft.");
    }
    for (std::size_t p = 0; p < solution.poles.size(); ++p) {
        const PoleResult& r = solution.poles[p];
        if (!r.uplift) continue;
        reasons.push_back("Pole " + line.poles[p].id + ": uplift at " +
                          ConditionName(solution, solution.coldest) + ": the weight span is " +
                          Feet(r.weightSpan) + " ft, the strand pulls it up with " +
                          Fixed(r.upliftLoad, 1) + " lb.");
    }
    for (const Overload& o : solution.overloads)
        reasons.push_back("The line tension " + Pounds(solution.conditions[o.condition].tension) +
                          " lb (" + ConditionName(solution, o.condition) +
                          ") is over the usable load of " + Pounds(solution.usableLoad) +
                          " lb by " + Pounds(o.excess) + " lb.");
    return reasons;
}

std::string LineText(const PoleLine& line, const LineSolution& s) {
    std::string out;
    out += "Ruling span: " + Feet(s.rulingSpan) + " ft\n";
    out += "Installed tension: " + Pounds(s.ruling.installed.tension) + " lb at " +
           Fixed(s.ruling.inputs.installedTemperature, 0) + " F\n";
    out += s.rated ? "Usable load (60 % of rated strength): " + Pounds(s.usableLoad) + " lb\n"
                   : std::string("Usable load: the support has no rated breaking strength\n");
    out += "-- spans\n";
    out +=
        "span\tlength ft\tinstalled sag ft\ttension lb\tinstalled clearance ft\t"
        "lowest clearance ft\tat ft\tcondition\trequired ft\tmargin ft\tclearance\n";
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        out += SpanName(line, i) + '\t' + Feet(r.length) + '\t' + Feet(r.installedSag) + '\t' +
               Pounds(s.ruling.installed.tension) + '\t' + Feet(r.installed.height) + '\t' +
               Feet(r.lowest.height) + '\t' + Feet(r.lowest.x) + '\t' +
               ConditionName(s, r.governing) + '\t' + Feet(r.requiredClearance) + '\t' +
               Feet(r.margin) + '\t' + (r.clearanceOk ? "ok" : "TOO LOW") + '\n';
    }
    for (const auto& note : RulingSpanNotes(line, s)) out += note + '\n';
    out += "-- poles (weight spans at " + ConditionName(s, s.coldest) + ")\n";
    out += "pole\tweight span ft\tuplift\n";
    for (std::size_t p = 0; p < s.poles.size(); ++p) {
        const PoleResult& r = s.poles[p];
        out += line.poles[p].id + '\t' + Feet(r.weightSpan) + '\t' +
               (r.uplift ? "UPLIFT " + Fixed(r.upliftLoad, 1) + " lb" : std::string("none")) + '\n';
    }
    out += "-- stringing chart (sag ft)\n";
    out += "temperature F\ttension lb";
    for (std::size_t i = 0; i < s.spans.size(); ++i) out += '\t' + SpanName(line, i);
    out += '\n';
    for (std::size_t t = 0; t < s.ruling.temperatures.size(); ++t) {
        const TemperatureRow& row = s.ruling.temperatures[t];
        out += std::to_string(row.temperature) + '\t' + Pounds(row.tension);
        for (const SpanResult& r : s.spans) out += '\t' + Feet(r.stringing[t]);
        out += '\n';
    }
    out += "-- usable load\n";
    if (!s.rated)
        out += "not checked: the support has no rated breaking strength\n";
    else if (s.overloads.empty())
        out += "every condition within " + Pounds(s.usableLoad) + " lb\n";
    else
        for (const Overload& o : s.overloads)
            out += ConditionName(s, o.condition) + '\t' +
                   Pounds(s.conditions[o.condition].tension) + " lb\tover by " + Pounds(o.excess) +
                   " lb\n";
    return out;
}

std::string LineCsv(const PoleLine& line, const LineSolution& s) {
    std::string out = "section,from,to,name,value\n";
    const auto record = [&](std::string_view section, const std::string& from,
                            const std::string& to, const std::string& name,
                            const std::string& value) {
        out += std::string(section) + ',' + CsvField(from) + ',' + CsvField(to) + ',' +
               CsvField(name) + ',' + CsvField(value) + '\n';
    };
    const auto number = [](float v) { return ShortestDecimal(v); };
    const auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    record("line", "", "", "ruling_span_ft", number(s.rulingSpan));
    record("line", "", "", "tension_installed_lb", number(s.ruling.installed.tension));
    record("line", "", "", "usable_load_lb", s.rated ? number(s.usableLoad) : "");
    for (std::size_t c = 0; c < s.conditions.size(); ++c) {
        record("condition", s.conditions[c].name, "", "tension_lb",
               number(s.conditions[c].tension));
        bool over = false;
        for (const Overload& o : s.overloads) over = over || o.condition == c;
        record("condition", s.conditions[c].name, "", "over_usable_load", flag(over));
    }
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        const std::string &a = line.poles[i].id, &b = line.poles[i + 1].id;
        record("span", a, b, "span_ft", number(r.length));
        record("span", a, b, "sag_installed_ft", number(r.installedSag));
        record("span", a, b, "clearance_installed_ft", number(r.installed.height));
        record("span", a, b, "min_clearance_ft", number(r.lowest.height));
        record("span", a, b, "min_clearance_at_ft", number(r.lowest.x));
        record("span", a, b, "governing_condition", ConditionName(s, r.governing));
        record("span", a, b, "required_clearance_ft", number(r.requiredClearance));
        record("span", a, b, "margin_ft", number(r.margin));
        record("span", a, b, "clearance_ok", flag(r.clearanceOk));
        record("span", a, b, "ruling_span_note", flag(r.rulingSpanNote));
        for (std::size_t t = 0; t < r.stringing.size(); ++t)
            record("stringing", a, b, std::to_string(s.ruling.temperatures[t].temperature),
                   number(r.stringing[t]));
    }
    for (std::size_t p = 0; p < s.poles.size(); ++p) {
        const PoleResult& r = s.poles[p];
        record("pole", line.poles[p].id, "", "weight_span_ft", number(r.weightSpan));
        record("pole", line.poles[p].id, "", "uplift", flag(r.uplift));
        record("pole", line.poles[p].id, "", "uplift_lb", number(r.upliftLoad));
    }
    return out;
}

std::string LineJson(const PoleLine& line, const LineSolution& s) {
    Json doc;
    doc["ruling_span_ft"] = JsonFloat(s.rulingSpan);
    doc["tension_installed_lb"] = JsonFloat(s.ruling.installed.tension);
    doc["installed_temperature_f"] = JsonFloat(s.ruling.inputs.installedTemperature);
    doc["usable_load_lb"] = s.rated ? JsonFloat(s.usableLoad) : Json(nullptr);
    doc["passes"] = s.passes();
    doc["conditions"] = Json::array();
    for (std::size_t c = 0; c < s.conditions.size(); ++c) {
        bool over = false;
        for (const Overload& o : s.overloads) over = over || o.condition == c;
        doc["conditions"].push_back({{"name", s.conditions[c].name},
                                     {"temperature_f", JsonFloat(s.conditions[c].temperature)},
                                     {"tension_lb", JsonFloat(s.conditions[c].tension)},
                                     {"over_usable_load", over}});
    }
    doc["poles"] = Json::array();
    for (std::size_t p = 0; p < s.poles.size(); ++p) {
        const PoleResult& r = s.poles[p];
        doc["poles"].push_back({{"id", line.poles[p].id},
                                {"weight_span_ft", JsonFloat(r.weightSpan)},
                                {"uplift", r.uplift},
                                {"uplift_lb", JsonFloat(r.upliftLoad)}});
    }
    doc["spans"] = Json::array();
    for (std::size_t i = 0; i < s.spans.size(); ++i) {
        const SpanResult& r = s.spans[i];
        Json span;
        span["from"] = line.poles[i].id;
        span["to"] = line.poles[i + 1].id;
        span["span_ft"] = JsonFloat(r.length);
        span["sag_installed_ft"] = JsonFloat(r.installedSag);
        span["clearance_installed_ft"] = JsonFloat(r.installed.height);
        span["min_clearance_ft"] = JsonFloat(r.lowest.height);
        span["min_clearance_at_ft"] = JsonFloat(r.lowest.x);
        span["governing_condition"] = ConditionName(s, r.governing);
        span["required_clearance_ft"] = JsonFloat(r.requiredClearance);
        span["margin_ft"] = JsonFloat(r.margin);
        span["clearance_ok"] = r.clearanceOk;
        span["ruling_span_note"] = r.rulingSpanNote;
        span["stringing"] = Json::array();
        for (std::size_t t = 0; t < r.stringing.size(); ++t)
            span["stringing"].push_back(
                {{"temperature_f", s.ruling.temperatures[t].temperature},
                 {"sag_ft", JsonFloat(r.stringing[t])},
                 {"tension_lb", JsonFloat(s.ruling.temperatures[t].tension)}});
        doc["spans"].push_back(std::move(span));
    }
    return doc.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace cn3::line
