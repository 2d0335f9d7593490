// The headless runs: start-up on a data folder without asking anything, and the results of a
// list of span files written in one of the batch formats. Every message a file gives goes to
// the error stream as "FILE: text", and the run goes on with the next file.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "batch/batch_dialogs.h"
#include "batch/results_formats.h"
#include "forms/program.h"

namespace cn3::batch {

// Exit statuses of a batch run.
inline constexpr int kAllDone = 0;      // every file done without a message
inline constexpr int kSomeMessage = 1;  // some file (or the start-up) gave a message
inline constexpr int kUsageError = 2;   // the command line itself is wrong

// Starts the program on the data folder with `log` as its dialogs: the units come from the
// settings file's unit word (an unset one means English; the file is neither created nor
// rewritten). False when the catalogue cannot be read; the reason is then in the log.
bool StartHeadless(Program& program, MessageLog& log, const std::string& dataFolder);

// Writes the outcome's messages to `err`, one "FILE: text" line each.
void ReportMessages(const SpanOutcome& outcome, std::FILE* err);

// Starts a program afresh, as StartHeadless does, with `log` as its dialogs.
using Starter = std::function<bool(Program& program, MessageLog& log)>;

// Works out every file, each on a program started afresh (so that nothing one file leaves on
// the worksheet, not even the bundle layout's random sequence, reaches the next: a file's
// output is that of the file run alone), and writes their results to `out`. The exit status:
// kAllDone or kSomeMessage.
int WriteResults(const Starter& start, const std::vector<std::string>& files, Format format,
                 std::FILE* out, std::FILE* err);

}  // namespace cn3::batch
