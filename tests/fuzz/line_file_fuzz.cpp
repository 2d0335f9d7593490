// Any bytes read as a line file, as a pole CSV and as rows pasted into the pole grid. A line
// file that reads must be written and read back as it was; a CSV or a pasted grid that reads
// must solve (or say why not) on a fixed strand, and a solved line must be shown, drawn and
// printed. No reader, table, drawing or page may crash, hang or accept a line the solver
// cannot take.
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "line/line_file.h"
#include "line/line_profile.h"
#include "line/line_report.h"
#include "line/line_tables.h"
#include "line/pole_csv.h"
#include "line/pole_grid.h"
#include "line/solve_line.h"
#include "ui/measuring_surface.h"
#include "ui/recording_surface.h"

using namespace cn3;

namespace {

SpanProblem Strand() {
    SpanProblem p;
    p.cables.count = 1;
    p.cables.supportRow = 1;
    p.cables.totalWeight = 0.121f;
    p.support = {"1/4 EHS", 0.121f, 1200000.0f, 6650.0f, 0.0000064f};
    p.inputs.installedTemperature = 60.0f;
    p.conditionRecords[0] = {"Light        ", 30, 0, 9, 0.05f};
    p.conditionRecordIndex = {2, 3, 4, 5, 6};
    return p;
}

// The line solved on the strand, and when it solves, its tables, its profile as the window
// draws it and its report as a print host measures it.
void SolveAndShow(const line::PoleLine& line) {
    line::LineWorksheet worksheet;
    worksheet.sag = 2.0;
    const auto solved = line::SolveLine(line, worksheet, Strand());
    const auto* s = std::get_if<line::LineSolution>(&solved);
    if (!s) return;
    fuzz::Check(s->spans.size() == line.spans.size() && s->poles.size() == line.poles.size(),
                "every span and pole has its result");
    const Units units;
    fuzz::Check(line::SpanResultsTable(line, *s, units).rows.size() == line.spans.size(),
                "a results row for every span");
    (void)line::StringingTable(line, *s, units, worksheet.installedTemperature);
    ui::RecordingSurface screen;
    line::DrawLineProfile(screen, 0, 0, 9000, 3400, line, *s, units);
    ui::RecordingSurface page("Printer", 12240, 15840);
    ui::MeasuringSurface measure(page);
    line::PrintLineReport({"", "", "", "", "", line, worksheet, *s, units}, measure);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto file = line::ParseLineFile(text, "fuzzed.cnl");
    if (const auto* read = std::get_if<line::LineFile>(&file)) {
        fuzz::Check(
            read->line.poles.size() >= 2 && read->line.spans.size() + 1 == read->line.poles.size(),
            "a line file that reads is a run of spans between poles");
        const auto again = line::ParseLineFile(line::LineFileText(*read), "again.cnl");
        const auto* back = std::get_if<line::LineFile>(&again);
        fuzz::Check(back != nullptr, "a written line file reads back");
        // Pole names of broken UTF-8 are written with U+FFFD; everything else comes back.
        if (back)
            fuzz::Check(back->line.spans == read->line.spans &&
                            back->worksheet.loadings == read->worksheet.loadings &&
                            back->line.installation == read->line.installation,
                        "a written line file reads back the same");
    }

    const auto csv = line::ParsePoleCsv(text, "fuzzed.csv");
    if (const auto* line = std::get_if<line::PoleLine>(&csv)) SolveAndShow(*line);

    // The same bytes as rows pasted into the pole grid.
    ui::Grid grid;
    grid.setCols(5);
    grid.setFixedRows(1);
    line::ShowPoleGridHeadings(grid, Units{});
    for (std::string_view rest = text; !rest.empty() && grid.rows() <= 2000;) {
        const std::size_t end = rest.find('\n');
        grid.addItem(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    const line::PoleGridReading read = line::ReadPoleGrid(grid, Units{}, line::PoleLine{});
    fuzz::Check(read.line.has_value() == (read.faults.empty() && read.poles >= 2),
                "a grid gives its line exactly when every cell reads");
    if (read.line) SolveAndShow(*read.line);
    return 0;
}
