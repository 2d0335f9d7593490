#include "line/line_recompute.h"

#include <variant>

#include "engine/chart_axis.h"
#include "engine/results_notes.h"
#include "line/display_value.h"
#include "line/line_files.h"
#include "line/line_profile.h"
#include "line/line_tables.h"
#include "line/line_worksheet.h"
#include "line/pole_grid.h"
#include "line/worksheet_notes.h"

namespace cn3::line {

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (!out.empty()) out += '\n';
        out += line;
    }
    return out;
}

// "no cable is selected.": what a stopped worksheet says, without its lead-in.
std::string StopReason(const SolveStopped& stop) {
    const std::string stale = StaleResultsText(stop);
    const std::size_t colon = stale.find(": ");
    return colon == std::string::npos ? stale : stale.substr(colon + 2);
}

std::string Quoted(const std::string& text) {
    std::string out(1, '"');
    out += text.substr(0, 40);
    out += '"';
    return out;
}

// The default clearance and the installation as typed; each entry that cannot be read is said.
PoleLine ReadSettings(const LineForm& form, const Units& units, std::vector<std::string>& faults) {
    PoleLine settings;
    const std::string& clearance = form.DefaultClearance.text();
    const auto value = ReadDisplayValue(units, unit::kLength, clearance);
    if (!value || *value < 0.0f)
        faults.push_back("Default Clearance: a length in " + UnitText(units, unit::kLength) +
                         " of 0 or more is needed, not " + Quoted(clearance) + ".");
    else
        settings.defaultClearance = *value;
    if (form.Installation.selected() == 1) {
        settings.installation.mode = Installation::Mode::Tension;
        const std::string& typed = form.Tension.text();
        const auto tension = ReadDisplayValue(units, unit::kForce, typed);
        if (!tension || !(*tension > 0.0f))
            faults.push_back("Tension: a tension in " + UnitText(units, unit::kForce) +
                             " above 0 is needed, not " + Quoted(typed) + ".");
        else
            settings.installation.tension = *tension;
    }
    return settings;
}

void ClearGrid(ui::Grid& grid) {
    grid.setRows(0);
    grid.setCols(0);
}

void FillGrid(ui::Grid& grid, const ShownTable& table) {
    grid.setRows(0);
    grid.setCols(static_cast<int>(table.headings.size()));
    grid.setRows(1);
    grid.setRowHeight(0, 480);
    for (int c = 0; c < grid.cols(); ++c) {
        grid.setText(0, c, table.headings[static_cast<std::size_t>(c)]);
        grid.setColAlignment(c, c == 0 ? ui::Align::Left : ui::Align::Right);
    }
    for (const auto& row : table.rows) {
        const int r = grid.rows();
        grid.setRows(r + 1);
        for (int c = 0; c < grid.cols() && c < static_cast<int>(row.size()); ++c) {
            grid.setText(r, c, row[static_cast<std::size_t>(c)].text);
            grid.setMarked(r, c, row[static_cast<std::size_t>(c)].fails);
        }
    }
}

// Chooses the worksheet in use (the program's, else the line file's) into the session and
// gives the span problem of its cables; nothing, and why in `stop`, when there is none.
std::optional<SpanProblem> UseWorksheet(LineSession& s, std::vector<std::string>& notes,
                                        std::string& stop) {
    const Program& program = s.program;
    const Units& units = program.units;
    s.worksheet.reset();
    std::optional<SpanProblem> problem;
    const auto live = LineWorksheetOf(program);
    if (const auto* liveStop = std::get_if<SolveStopped>(&live)) {
        stop = StopReason(*liveStop);
    } else {
        auto read = ProblemOf(std::get<LineWorksheet>(live), program.cables);
        if (const auto* problemStop = std::get_if<SolveStopped>(&read)) {
            stop = StopReason(*problemStop);
        } else {
            s.worksheet = std::get<LineWorksheet>(live);
            problem = std::move(std::get<SpanProblem>(read));
        }
    }
    if (!s.fileWorksheet) return problem;
    if (s.worksheet) {
        if (*s.worksheet != *s.fileWorksheet)
            notes.push_back("The line's file was saved with another worksheet (" +
                            WorksheetDifferences(*s.fileWorksheet, *s.worksheet, units) +
                            "): the line is strung with the worksheet in use, which Save "
                            "stores.");
        return problem;
    }
    auto read = ProblemOf(*s.fileWorksheet, program.cables);
    if (auto* fileProblem = std::get_if<SpanProblem>(&read)) {
        s.worksheet = s.fileWorksheet;
        std::string why = stop;
        if (!why.empty() && why.back() == '.') why.pop_back();
        notes.push_back("The worksheet cannot string the line (" + why +
                        "): it is strung with the worksheet its file was saved with (" +
                        WorksheetSummary(*s.fileWorksheet, units) + "), which Save keeps.");
        return std::move(*fileProblem);
    }
    return problem;
}

}  // namespace

void ShowLineResults(LineSession& s) {
    LineForm& f = s.form;
    const Units& units = s.program.units;
    ui::Surface& profile = f.Profile.surface();
    profile.clear();
    if (!s.solution || !s.line || !s.worksheet) {
        f.Headline.setCaption(s.noResults);
        ClearGrid(f.Results);
        ClearGrid(f.Stringing);
        f.StringingLegend.setCaption("");
        f.Profile.refresh();
        return;
    }
    const PoleLine& line = *s.line;
    const LineSolution& solution = *s.solution;
    f.Headline.setCaption(LineHeadline(line, solution, units));
    FillGrid(f.Results, SpanResultsTable(line, solution, units));
    FillGrid(f.Stringing, StringingTable(line, solution, units, s.worksheet->installedTemperature));
    f.StringingLegend.setCaption(StringingLegend(units, s.worksheet->installedTemperature));
    DrawLineProfile(profile, 0, 0, kProfileWidth, kProfileHeight, line, solution, units);
    f.Profile.refresh();
}

void RecomputeLine(LineSession& s) {
    LineForm& f = s.form;
    Program& program = s.program;
    const Units& units = program.units;
    std::vector<std::string> problems, notes;

    f.Tension.setEnabled(f.Installation.selected() == 1);
    const PoleLine settings = ReadSettings(f, units, problems);
    PoleGridReading reading = ReadPoleGrid(f.Poles, units, settings);
    problems.insert(problems.end(), reading.faults.begin(), reading.faults.end());
    s.blank = reading.poles == 0;
    s.line.reset();
    if (problems.empty()) s.line = std::move(reading.line);

    std::string worksheetStop;
    std::optional<SpanProblem> problem = UseWorksheet(s, notes, worksheetStop);

    s.solution.reset();
    s.noResults.clear();
    if (!s.worksheet) {
        s.noResults = "No line results: " + worksheetStop;
    } else if (!s.line) {
        s.noResults = reading.poles < 2 ? "No line results: a line needs at least two poles."
                                        : "No line results until every entry can be read.";
    } else {
        auto solved = SolveLine(*s.line, *s.worksheet, *problem);
        if (auto* why = std::get_if<std::string>(&solved))
            s.noResults = std::move(*why);
        else
            s.solution =
                std::make_shared<const LineSolution>(std::move(std::get<LineSolution>(solved)));
    }
    ShowLineResults(s);

    if (s.solution)
        for (LineNote& note : LineNotes(*s.line, *s.solution, units))
            (note.fails ? problems : notes).push_back(std::move(note.text));
    f.Problems.setCaption(Joined(problems));
    f.Notes.setCaption(Joined(notes));
    ShowLineFileState(s);
}

}  // namespace cn3::line
