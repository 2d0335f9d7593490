// One span file worked out as the window works it out: "Open" restores the worksheet from it
// (the bundle diameter included) and the turn from "Cables" to "Sag / Tension" recomputes it.
// The results are then read from the views as the window shows them, together with the typed
// solution behind them, for the batch formats.
//
// The same Program serves file after file, as in the window; results are taken only from a
// recomputation that solved this file's worksheet, so a file without a solution never shows
// another file's numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/span_solution.h"
#include "forms/program.h"

namespace cn3::batch {

// A drawn row of the "NESC RESULTS" table, as it shows with "Show Pt of Interest Distance" and
// "Show Vector Analysis" ticked: the label, then the eleven cells from the temperature to the
// vector angle.
struct NescRow {
    int condition = 0;  // 1, 2, 4, 5: the loading-results row
    std::string label;
    std::vector<std::string> cells;
};

struct SpanResults {
    bool metric = false;               // the display units of the texts
    std::vector<std::string> results;  // Label4, one line per break, the leading empty one dropped
    std::array<std::string, 5> temperatureHeadings;  // GridTemp row 0, its lines joined by a blank
    std::vector<std::array<std::string, 5>> temperature;  // GridTemp rows 1..19
    std::vector<NescRow> nesc;
    std::optional<SpanSolution> solution;  // when asked for: the numbers behind the texts
};

struct SpanOutcome {
    std::string file;                    // as named
    std::vector<std::string> messages;   // the message box texts, in order
    std::optional<SpanResults> results;  // nothing when the file gave no results
    bool clean() const { return messages.empty() && results.has_value(); }
};

enum class Solution { NotWanted, Wanted };

// Opens the span file and recomputes it; the program must be started. Messages go through the
// program's dialogs, which must be a MessageLog. A worksheet with no solution adds the reason
// ("No results: the span length is 0.") to the messages. The typed solution is worked out
// again, for its numbers, only when wanted.
SpanOutcome WorkOutSpanFile(Program& program, const std::string& file,
                            Solution solution = Solution::NotWanted);

// The views of the program as the results of the file.
SpanResults ReadShownResults(const Program& program);

// Cells show without the blanks that pad their patterns: "2.50 " is "2.50".
std::string TrimCell(const std::string& text);

}  // namespace cn3::batch
