#include "batch/results_formats.h"

#include <charconv>
#include <cmath>
#include <cstdio>

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

// The JSON writer: a small builder of members and values, written in order.
class Json {
  public:
    std::string text;

    void open(char bracket) {
        comma();
        text += bracket;
    }
    void close(char bracket) { text += bracket; }
    void key(std::string_view name) {
        comma();
        text += JsonString(name);
        text += ':';
    }
    void raw(std::string_view value) {
        comma();
        text += value;
    }
    void string(std::string_view value) { raw(JsonString(value)); }
    void number(float value) { raw(JsonNumber(value)); }
    void member(std::string_view name, float value) {
        key(name);
        number(value);
    }
    void member(std::string_view name, std::string_view value) {
        key(name);
        string(value);
    }
    void memberInt(std::string_view name, int value) {
        key(name);
        raw(std::to_string(value));
    }
    void memberBool(std::string_view name, bool value) {
        key(name);
        raw(value ? "true" : "false");
    }
    template <typename Range>
    void strings(std::string_view name, const Range& values) {
        key(name);
        open('[');
        for (const auto& v : values) string(v);
        close(']');
    }

  private:
    // A value or key after another one is separated from it.
    void comma() {
        if (!text.empty() && text.back() != '[' && text.back() != '{' && text.back() != ':')
            text += ',';
    }
};

// The solution's numbers, internal (English) units, under the names the README lists.
void WriteValues(Json& json, const SpanSolution& s) {
    json.key("values");
    json.open('{');
    json.member("span_ft", s.inputs.span);
    json.member("sag_ft", s.inputs.sag);
    json.member("point_distance_ft", s.inputs.pointDistance);
    json.member("clearance_ft", s.inputs.clearance);
    json.memberBool("clearance_given", s.clearanceGiven);
    json.member("creep_fraction", s.inputs.creep);
    json.member("installed_temperature_f", s.inputs.installedTemperature);
    json.member("bundle_diameter_in", s.bundleDiameter);
    json.memberInt("cables", s.cables.count);
    json.member("total_weight_lb_per_ft", s.cables.totalWeight);
    json.memberBool("integrated", s.cables.integrated);
    json.memberBool("drop", s.cables.drop);

    json.key("support");
    json.open('{');
    json.member("name", s.support.name);
    json.member("weight_lb_per_ft", s.support.weight);
    json.member("stiffness_lb", s.support.stiffness);
    json.member("breaking_strength_lb", s.support.breakingStrength);
    json.member("thermal_coefficient_per_f", s.support.thermalCoefficient);
    json.close('}');

    json.key("installed");
    json.open('{');
    json.member("tension_lb", s.installed.tension);
    json.member("cable_length_ft", s.installed.cableLength);
    json.member("stress_free_length_ft", s.installed.stressFree);
    json.member("usable_load_lb", s.installed.usableLoad);
    json.member("bare_sag_ft", s.installed.bareSag);
    json.member("bare_sag_percent", s.installed.barePercent);
    json.member("bare_tension_lb", s.installed.bareTension);
    json.close('}');

    json.key("temperature");
    json.open('[');
    for (const TemperatureRow& t : s.temperatures) {
        json.open('{');
        json.memberInt("temperature_f", t.temperature);
        json.member("sag_ft", t.sag);
        json.member("tension_lb", t.tension);
        json.member("length_change_percent", t.lengthChange);
        json.key("clearance_ft");
        if (s.clearanceGiven)
            json.number(t.clearance);
        else
            json.raw("null");
        json.close('}');
    }
    json.close(']');

    json.key("conditions");
    json.open('[');
    int number = 1;
    for (const LoadingCondition& c : s.conditions) {
        json.open('{');
        json.memberInt("condition", number++);
        json.memberInt("record", c.record);
        json.member("temperature_f", c.temperature);
        json.member("ice_load_lb_per_ft", c.iceLoad);
        json.member("wind_pressure_lb_per_ft2", c.windPressure);
        json.member("resultant_lb_per_ft", c.resultant);
        json.member("sag_ft", c.sag);
        json.member("tension_lb", c.tension);
        json.member("length_change_percent", c.lengthChange);
        json.member("point_sag_ft", c.pointSag);
        json.member("horizontal_sag_ft", c.horizontalSag);
        json.member("vertical_sag_ft", c.verticalSag);
        json.member("angle_deg", c.angle);
        json.member("ice_thickness_in", c.iceThickness);
        json.member("load_constant_lb_per_ft", c.loadConstant);
        json.close('}');
    }
    json.close(']');
    json.close('}');
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
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end.ptr);
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string JsonOf(const std::vector<SpanOutcome>& outcomes) {
    Json json;
    json.open('[');
    for (const SpanOutcome& outcome : outcomes) {
        json.open('{');
        json.member("file", outcome.file);
        json.strings("messages", outcome.messages);
        if (!outcome.results) {
            json.key("units");
            json.raw("null");
            json.key("results");
            json.raw("null");
            json.close('}');
            continue;
        }
        const SpanResults& shown = *outcome.results;
        json.member("units", shown.metric ? "metric" : "english");
        json.strings("results", shown.results);
        json.strings("temperature_headings", shown.temperatureHeadings);
        json.key("temperature");
        json.open('[');
        for (const auto& row : shown.temperature) {
            json.open('[');
            for (const auto& cell : row) json.string(cell);
            json.close(']');
        }
        json.close(']');
        json.key("nesc");
        json.open('[');
        for (const auto& row : shown.nesc) {
            json.open('{');
            json.memberInt("condition", row.condition);
            json.member("label", row.label);
            json.strings("cells", row.cells);
            json.close('}');
        }
        json.close(']');
        if (shown.solution) WriteValues(json, *shown.solution);
        json.close('}');
    }
    json.close(']');
    json.text += '\n';
    return json.text;
}

}  // namespace cn3::batch
