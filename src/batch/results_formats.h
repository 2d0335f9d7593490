// The three ways a batch run writes the results of its span files (README, "Without a
// window"): text as the window shows it, CSV with one record per shown line, row or table
// row, and JSON with the same texts plus the numbers of the solution in internal units.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/span_results.h"

namespace cn3::batch {

enum class Format { Text, Csv, Json };

// "text", "csv", "json"; nothing for any other word.
std::optional<Format> FormatNamed(std::string_view word);

// "== FILE", the results lines, "-- temperature" and its 19 rows, "-- nesc" and its drawn
// rows, cells TAB-separated. A file without results has its "== FILE" line alone.
std::string TextOf(const SpanOutcome& outcome);

// The header line "file,section,row,values", then for each file its records:
// FILE,results,N,LINE / FILE,temperature,N,CELL... / FILE,nesc,CONDITION,LABEL,CELL...
std::string CsvHeader();
std::string CsvOf(const SpanOutcome& outcome);

// One JSON array of one object per file.
std::string JsonOf(const std::vector<SpanOutcome>& outcomes);

// A float as the shortest decimal that reads back as the same float; "null" when it is not
// a finite number.
std::string JsonNumber(float value);
// A JSON string literal.
std::string JsonString(std::string_view text);
// Text safe to show on a terminal: control characters other than TAB and LF (ESC, CR, BEL
// ...), DEL and the C1 controls U+0080..U+009F become "?", so that a span file's texts cannot
// drive the terminal. With `oneLine`, a line break (CR LF, LF or CR) becomes a blank.
std::string TerminalText(std::string_view text, bool oneLine = false);

// A CSV field, quoted when it holds a comma, a quote, a line break or blanks at its ends.
std::string CsvField(std::string_view text);

}  // namespace cn3::batch
