// The user-cables file CABLEADD.TXT: read after a separator row anywhere in the table, then
// written back. Nothing may be lost: the rewritten file has a line for every line read, with
// the same first field, and reading it again gives the same rows.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/raw_text_file.h"
#include "core/user_cables_file.h"
#include "fuzz_support.h"

using namespace cn3;

namespace {

// The name (text before the first TAB) of each line, as the writer would spell it.
std::vector<std::string> namesOf(std::string_view bytes) {
    std::vector<std::string> names;
    for (std::string line : SplitLines(bytes)) {
        line = line.substr(0, line.find('\t'));
        std::replace(line.begin(), line.end(), '\r', ' ');
        names.push_back(line);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A table as the catalogue leaves it: the separator row last. On the heap, as it is large.
std::unique_ptr<CableTable> tableWithSeparator(int separator) {
    auto table = std::make_unique<CableTable>();
    table->userSeparatorRow = table->lastCableRow = static_cast<std::int16_t>(separator);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes bytes(data, size);
    const int separator = 1 + bytes.byte() % (kCableRows - 1);
    const std::string_view file = bytes.rest();
    fuzz::WriteFile("CABLEADD.TXT", file);
    const std::string path = fuzz::FilePath("CABLEADD.TXT");

    const auto owned = tableWithSeparator(separator);
    CableTable& table = *owned;
    const auto read = ReadUserCables(path, table);
    fuzz::Check(read.ok(), "a written file can be read");
    fuzz::Check(table.lastCableRow >= separator && table.lastCableRow < kCableRows,
                "rows stay inside the table");
    fuzz::Check(WriteUserCables(path, table), "the file can be written back");

    const std::string written = ReadFileBytes(path).value_or("");
    if (table.lastCableRow == separator && table.keptUserLines.empty()) {
        fuzz::Check(SplitLines(file).empty() && !ReadFileBytes(path),
                    "the file is deleted only when it held no line");
        return 0;
    }
    fuzz::Check(namesOf(written) == namesOf(file), "every line read is written back");

    const auto againOwned = tableWithSeparator(separator);
    CableTable& again = *againOwned;
    fuzz::Check(ReadUserCables(path, again).ok(), "the rewritten file reads");
    for (int row = separator + 1; row <= table.lastCableRow; ++row) {
        for (int k = 0; k < 8; ++k) {
            std::string field =
                table.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)];
            std::replace(field.begin(), field.end(), '\r', ' ');
            fuzz::Check(
                again.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)] == field,
                "a row read back is the row written");
        }
    }
    return 0;
}
