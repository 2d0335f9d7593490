#include "engine/entry_notes.h"

#include <array>
#include <charconv>

#include "core/blanks.h"
#include "core/number_format.h"
#include "core/unit_table.h"
#include "engine/span_inputs.h"

namespace cn3 {

namespace {

constexpr float kMostCreep = 0.1f;

// The shortest decimal of a number read: 16, 1500.5, 0.05.
std::string Shortest(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string Shortest(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

struct Entry {
    std::string name;
    std::string text;
    bool grouped = false;  // thousands groups read whole, as the span entries read them
    std::string unit;      // the display unit that may follow the number; empty for none
};

void Check(const Entry& e, std::vector<std::string>& notes) {
    const std::string_view trimmed = TrimBlanks(e.text);
    if (trimmed.empty()) return;
    const std::size_t end = e.grouped ? LeadingGroupedNumberEnd(e.text) : LeadingNumberEnd(e.text);
    const std::string_view rest = TrimBlanks(std::string_view(e.text).substr(end));
    if (end != 0 && (rest.empty() || (!e.unit.empty() && rest == e.unit))) return;
    const double value = e.grouped ? LeadingGroupedNumber(e.text) : LeadingNumber(e.text);
    std::string note = e.name + " \"" + std::string(trimmed) + "\" is read as " + Shortest(value);
    if (!e.unit.empty()) note += " " + e.unit;
    notes.push_back(note + ".");
}

}  // namespace

std::vector<std::string> EntryReadingNotes(const Program& program) {
    const MainForm& main = program.main;
    const Units& units = program.units;
    const auto unit = [&](int kind) { return std::string(TrimSpaces(units.label(kind))); };
    const std::string length = unit(unit::kLength);
    const bool percent = main.Option1.selected() == 1;

    std::vector<std::string> notes;
    Check({"Span Length", main.Text9[entry::kSpanLength].text(), true, length}, notes);
    Check({"Span Sag", main.Text9[entry::kSag].text(), true, percent ? "%" : length}, notes);
    Check({"Pt of Interest Distance", main.Text9[entry::kPointDistance].text(), true, length},
          notes);
    Check({"Clearance", main.Text9[entry::kClearance].text(), true, length}, notes);
    Check({"Creep", main.Text9[entry::kCreep].text(), true, ""}, notes);
    Check({"Bundle Diameter", main.Text5.text(), false, unit(unit::kSmallLength)}, notes);

    // The value cells of the ticked user loadings: temperature, ice, wind, constant.
    const std::array<std::pair<const char*, int>, 4> columns = {
        std::pair{"Temperature", unit::kTemperature}, std::pair{"Ice Thickness", unit::kSmallLength},
        std::pair{"Wind", unit::kWindPressure}, std::pair{"Constant", unit::kLoadPerLength}};
    const auto& cells = program.loading.Cells;
    for (int row = 3; row <= 4; ++row) {
        if (!program.loading.Check1[0].checked()) break;
        if (row == 4 && !program.loading.Check1[1].checked()) break;
        const std::string name(TrimBlanks(cells.at(static_cast<size_t>(5 * row)).caption()));
        for (int c = 1; c <= 4; ++c) {
            const auto& [column, kind] = columns.at(static_cast<size_t>(c - 1));
            Check({name + " " + column, cells.at(static_cast<size_t>(5 * row + c)).caption(), false,
                   unit(kind)},
                  notes);
        }
    }
    return notes;
}

std::vector<std::string> RangeNotes(const Units& units, const SpanSolution& solution) {
    const auto& in = solution.inputs;
    const auto length = [&](float feet, const char* pattern) {
        return std::string(TrimSpaces(units.toDisplay(unit::kLength, feet, pattern))) + " " +
               std::string(TrimSpaces(units.label(unit::kLength)));
    };
    std::vector<std::string> notes;
    if (in.span > kLongestSpan)
        notes.push_back("Note - A span of " + length(in.span, "#,##0.00") +
                        " is beyond the aerial spans this worksheet is for (up to " +
                        length(kLongestSpan, "#,##0") + ").");
    if (in.sag > 0.5f * in.span)
        notes.push_back("Note - A sag of " + length(in.sag, "#,##0.00") +
                        " is more than half the span.");
    if (in.creep < 0.0f || in.creep > kMostCreep)
        notes.push_back("Note - A creep of " + Shortest(in.creep) + " changes the cable by " +
                        FormatNumber(double(in.creep) * 100.0, "#,##0.##") +
                        " % under the loadings; the entry is a fraction (0.05 is 5 %).");
    return notes;
}

std::string JoinNotes(const std::vector<std::string>& notes) {
    std::string line;
    for (const auto& note : notes) {
        if (note.empty()) continue;
        if (!line.empty()) line += ' ';
        line += note;
    }
    return line;
}

}  // namespace cn3
