#include "line/worksheet_notes.h"

#include <array>
#include <vector>

#include "core/number_format.h"
#include "engine/chart_axis.h"
#include "line/display_value.h"

namespace cn3::line {

namespace {

std::string Cables(const LineWorksheet& w) {
    std::string out;
    for (const std::string& name : w.cables) out += (out.empty() ? "" : ", ") + name;
    return out;
}

std::string Sag(const LineWorksheet& w, const Units& units) {
    if (w.sagPercent) return FormatNumber(w.sag, "0.###") + " %";
    return DisplayValueText(units, unit::kLength, static_cast<float>(w.sag)) + " " +
           UnitText(units, unit::kLength);
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : "; ") + part;
    return out;
}

}  // namespace

std::string WorksheetSummary(const LineWorksheet& w, const Units& units) {
    return Cables(w) + "; installed at " + TemperatureText(units, w.installedTemperature) +
           "; sag " + Sag(w, units);
}

std::string WorksheetDifferences(const LineWorksheet& file, const LineWorksheet& inUse,
                                 const Units& units) {
    constexpr std::array<const char*, 3> kDistricts = {"Heavy", "Medium", "Light"};
    std::vector<std::string> out;
    if (file.cables != inUse.cables) out.push_back("cables " + Cables(file));
    if (file.bundleDiameter != inUse.bundleDiameter)
        out.push_back("bundle diameter " +
                      DisplayValueText(units, unit::kSmallLength, file.bundleDiameter) + " " +
                      UnitText(units, unit::kSmallLength));
    if (file.creep != inUse.creep)
        out.push_back("creep " + FormatNumber(static_cast<double>(file.creep), "0.####"));
    if (file.installedTemperature != inUse.installedTemperature)
        out.push_back("installed at " + TemperatureText(units, file.installedTemperature));
    if (file.sagPercent != inUse.sagPercent || file.sag != inUse.sag)
        out.push_back("sag " + Sag(file, units));
    if (file.selectedDistrict != inUse.selectedDistrict)
        out.push_back(std::string(kDistricts.at(static_cast<size_t>(file.selectedDistrict))) +
                      " loading district");
    if (file.userLoadingsDrawn != inUse.userLoadingsDrawn)
        out.push_back(std::to_string(file.userLoadingsDrawn) + " user loadings drawn");
    std::vector<std::string> loadings;
    for (std::size_t i = 0; i < file.loadings.size(); ++i)
        if (!(file.loadings[i] == inUse.loadings[i])) {
            std::string name = file.loadings[i].name;
            while (!name.empty() && name.back() == ' ') name.pop_back();
            loadings.push_back(name);
        }
    if (!loadings.empty()) {
        std::string names;
        for (const std::string& name : loadings) names += (names.empty() ? "" : ", ") + name;
        out.push_back("other values of the loadings " + names);
    }
    return Joined(out);
}

}  // namespace cn3::line
