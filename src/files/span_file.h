// The span file: exactly one packed 940-byte SpanRecord, fields one after the other with no
// padding, numbers little-endian, texts 8-bit, left-aligned and filled with blanks to their
// width (longer texts are cut). There is no signature, version or checksum.
//
//   offset size  field                        offset size  field
//        0    1  metric units (0/1)              471  420  21 cable names of 20
//        1   30  name                            891    4  bundle diameter, float
//       31   15  date                            895    1  fixed-diameter flag
//       46   20  span id                         896   40  5 span entries of 8
//       66  200  notes                           936    1  sag mode (0 absolute, 1 percent)
//      266    2  installed temperature, int16    937    1  "Effect of Temperature" box
//      268    1  selected district               938    1  "Pt of Interest" box
//      269    2  user loading 1 and 2 ticks      939    1  "Vector Analysis" box
//      271  200  25 loading cells of 8
#pragma once

#include <string>
#include <string_view>

#include "core/file_error.h"
#include "forms/span_record.h"

namespace cn3 {

inline constexpr std::size_t kSpanRecordSize = 940;

// The record's 940 bytes.
std::string PackSpanRecord(const SpanRecord& record);

// The record of 940 bytes. Never-written texts may hold zero bytes; they read as blanks.
SpanRecord UnpackSpanRecord(std::string_view bytes);

// Reads a span file: one that does not exist, is not a regular file (a folder, a FIFO, a
// device), cannot be read or is not 940 bytes long is an error naming it and saying why; no
// more than 941 bytes are read, nothing is waited on and nothing is created.
FileResult<SpanRecord> ReadSpanFile(const std::string& path);

// Writes the record whole through a temporary file and a rename, so a failed write leaves an
// old file as it was and the new file is exactly 940 bytes.
FileStatus WriteSpanFile(const std::string& path, const SpanRecord& record);

}  // namespace cn3
