#include "line/line_file.h"

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "core/json_number.h"

namespace cn3::line {

namespace {

using Json = nlohmann::ordered_json;

// ---- Writing ----

Json LoadingJson(const LoadingRecord& r) {
    Json j;
    j["name"] = r.name;
    j["temperature_f"] = JsonFloat(r.temperature);
    j["ice_thickness_in"] = JsonFloat(r.iceThickness);
    j["wind_pressure_lb_per_ft2"] = JsonFloat(r.windPressure);
    j["load_constant_lb_per_ft"] = JsonFloat(r.loadConstant);
    return j;
}

Json WorksheetJson(const LineWorksheet& w) {
    Json j;
    j["cables"] = w.cables;
    j["bundle_diameter_in"] = JsonFloat(w.bundleDiameter);
    j["creep_fraction"] = JsonFloat(w.creep);
    j["installed_temperature_f"] = JsonFloat(w.installedTemperature);
    j["sag"] = {{"mode", w.sagPercent ? "percent" : "absolute"},
                {"value", w.sagPercent ? Json(w.sag) : JsonFloat(static_cast<float>(w.sag))}};
    j["district"] = w.selectedDistrict;
    j["user_loadings_drawn"] = w.userLoadingsDrawn;
    j["loadings"] = Json::array();
    for (const LoadingRecord& r : w.loadings) j["loadings"].push_back(LoadingJson(r));
    return j;
}

// ---- Reading ----

// A fault found at a field; caught once, at the top.
struct Fault {
    std::string field, reason;
};

[[noreturn]] void Fail(const std::string& field, std::string reason) {
    throw Fault{field, std::move(reason)};
}

std::string Member(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}

std::string Element(const std::string& path, std::size_t i) {
    return path + "[" + std::to_string(i) + "]";
}

const Json& Object(const Json& j, const std::string& path,
                   std::initializer_list<std::string_view> names) {
    if (!j.is_object()) Fail(path, "an object is needed");
    // A misspelt name would otherwise be dropped without a word.
    for (const auto& item : j.items()) {
        bool known = false;
        for (const auto name : names) known = known || item.key() == name;
        if (!known) Fail(Member(path, item.key()), "is not a name this file may hold");
    }
    return j;
}

const Json& Need(const Json& object, const std::string& path, std::string_view name) {
    const auto it = object.find(name);
    if (it == object.end()) Fail(Member(path, name), "is missing");
    return *it;
}

const Json& Array(const Json& j, const std::string& path) {
    if (!j.is_array()) Fail(path, "an array is needed");
    return j;
}

std::string String(const Json& j, const std::string& path) {
    if (!j.is_string()) Fail(path, "a text is needed");
    return j.get<std::string>();
}

double Number(const Json& j, const std::string& path) {
    if (!j.is_number()) Fail(path, "a number is needed");
    return j.get<double>();
}

enum class Range { Any, NotNegative, Positive };

float Float(const Json& j, const std::string& path, Range range = Range::Any) {
    const double v = Number(j, path);
    // Halfway between the largest float and the next power of two: beyond it a value rounds
    // to infinity. The largest float itself is written as 3.4028235e+38, a little above it.
    constexpr double kFloatLimit = 3.4028235677973366e+38;
    if (!(std::fabs(v) < kFloatLimit)) Fail(path, "the number is out of range");
    if (range == Range::NotNegative && v < 0.0) Fail(path, "must not be below 0");
    if (range == Range::Positive && !(v > 0.0)) Fail(path, "must be more than 0");
    return static_cast<float>(v);
}

int Integer(const Json& j, const std::string& path, int lowest, int highest) {
    if (!j.is_number_integer()) Fail(path, "a whole number is needed");
    const auto v = j.get<long long>();
    if (v < lowest || v > highest)
        Fail(path, "must be " + std::to_string(lowest) + " to " + std::to_string(highest));
    return static_cast<int>(v);
}

LoadingRecord ReadLoading(const Json& j, const std::string& path) {
    Object(j, path,
           {"name", "temperature_f", "ice_thickness_in", "wind_pressure_lb_per_ft2",
            "load_constant_lb_per_ft"});
    LoadingRecord r;
    r.name = LoadingName13(String(Need(j, path, "name"), Member(path, "name")));
    r.temperature = Float(Need(j, path, "temperature_f"), Member(path, "temperature_f"));
    r.iceThickness = Float(Need(j, path, "ice_thickness_in"), Member(path, "ice_thickness_in"),
                           Range::NotNegative);
    r.windPressure = Float(Need(j, path, "wind_pressure_lb_per_ft2"),
                           Member(path, "wind_pressure_lb_per_ft2"), Range::NotNegative);
    r.loadConstant =
        Float(Need(j, path, "load_constant_lb_per_ft"), Member(path, "load_constant_lb_per_ft"));
    return r;
}

LineWorksheet ReadWorksheet(const Json& j, const std::string& path) {
    Object(j, path,
           {"cables", "bundle_diameter_in", "creep_fraction", "installed_temperature_f", "sag",
            "district", "user_loadings_drawn", "loadings"});
    LineWorksheet w;
    const std::string cablesPath = Member(path, "cables");
    const Json& cables = Array(Need(j, path, "cables"), cablesPath);
    if (cables.empty()) Fail(cablesPath, "at least one cable is needed");
    for (std::size_t i = 0; i < cables.size(); ++i)
        w.cables.push_back(String(cables[i], Element(cablesPath, i)));
    w.bundleDiameter = Float(Need(j, path, "bundle_diameter_in"),
                             Member(path, "bundle_diameter_in"), Range::NotNegative);
    w.creep = Float(Need(j, path, "creep_fraction"), Member(path, "creep_fraction"));
    if (w.creep <= -1.0f) Fail(Member(path, "creep_fraction"), "must be more than -1");
    w.installedTemperature =
        Float(Need(j, path, "installed_temperature_f"), Member(path, "installed_temperature_f"));

    const std::string sagPath = Member(path, "sag");
    const Json& sag = Object(Need(j, path, "sag"), sagPath, {"mode", "value"});
    const std::string mode = String(Need(sag, sagPath, "mode"), Member(sagPath, "mode"));
    if (mode != "absolute" && mode != "percent")
        Fail(Member(sagPath, "mode"), "must be \"absolute\" or \"percent\"");
    w.sagPercent = mode == "percent";
    // A sag in feet is a float, as the worksheet reads it; a percentage is kept as typed.
    const float value =
        Float(Need(sag, sagPath, "value"), Member(sagPath, "value"), Range::Positive);
    w.sag = w.sagPercent ? Number(sag["value"], Member(sagPath, "value")) : double(value);

    w.selectedDistrict = Integer(Need(j, path, "district"), Member(path, "district"), 0, 2);
    w.userLoadingsDrawn =
        Integer(Need(j, path, "user_loadings_drawn"), Member(path, "user_loadings_drawn"), 0, 2);
    const std::string loadingsPath = Member(path, "loadings");
    const Json& loadings = Array(Need(j, path, "loadings"), loadingsPath);
    if (loadings.size() != w.loadings.size())
        Fail(loadingsPath, "seven loading records are needed");
    for (std::size_t i = 0; i < loadings.size(); ++i)
        w.loadings[i] = ReadLoading(loadings[i], Element(loadingsPath, i));
    return w;
}

Installation ReadInstallation(const Json& j, const std::string& path) {
    Object(j, path, {"method", "tension_lb"});
    const std::string method = String(Need(j, path, "method"), Member(path, "method"));
    Installation out;
    if (method == "worksheet_sag") {
        if (j.contains("tension_lb"))
            Fail(Member(path, "tension_lb"), "goes only with the method \"tension\"");
        return out;
    }
    if (method != "tension")
        Fail(Member(path, "method"), "must be \"worksheet_sag\" or \"tension\"");
    out.mode = Installation::Mode::Tension;
    out.tension = Float(Need(j, path, "tension_lb"), Member(path, "tension_lb"), Range::Positive);
    return out;
}

LineFile ReadDocument(const Json& doc) {
    Object(doc, "",
           {"format", "version", "default_clearance_ft", "installation", "worksheet", "poles",
            "spans"});
    if (String(Need(doc, "", "format"), "format") != kLineFormat)
        Fail("format", "is not \"" + std::string(kLineFormat) + "\": this is not a line file");
    const Json& version = Need(doc, "", "version");
    if (!version.is_number_integer() || version.get<long long>() != kLineVersion)
        Fail("version", "version " + version.dump() + " is not known; this program reads version " +
                            std::to_string(kLineVersion));

    LineFile file;
    PoleLine& line = file.line;
    line.defaultClearance =
        Float(Need(doc, "", "default_clearance_ft"), "default_clearance_ft", Range::NotNegative);
    line.installation = ReadInstallation(Need(doc, "", "installation"), "installation");
    file.worksheet = ReadWorksheet(Need(doc, "", "worksheet"), "worksheet");

    const Json& poles = Array(Need(doc, "", "poles"), "poles");
    if (poles.size() < 2) Fail("poles", "a line needs at least two poles");
    std::set<std::string> ids;
    for (std::size_t i = 0; i < poles.size(); ++i) {
        const std::string path = Element("poles", i);
        const Json& p =
            Object(poles[i], path, {"id", "ground_elevation_ft", "attachment_height_ft"});
        Pole pole;
        pole.id = String(Need(p, path, "id"), Member(path, "id"));
        if (pole.id.empty()) Fail(Member(path, "id"), "must not be empty");
        if (!ids.insert(pole.id).second)
            Fail(Member(path, "id"), "\"" + pole.id + "\" names an earlier pole too");
        pole.groundElevation =
            Float(Need(p, path, "ground_elevation_ft"), Member(path, "ground_elevation_ft"));
        pole.attachmentHeight = Float(Need(p, path, "attachment_height_ft"),
                                      Member(path, "attachment_height_ft"), Range::NotNegative);
        line.poles.push_back(std::move(pole));
    }

    const Json& spans = Array(Need(doc, "", "spans"), "spans");
    if (spans.size() != poles.size() - 1)
        Fail("spans", std::to_string(poles.size()) + " poles need " +
                          std::to_string(poles.size() - 1) + " spans, not " +
                          std::to_string(spans.size()));
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::string path = Element("spans", i);
        const Json& s = Object(spans[i], path, {"span_ft", "required_clearance_ft"});
        LineSpan span;
        span.length = Float(Need(s, path, "span_ft"), Member(path, "span_ft"), Range::Positive);
        if (const auto it = s.find("required_clearance_ft"); it != s.end())
            span.requiredClearance =
                Float(*it, Member(path, "required_clearance_ft"), Range::NotNegative);
        line.spans.push_back(span);
    }
    return file;
}

}  // namespace

