// All span-file work goes through SpanFileAction and one of its five modes:
//   1 Restore  the span record onto the screen, as a user's edits would set it
//   2 Capture  the screen into the span record
//   3 Reset    a new, untitled worksheet
//   4 Save     Capture, then write the record to the current file name; "Data saved"
//   5 AskSave  the exit question: when the worksheet was edited, ask whether to save, and save
// A mode outside 1..5 does nothing.
#pragma once

#include <cstdint>
#include <string>

#include "forms/program.h"

namespace cn3 {

namespace span_file {
inline constexpr std::int16_t kRestore = 1, kCapture = 2, kReset = 3, kSave = 4, kAskSave = 5;
}

struct SpanFileOutcome {
    bool done = true;     // false: the user cancelled (the save dialog of AskSave), or it failed
    std::string failure;  // what went wrong, for the error trap; empty when nothing did
    bool failed() const { return !failure.empty(); }
};

SpanFileOutcome SpanFileAction(Program& program, std::int16_t mode);

// Save under a name chosen in the save dialog. When the save fails the worksheet keeps the
// name it had, so the status bar never names a file that was not written.
SpanFileOutcome SaveUnderChosenName(Program& program, const std::string& path);

// The captured bundle-diameter cell as a number, in display units: a plain number, or "Ovr",
// one character and the number of a diameter typed by hand; an empty cell is 0. Nothing when
// the cell holds anything else.
std::optional<float> CapturedBundleDiameter(std::string_view cell);

}  // namespace cn3
