// All span-file work goes through SpanFileAction and one of its five modes:
//   1 Restore  the span record onto the screen, as a user's edits would set it
//   2 Capture  the screen into the span record
//   3 Reset    a new, untitled worksheet
//   4 Save     Capture, then write the record to the current file name; "Data saved"
//   5 AskSave  the exit question: when the worksheet was edited, ask whether to save, and save
// A mode outside 1..5 does nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/program.h"

namespace cn3 {

namespace span_file {
inline constexpr std::int16_t kRestore = 1, kCapture = 2, kReset = 3, kSave = 4, kAskSave = 5;
}

// The question of the exit path, and of "Open" and "New" before they replace a changed worksheet.
inline constexpr std::string_view kSaveQuestion = "Do you want to save your data to a file?";

struct SpanFileOutcome {
    bool done = true;     // false: the user cancelled (the save dialog of AskSave), or it failed
    std::string failure;  // what went wrong, for the error trap; empty when nothing did
    bool failed() const { return !failure.empty(); }
};

SpanFileOutcome SpanFileAction(Program& program, std::int16_t mode);

// The worksheet as a span record, taken without changing anything: the record, or the reason
// it cannot be captured (more cables than a span file holds, a bundle diameter that is not a
// number). The record carries the unit system the worksheet is shown in.
struct SpanCapture {
    std::optional<SpanRecord> record;
    std::string failure;
};
SpanCapture CaptureSpanRecord(const Program& program);

// How a restore speaks. Open shows each unknown cable name in a message box and turns to the
// "Cables" page with the "Strand" family, as opening a span file does; Quiet (an undo, a
// recovered worksheet) shows no box, hands the names back and keeps the pages as they are.
enum class RestoreMode { Open, Quiet };

struct SpanRestoreOutcome {
    std::vector<std::string> unknownCables;  // listed without figures, in the record's order
    bool unitsSwitched = false;              // the record's unit system replaced the shown one
};

// Puts a whole record on the worksheet, as a user's edits would set it: switches to the
// record's unit system when it differs (every unit label and heading is written again), and
// recomputes once at the end rather than once per control.
SpanRestoreOutcome RestoreSpanRecord(Program& program, const SpanRecord& record,
                                     RestoreMode mode);

// Save under a name chosen in the save dialog. When the save fails the worksheet keeps the
// name it had, so the status bar never names a file that was not written.
SpanFileOutcome SaveUnderChosenName(Program& program, const std::string& path);

// The captured bundle-diameter cell as a number, in display units: a plain number, or "Ovr",
// one character and the number of a diameter typed by hand; an empty cell is 0. Nothing when
// the cell holds anything else.
std::optional<float> CapturedBundleDiameter(std::string_view cell);

}  // namespace cn3
