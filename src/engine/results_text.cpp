#include "engine/results_text.h"

#include "core/cable_table.h"
#include "core/number_format.h"

namespace cn3 {

namespace {

struct Lines {
    const Units& units;
    std::string text;

    void add(std::string_view line) {
        text += kHeaderBreak;
        text += line;
    }
    // A value in display units followed by its unit label.
    std::string quantity(float value, int kind, std::string_view pattern) const {
        return units.toDisplay(kind, value, pattern) + units.label(kind);
    }
    // Sags are also given in inches on English display: "  (36.0 in)".
    std::string inchNote(float sagFeet) const {
        if (units.metricUnits != 0) return {};
        return "  (" + FormatNumber(static_cast<double>(sagFeet * 12.0f), "###.0") + " in)";
    }
};

}  // namespace

std::string ResultsText(const Units& units, const SpanSolution& solution) {
    const auto& in = solution.inputs;
    const auto& st = solution.installed;
    const bool integrated = solution.cables.integrated;
    const bool drop = solution.cables.drop;
    const float maxLoad = solution.support.breakingStrength;

    Lines out{units, {}};
    out.add("Span Length = " + out.quantity(in.span, unit::kLength, "#,###.00 "));
    out.add("Span Sag = " + out.quantity(in.sag, unit::kLength, "##.00 ") + out.inchNote(in.sag));
    out.add("Span Tension = " + out.quantity(st.tension, unit::kForce, "##,### "));
    out.add("         Max Load = " + out.quantity(maxLoad, unit::kForce, "##,### "));
    if (!integrated)
        out.add("             Usable load (60%) = " +
                out.quantity(st.usableLoad, unit::kForce, "##,### "));
    out.add("Catenary Length = " + out.quantity(st.cableLength, unit::kLength, "####.000 "));
    if (!integrated) {
        out.add("Stress Free Length @");
        out.add("      Installed Temperature = " +
                out.quantity(st.stressFree, unit::kLength, "####.000 "));
    }
    if (!integrated && !drop) {
        out.add("");
        out.add("Unloaded Strand");
        out.add("     Sag = " + out.quantity(st.bareSag, unit::kLength, "##.00 ") +
                out.inchNote(st.bareSag) + "    " +
                FormatNumber(static_cast<double>(st.barePercent), "#0.00") + " %");
        out.add("     Tension = " + out.quantity(st.bareTension, unit::kForce, "##,### "));
    }
    return std::move(out.text);
}

}  // namespace cn3
