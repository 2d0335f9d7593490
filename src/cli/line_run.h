// `catenova --line FILE.cnl|POLES.csv [--worksheet SPAN.cn3] [--clearance FT]
// [--format text|csv|json]`: a pole line worked out without a window. A line file opens
// alone; a pole CSV takes its cables, installation and loadings from the span file of
// --worksheet, opened as "Open" opens it (with a line file, --worksheet replaces the file's
// worksheet). Exit status 0 when every span passes, 1 when a span is short of its clearance,
// a pole is pulled up or the line tension exceeds the usable load (the reasons on standard
// error), or the line cannot be worked out; 2 for a usage error.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "forms/program.h"
#include "line/line_file.h"
#include "line/solve_line.h"

namespace cn3::cli {

struct LineRequest {
    std::string input;                     // FILE.cnl or POLES.csv
    std::optional<std::string> worksheet;  // SPAN.cn3
    std::optional<std::string> clearance;  // ft, as typed
    std::string format = "text";
    std::string dataFolder = ".";
    std::string option = "--line";  // the option that named the line, for usage errors
};

// A line read and worked out: the line and the worksheet it is strung with, and its solution.
struct WorkedLine {
    line::LineFile file;
    line::LineSolution solution;
};

// Reads the request's line (and --worksheet) and works it out on `program`, which it starts
// headless on the request's data folder (its catalogue, settings and units). Without a line,
// the exit status: a usage error, or a message already said on standard error.
std::variant<WorkedLine, int> WorkOutLine(const LineRequest& request, Program& program);

// Each reason the line fails on standard error as "FILE: reason"; true when there is none.
bool SayFailures(const LineRequest& request, const WorkedLine& worked);

int RunLine(const LineRequest& request);

}  // namespace cn3::cli
