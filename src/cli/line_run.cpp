#include "cli/line_run.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <variant>

#include "batch/batch_run.h"
#include "batch/span_results.h"
#include "engine/read_span_problem.h"
#include "engine/results_notes.h"
#include "line/line_file.h"
#include "line/line_output.h"
#include "line/line_worksheet.h"
#include "line/pole_csv.h"
#include "line/solve_line.h"

namespace cn3::cli {

namespace {

using batch::kAllDone;
using batch::kSomeMessage;
using batch::kUsageError;

// Standard error, with a file's texts unable to drive the terminal.
void Say(const std::string& text) {
    const std::string line = batch::TerminalText(text, true) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int Usage(const std::string& text) {
    Say("catenova: " + text);
    Say("Try 'catenova --help'.");
    return kUsageError;
}

bool EndsWith(std::string name, std::string_view suffix) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.ends_with(suffix);
}

std::optional<float> Feet(const std::string& text) {
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0.0f)
        return std::nullopt;
    return value;
}

std::string StopText(const SolveStopped& stop) {
    const std::string stale = StaleResultsText(stop);
    const std::size_t colon = stale.find(": ");
    return "No line results: " + (colon == std::string::npos ? stale : stale.substr(colon + 2));
}

}  // namespace

std::variant<WorkedLine, int> WorkOutLine(const LineRequest& request, Program& program) {
    const bool csv = EndsWith(request.input, ".csv");
    if (!csv && !EndsWith(request.input, ".cnl"))
        return Usage(request.option + " takes a line file (.cnl) or a list of poles (.csv)");
    if (csv && !request.worksheet)
        return Usage("a list of poles takes its cables from a span file: add --worksheet SPAN.cn3");
    std::optional<float> clearance;
    if (request.clearance) {
        clearance = Feet(*request.clearance);
        if (!clearance)
            return Usage("--clearance needs a length in feet, 0 or more, not '" +
                         *request.clearance + "'");
    }

    // The line itself.
    line::LineFile file;
    if (csv) {
        auto read = line::ReadPoleCsv(request.input, clearance.value_or(line::kDefaultClearance));
        if (const auto* fault = std::get_if<line::InputFault>(&read)) {
            Say(fault->text());
            return kSomeMessage;
        }
        file.line = std::move(std::get<line::PoleLine>(read));
    } else {
        auto read = line::ReadLineFile(request.input);
        if (const auto* fault = std::get_if<line::InputFault>(&read)) {
            Say(fault->text());
            return kSomeMessage;
        }
        file = std::move(std::get<line::LineFile>(read));
        if (clearance) file.line.defaultClearance = *clearance;
    }

    // The worksheet it is strung with, on the catalogue of the data folder.
    batch::MessageLog log;
    if (!batch::StartHeadless(program, log, request.dataFolder)) {
        for (const auto& text : log.take()) Say("catenova: " + text);
        return kSomeMessage;
    }
    std::variant<SpanProblem, SolveStopped> problem;
    if (request.worksheet) {
        const batch::SpanOutcome opened = batch::WorkOutSpanFile(program, *request.worksheet);
        batch::ReportMessages(opened, stderr);
        if (!opened.clean()) return kSomeMessage;
        const auto worksheet = line::LineWorksheetOf(program);
        if (const auto* stop = std::get_if<SolveStopped>(&worksheet)) {
            Say(*request.worksheet + ": " + StopText(*stop));
            return kSomeMessage;
        }
        file.worksheet = std::get<line::LineWorksheet>(worksheet);
        problem = ReadSpanProblem(program);
    } else {
        problem = line::ProblemOf(file.worksheet, program.cables);
    }
    if (const auto* stop = std::get_if<SolveStopped>(&problem)) {
        Say(request.input + ": " + StopText(*stop));
        return kSomeMessage;
    }

    auto solved = line::SolveLine(file.line, file.worksheet, std::get<SpanProblem>(problem));
    if (const auto* why = std::get_if<std::string>(&solved)) {
        Say(request.input + ": " + *why);
        return kSomeMessage;
    }
    return WorkedLine{std::move(file), std::get<line::LineSolution>(std::move(solved))};
}

bool SayFailures(const LineRequest& request, const WorkedLine& worked) {
    const auto reasons = line::FailureReasons(worked.file.line, worked.solution);
    for (const auto& reason : reasons) Say(request.input + ": " + reason);
    return reasons.empty();
}

int RunLine(const LineRequest& request) {
    if (request.format != "text" && request.format != "csv" && request.format != "json")
        return Usage("unknown format '" + request.format + "' (text, csv or json)");
    Program program;
    const auto worked = WorkOutLine(request, program);
    if (const auto* status = std::get_if<int>(&worked)) return *status;
    const WorkedLine& line = std::get<WorkedLine>(worked);
    std::string out;
    if (request.format == "json")
        out = line::LineJson(line.file.line, line.solution);
    else if (request.format == "csv")
        out = batch::TerminalText(line::LineCsv(line.file.line, line.solution));
    else
        out = batch::TerminalText(line::LineText(line.file.line, line.solution));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return SayFailures(request, line) ? kAllDone : kSomeMessage;
}

}  // namespace cn3::cli
