#include "batch/results_formats.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/json_number.h"

namespace cn3::batch {

namespace {

void AppendJoined(std::string& out, const auto& cells, char separator) {
    bool first = true;
    for (const auto& cell : cells) {
        if (!first) out += separator;
        out += cell;
        first = false;
    }
}

using Json = nlohmann::ordered_json;

// The solution's numbers, internal (English) units, under the names the README lists.
Json Values(const SpanSolution& s) {
    Json v;
    v["span_ft"] = JsonFloat(s.inputs.span);
    v["sag_ft"] = JsonFloat(s.inputs.sag);
    v["point_distance_ft"] = JsonFloat(s.inputs.pointDistance);
    v["clearance_ft"] = JsonFloat(s.inputs.clearance);
    v["clearance_given"] = s.clearanceGiven;
    v["creep_fraction"] = JsonFloat(s.inputs.creep);
    v["installed_temperature_f"] = JsonFloat(s.inputs.installedTemperature);
    v["bundle_diameter_in"] = JsonFloat(s.bundleDiameter);
    v["cables"] = s.cables.count;
    v["total_weight_lb_per_ft"] = JsonFloat(s.cables.totalWeight);
    v["integrated"] = s.cables.integrated;
    v["drop"] = s.cables.drop;

    Json& support = v["support"];
    support["name"] = s.support.name;
    support["weight_lb_per_ft"] = JsonFloat(s.support.weight);
    support["stiffness_lb"] = JsonFloat(s.support.stiffness);
    support["breaking_strength_lb"] = JsonFloat(s.support.breakingStrength);
    support["thermal_coefficient_per_f"] = JsonFloat(s.support.thermalCoefficient);

    Json& installed = v["installed"];
    installed["tension_lb"] = JsonFloat(s.installed.tension);
    installed["cable_length_ft"] = JsonFloat(s.installed.cableLength);
    installed["stress_free_length_ft"] = JsonFloat(s.installed.stressFree);
    installed["usable_load_lb"] = JsonFloat(s.installed.usableLoad);
    installed["bare_sag_ft"] = JsonFloat(s.installed.bareSag);
    installed["bare_sag_percent"] = JsonFloat(s.installed.barePercent);
    installed["bare_tension_lb"] = JsonFloat(s.installed.bareTension);

    Json& temperature = v["temperature"] = Json::array();
    for (const TemperatureRow& t : s.temperatures)
        temperature.push_back(
            {{"temperature_f", t.temperature},
             {"sag_ft", JsonFloat(t.sag)},
             {"tension_lb", JsonFloat(t.tension)},
             {"length_change_percent", JsonFloat(t.lengthChange)},
             {"clearance_ft", s.clearanceGiven ? JsonFloat(t.clearance) : Json()}});

    Json& conditions = v["conditions"] = Json::array();
    int number = 1;
    for (const LoadingCondition& c : s.conditions) {
        Json o;
        o["condition"] = number++;
        o["record"] = c.record;
        o["temperature_f"] = JsonFloat(c.temperature);
        o["ice_load_lb_per_ft"] = JsonFloat(c.iceLoad);
        o["wind_pressure_lb_per_ft2"] = JsonFloat(c.windPressure);
        o["resultant_lb_per_ft"] = JsonFloat(c.resultant);
        o["sag_ft"] = JsonFloat(c.sag);
        o["tension_lb"] = JsonFloat(c.tension);
        o["length_change_percent"] = JsonFloat(c.lengthChange);
        o["point_sag_ft"] = JsonFloat(c.pointSag);
        o["horizontal_sag_ft"] = JsonFloat(c.horizontalSag);
        o["vertical_sag_ft"] = JsonFloat(c.verticalSag);
        o["angle_deg"] = JsonFloat(c.angle);
        o["ice_thickness_in"] = JsonFloat(c.iceThickness);
        o["load_constant_lb_per_ft"] = JsonFloat(c.loadConstant);
        conditions.push_back(std::move(o));
    }
    return v;
}

// Texts that are not valid UTF-8 (a span file's name or notes) are written with U+FFFD in
// place of the broken bytes, so that the output stays JSON.
std::string Dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::optional<Format> FormatNamed(std::string_view word) {
    if (word == "text") return Format::Text;
    if (word == "csv") return Format::Csv;
    if (word == "json") return Format::Json;
    return std::nullopt;
}

std::string TerminalText(std::string_view text, bool oneLine) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (oneLine && (c == '\r' || c == '\n')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += ' ';
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            ++i;  // a C1 control, two bytes in UTF-8
            out += '?';
        } else if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F) {
            out += '?';
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string TextOf(const SpanOutcome& outcome) {
    std::string out = "== ";
    out += outcome.file;
    out += '\n';
    if (!outcome.results) return out;
    const SpanResults& shown = *outcome.results;
    for (const auto& line : shown.results) {
        out += line;
        out += '\n';
    }
    out += "-- temperature\n";
    for (const auto& row : shown.temperature) {
        AppendJoined(out, row, '\t');
        out += '\n';
    }
    out += "-- nesc\n";
    for (const auto& row : shown.nesc) {
        out += row.label;
        for (const auto& cell : row.cells) {
            out += '\t';
            out += cell;
        }
        out += '\n';
    }
    return out;
}

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string CsvHeader() {
    return "file,section,row,values\n";
}

std::string CsvOf(const SpanOutcome& outcome) {
    if (!outcome.results) return {};
    const SpanResults& shown = *outcome.results;
    const std::string file = CsvField(outcome.file);
    std::string out;
    const auto record = [&](std::string_view section, int row) {
        out += file;
        out += ',';
        out += section;
        out += ',';
        out += std::to_string(row);
    };
    int n = 0;
    for (const auto& line : shown.results) {
        record("results", ++n);
        out += ',';
        out += CsvField(line);
        out += '\n';
    }
    n = 0;
    for (const auto& row : shown.temperature) {
        record("temperature", ++n);
        for (const auto& cell : row) {
            out += ',';
            out += CsvField(cell);
        }
        out += '\n';
    }
    for (const auto& row : shown.nesc) {
        record("nesc", row.condition);
        out += ',';
        out += CsvField(row.label);
        for (const auto& cell : row.cells) {
            out += ',';
            out += CsvField(cell);
        }
        out += '\n';
    }
    return out;
}

std::string JsonNumber(float value) {
    if (!std::isfinite(value)) return "null";
    return ShortestDecimal(value);
}

std::string JsonString(std::string_view text) {
    return Dump(Json(std::string(text)));
}

std::string JsonOf(const std::vector<SpanOutcome>& outcomes) {
    Json all = Json::array();
    for (const SpanOutcome& outcome : outcomes) {
        Json o;
        o["file"] = outcome.file;
        o["messages"] = outcome.messages;
        if (!outcome.results) {
            o["units"] = nullptr;
            o["results"] = nullptr;
            all.push_back(std::move(o));
            continue;
        }
        const SpanResults& shown = *outcome.results;
        o["units"] = shown.metric ? "metric" : "english";
        o["results"] = shown.results;
        o["temperature_headings"] = shown.temperatureHeadings;
        o["temperature"] = shown.temperature;
        Json& nesc = o["nesc"] = Json::array();
        for (const auto& row : shown.nesc)
            nesc.push_back(
                {{"condition", row.condition}, {"label", row.label}, {"cells", row.cells}});
        if (shown.solution) o["values"] = Values(*shown.solution);
        all.push_back(std::move(o));
    }
    return Dump(all) + "\n";
}

}  // namespace cn3::batch
