#include "line/line_editing.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "line/display_value.h"
#include "line/line_recompute.h"
#include "line/pole_grid.h"
#include "ui/split_fields.h"

namespace cn3::line {

namespace {

int CurrentDataRow(const ui::Grid& grid) {
    const int row = grid.row();
    return row >= grid.fixedRows() && row < grid.rows() ? row : -1;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    // A spreadsheet's copy ends in a line break; a last empty line is no row.
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A heading row: the first field names the pole column, or no field after it holds a number.
bool HeadingRow(const std::vector<std::string_view>& fields, const Units& units, int firstCol) {
    if (fields.empty()) return false;
    const std::string first = Lower(std::string(fields.front()));
    if (firstCol == pole_column::kId && (first == "pole_id" || first == "pole id")) return true;
    bool anyText = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (static_cast<int>(i) + firstCol == pole_column::kId) continue;
        const std::string_view field = fields[i];
        if (field.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (ReadDisplayValue(units, unit::kLength, field)) return false;
        anyText = true;
    }
    return anyText && firstCol == pole_column::kId;
}

}  // namespace

void AddPoleRow(LineSession& s) {
    ui::Grid& grid = s.form.Poles;
    grid.addItem("");
    grid.setCurrent(grid.rows() - 1, pole_column::kId);
    RecomputeLine(s);
}

void InsertPoleRow(LineSession& s) {
    ui::Grid& grid = s.form.Poles;
    const int row = CurrentDataRow(grid);
    const int at = row < 0 ? grid.rows() : row;
    grid.addItem("", at);
    grid.setCurrent(at, pole_column::kId);
    RecomputeLine(s);
}

void RemovePoleRow(LineSession& s) {
    ui::Grid& grid = s.form.Poles;
    const int row = CurrentDataRow(grid);
    if (row < 0) return;
    grid.removeItem(row);
    grid.setCurrent(std::min(row, grid.rows() - 1), grid.col());
    RecomputeLine(s);
}

void PastePoleRows(LineSession& s, std::string_view text) {
    ui::Grid& grid = s.form.Poles;
    std::vector<std::string> lines = Lines(text);
    if (lines.empty()) return;
    int row = CurrentDataRow(grid);
    if (row < 0) row = grid.rows();
    const int col = std::clamp(grid.col(), 0, pole_column::kCount - 1);
    if (HeadingRow(ui::SplitFields(lines.front(), "\t"), s.program.units, col))
        lines.erase(lines.begin());
    for (const std::string& line : lines) {
        if (row >= grid.rows()) grid.addItem("");
        const auto fields = ui::SplitFields(line, "\t");
        for (std::size_t i = 0; i < fields.size() && col + static_cast<int>(i) < grid.cols(); ++i)
            grid.setText(row, col + static_cast<int>(i), std::string(fields[i]));
        ++row;
    }
    RecomputeLine(s);
}

void ShowTypedInProgramUnits(LineSession& s) {
    const Units from = s.shownUnits;
    const Units& to = s.program.units;
    s.shownUnits = to;
    LineForm& f = s.form;
    const LineSession::Hold hold(s);
    ShowPoleGridHeadings(f.Poles, to);
    // Under the same system a text stays as typed ("150 ft" is not made "150").
    if ((from.metricUnits != 0) == (to.metricUnits != 0)) return;
    ConvertPoleGrid(f.Poles, from, to);
    for (auto [entry, kind] :
         {std::pair{&f.DefaultClearance, unit::kLength}, std::pair{&f.Tension, unit::kForce}})
        if (const auto value = ReadDisplayValue(from, kind, entry->text()))
            entry->setText(DisplayValueText(to, kind, *value));
}

}  // namespace cn3::line