std::string LineFileText(const LineFile& file) {
    const PoleLine& line = file.line;
    Json doc;
    doc["format"] = kLineFormat;
    doc["version"] = kLineVersion;
    doc["default_clearance_ft"] = JsonFloat(line.defaultClearance);
    if (line.installation.mode == Installation::Mode::Tension)
        doc["installation"] = {{"method", "tension"},
                               {"tension_lb", JsonFloat(line.installation.tension)}};
    else
        doc["installation"] = {{"method", "worksheet_sag"}};
    doc["worksheet"] = WorksheetJson(file.worksheet);
    doc["poles"] = Json::array();
    for (const Pole& p : line.poles)
        doc["poles"].push_back({{"id", p.id},
                                {"ground_elevation_ft", JsonFloat(p.groundElevation)},
                                {"attachment_height_ft", JsonFloat(p.attachmentHeight)}});
    doc["spans"] = Json::array();
    for (const LineSpan& s : line.spans) {
        Json span;
        span["span_ft"] = JsonFloat(s.length);
        if (s.requiredClearance) span["required_clearance_ft"] = JsonFloat(*s.requiredClearance);
        doc["spans"].push_back(std::move(span));
    }
    // Invalid UTF-8 in a pole name is written replaced rather than refused.
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<LineFile, InputFault> ParseLineFile(std::string_view text, const std::string& name) {
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: ..." without the tag;
        // a number too large for a double ("1E4444") is an out_of_range error of the parser.
        std::string reason = e.what();
        if (const auto tag = reason.find("] "); tag != std::string::npos) reason.erase(0, tag + 2);
        return InputFault{name, 0, {}, "not JSON: " + reason};
    }
    try {
        return ReadDocument(doc);
    } catch (const Fault& fault) {
        return InputFault{name, 0, fault.field, fault.reason};
    } catch (const Json::exception& e) {
        return InputFault{name, 0, {}, e.what()};
    }
}

std::variant<LineFile, InputFault> ReadLineFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return InputFault{path, 0, {}, "cannot be opened"};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ParseLineFile(bytes.str(), path);
}

std::optional<InputFault> WriteLineFile(const std::string& path, const LineFile& file) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = LineFileText(file);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) return InputFault{path, 0, {}, "could not be written"};
    return std::nullopt;
}

}  // namespace cn3::line
