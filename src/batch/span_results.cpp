#include "batch/span_results.h"

#include <filesystem>
#include <variant>

#include "batch/batch_dialogs.h"
#include "core/unit_table.h"
#include "core/blanks.h"
#include "engine/shown_loadings.h"
#include "engine/results_notes.h"
#include "engine/solve_worksheet.h"
#include "files/files_commands.h"
#include "forms/main_form.h"

namespace cn3::batch {

namespace {

constexpr std::string_view kBreak = "\n\r";  // HeaderBreak
constexpr int kShownFields = 11;             // temperature .. vector angle

std::vector<std::string> SplitAtBreaks(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(kBreak, from);
        pieces.push_back(
            text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) break;
        from = at + kBreak.size();
    }
    return pieces;
}

// "The results shown are not for the current entries: the span length is 0." gives the
// reason after the colon.
std::string NoResultsText(const SolveStopped& stop) {
    const std::string stale = StaleResultsText(stop);
    const std::size_t colon = stale.find(": ");
    return "No results: " + (colon == std::string::npos ? stale : stale.substr(colon + 2));
}

}  // namespace

std::string TrimCell(const std::string& text) {
    return std::string(TrimSpaces(text));
}

SpanResults ReadShownResults(const Program& program) {
    SpanResults shown;
    shown.metric = program.units.metricUnits != 0;

    shown.results = SplitAtBreaks(program.main.Label4.caption());
    if (!shown.results.empty() && shown.results.front().empty())
        shown.results.erase(shown.results.begin());

    const ui::Grid& grid = program.main.GridTemp;
    for (int c = 0; c < 5; ++c) {
        std::string heading;
        for (const auto& piece : SplitAtBreaks(grid.text(0, c))) {
            if (piece.empty()) continue;
            if (!heading.empty()) heading += ' ';
            heading += piece;
        }
        shown.temperatureHeadings[static_cast<std::size_t>(c)] = TrimCell(heading);
    }
    for (int r = 1; r < grid.rows(); ++r) {
        std::array<std::string, 5> row;
        for (int c = 0; c < 5; ++c) row[static_cast<std::size_t>(c)] = TrimCell(grid.text(r, c));
        shown.temperature.push_back(std::move(row));
    }

    for (const int r : DrawnLoadingRows(program)) {
        NescRow row;
        row.condition = r;
        row.label = TrimCell(LoadingRowLabel(program, r));
        for (int k = 0; k < kShownFields; ++k) {
            row.cells.push_back(TrimCell(LoadingCellText(program, r, k)));
        }
        shown.nesc.push_back(std::move(row));
    }
    return shown;
}

SpanOutcome WorkOutSpanFile(Program& program, const std::string& file, Solution solution) {
    auto& log = static_cast<MessageLog&>(*program.dialogs);
    SpanOutcome outcome;
    outcome.file = file;
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
    if (OpenSpanFile(program, absolute.empty() ? file : absolute.string())) {
        // A recomputation that solves this worksheet writes the results text afresh; one that
        // stops leaves it empty, so no other file's results are taken for this one's.
        program.main.Label4.setCaption("");
        // The turn that recomputes in the window; a worksheet without a carrier is refused
        // there with its message.
        program.main.SSTab1.setTab(page::kSagTension);
        if (program.main.Label4.caption().empty()) {
            const auto solved = SolveWorksheet(program);
            if (const auto* stop = std::get_if<SolveStopped>(&solved))
                log.message(NoResultsText(*stop));
        } else {
            outcome.results = ReadShownResults(program);
            if (solution == Solution::Wanted) {
                auto solved = SolveWorksheet(program);
                if (auto* typed = std::get_if<SpanSolution>(&solved))
                    outcome.results->solution = std::move(*typed);
            }
        }
    }
    outcome.messages = log.take();
    return outcome;
}

}  // namespace cn3::batch
