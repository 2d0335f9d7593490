#include "line/pole_grid.h"

#include <array>
#include <set>

#include "line/display_value.h"
#include "line/line_form.h"

namespace cn3::line {

namespace {

using namespace pole_column;

// The column names the faults use, and the headings' first lines.
constexpr std::array<const char*, kCount> kNames = {
    "Pole ID", "Ground Elevation", "Attachment Height", "Span to Next Pole", "Required Clearance"};
constexpr std::array<const char*, kCount> kHeadingLines = {
    "Pole ID", "Ground\n\rElevation", "Attachment\n\rHeight", "Span to\n\rNext Pole",
    "Required\n\rClearance"};

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool BlankRow(const ui::Grid& grid, int row) {
    for (int c = 0; c < kCount; ++c)
        if (!Blank(grid.text(row, c))) return false;
    return true;
}

std::string Shown(const std::string& text) {
    std::string out;
    for (const char c : text.substr(0, 40)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return out;
}

// The text in quotes, as a fault shows what was typed.
std::string Quoted(const std::string& text) {
    std::string out(1, '"');
    out += Shown(text);
    out += '"';
    return out;
}

// Reads the rows, recording each fault at its cell.
class Reader {
  public:
    Reader(ui::Grid& grid, const Units& units) : grid_(grid), units_(units) {}

    std::vector<std::string> faults;

    void fault(int row, int col, const std::string& reason) {
        grid_.setMarked(row, col, true);
        std::string where = "Row " + std::to_string(row - grid_.fixedRows() + 1);
        const std::string& id = grid_.text(row, kId);
        if (col != kId && !Blank(id)) where += " (" + Shown(id) + ")";
        faults.push_back(where + ", " + kNames[static_cast<size_t>(col)] + ": " + reason + ".");
    }

    // A length in display units; nothing, and the fault said, when the cell holds none.
    // An empty cell is nothing without a fault when it may be empty.
    std::optional<float> length(int row, int col, bool mayBeEmpty, bool mayBeNegative = true) {
        const std::string& text = grid_.text(row, col);
        if (Blank(text)) {
            if (!mayBeEmpty) fault(row, col, "a length in " + unit() + " is needed");
            return std::nullopt;
        }
        const auto value = ReadDisplayValue(units_, unit::kLength, text);
        if (!value) {
            fault(row, col, "a length in " + unit() + " is needed, not " + Quoted(text));
            return std::nullopt;
        }
        if (!mayBeNegative && *value < 0.0f) {
            fault(row, col, "must not be below 0");
            return std::nullopt;
        }
        return value;
    }

  private:
    std::string unit() const { return units_.label(unit::kLength); }

    ui::Grid& grid_;
    const Units& units_;
};

}  // namespace

void ShowPoleGridHeadings(ui::Grid& grid, const Units& units) {
    if (grid.rows() < 1) grid.setRows(1);
    const std::string unit = " (" + units.label(unit::kLength) + ")";
    for (int c = 0; c < kCount; ++c)
        grid.setText(0, c, kHeadingLines[static_cast<size_t>(c)] + (c == kId ? "" : unit));
}

void FillPoleGrid(ui::Grid& grid, const PoleLine& line, const Units& units) {
    const int first = grid.fixedRows();
    grid.setRows(first);
    grid.clearMarks();
    const auto length = [&](float value) { return DisplayValueText(units, unit::kLength, value); };
    for (std::size_t p = 0; p < line.poles.size(); ++p) {
        const Pole& pole = line.poles[p];
        std::string row =
            pole.id + '\t' + length(pole.groundElevation) + '\t' + length(pole.attachmentHeight);
        if (p < line.spans.size()) {
            const LineSpan& span = line.spans[p];
            row += '\t' + length(span.length) + '\t' +
                   (span.requiredClearance ? length(*span.requiredClearance) : std::string());
        }
        grid.addItem(row);
    }
}

PoleGridReading ReadPoleGrid(ui::Grid& grid, const Units& units, const PoleLine& settings) {
    grid.clearMarks();
    Reader read(grid, units);
    PoleGridReading out;
    PoleLine line;
    line.defaultClearance = settings.defaultClearance;
    line.installation = settings.installation;

    std::vector<int> rows;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r)
        if (!BlankRow(grid, r)) rows.push_back(r);
    out.poles = static_cast<int>(rows.size());

    std::set<std::string> ids;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        const bool last = i + 1 == rows.size();
        Pole pole;
        const std::string& id = grid.text(r, kId);
        const std::size_t from = id.find_first_not_of(" \t");
        if (from != std::string::npos)
            pole.id = id.substr(from, id.find_last_not_of(" \t") - from + 1);
        if (pole.id.empty())
            read.fault(r, kId, "a name is needed");
        else if (!ids.insert(pole.id).second)
            read.fault(r, kId, Quoted(pole.id) + " names an earlier pole too");
        pole.groundElevation = read.length(r, kGround, false).value_or(0.0f);
        pole.attachmentHeight = read.length(r, kHeight, false, false).value_or(0.0f);
        line.poles.push_back(std::move(pole));

        if (last) {
            for (const int c : {kSpan, kClearance})
                if (!Blank(grid.text(r, c)))
                    read.fault(r, c,
                               "the last pole has no span after it: leave it empty or add the "
                               "next pole");
            continue;
        }
        LineSpan span;
        if (const auto length = read.length(r, kSpan, false)) {
            if (*length > 0.0f)
                span.length = *length;
            else
                read.fault(r, kSpan, "must be more than 0");
        }
        span.requiredClearance = read.length(r, kClearance, true, false);
        line.spans.push_back(span);
    }
    out.faults = std::move(read.faults);
    if (out.faults.empty() && rows.size() >= 2) out.line = std::move(line);
    return out;
}

void ConvertPoleGrid(ui::Grid& grid, const Units& from, const Units& to) {
    for (int r = grid.fixedRows(); r < grid.rows(); ++r)
        for (int c = kGround; c < kCount; ++c)
            if (const auto value = ReadDisplayValue(from, unit::kLength, grid.text(r, c)))
                grid.setText(r, c, DisplayValueText(to, unit::kLength, *value));
}

}  // namespace cn3::line
