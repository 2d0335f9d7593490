// Paths that no reader may hang or abort on, made in a test folder: a FIFO nobody writes to,
// a link to /dev/zero, a 4 GiB sparse file (no disk used), a folder, and a link to a regular
// file whose every read fails (/proc/self/mem at offset 0: EIO). Never read them in a test.
#pragma once

#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace cn3::test {

enum class OddFile { Fifo, DevZero, Sparse4GiB, Folder, ReadError };
inline constexpr OddFile kOddFiles[] = {OddFile::Fifo, OddFile::DevZero, OddFile::Sparse4GiB,
                                        OddFile::Folder, OddFile::ReadError};

// Makes the odd file under `name` in the folder and gives its path.
std::string MakeOddFile(const TempFolder& folder, OddFile odd, std::string_view name);

// What a data-file reader (catalogue, settings, user cables) says of it, after the path.
std::string DataFileReason(OddFile odd);

}  // namespace cn3::test
