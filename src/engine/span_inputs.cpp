#include "engine/span_inputs.h"

#include "core/number_format.h"

namespace cn3 {

float ReadLengthEntry(const Program& program, int index) {
    const auto& text = program.main.Text9.at(static_cast<size_t>(index)).text();
    return program.units.fromInputValue(
        unit::kLength, static_cast<float>(LeadingGroupedNumber(text)), "####.000 ");
}

SpanInputs ReadSpanInputs(const Program& program) {
    SpanInputs in;
    in.span = ReadLengthEntry(program, entry::kSpanLength);
    if (program.main.Option1.selected() == 1) {
        const double percent = LeadingGroupedNumber(program.main.Text9[entry::kSag].text());
        in.sag = static_cast<float>(percent * double(in.span) / 100.0);
    } else {
        in.sag = ReadLengthEntry(program, entry::kSag);
    }
    in.pointDistance = ReadLengthEntry(program, entry::kPointDistance);
    in.clearance = ReadLengthEntry(program, entry::kClearance);
    in.creep = static_cast<float>(LeadingGroupedNumber(program.main.Text9[entry::kCreep].text()));
    in.installedTemperature = static_cast<float>(program.main.HScroll1.value());
    return in;
}

bool ClearanceGiven(const MainForm& main) {
    return LeadingGroupedNumber(main.Text9[entry::kClearance].text()) != 0.0;
}

}  // namespace cn3
