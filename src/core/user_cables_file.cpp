#include "core/user_cables_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/catalogue.h"
#include "core/raw_text_file.h"
#include "core/text_file.h"
#include "ui/split_fields.h"

namespace cn3 {
namespace {

constexpr int kWrittenFields = 8;

// A TAB or a line end inside a field would split the file's lines and fields; they are
// written as blanks so that the file always reads back into the same rows.
std::string fieldForFile(const std::string& field) {
    std::string bytes = Utf8ToLatin1(field);
    for (char& c : bytes) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return bytes;
}

}  // namespace

FileResult<UserCablesRead> ReadUserCables(const std::string& path, CableTable& table) {
    const auto lines = ReadRawLines("user-defined cables file", path);
    if (!lines) return lines.error();
    UserCablesRead read;
    table.keptUserLines.clear();
    bool ended = false;  // by a short line: the rest is kept, not read
    for (const std::string& line : *lines) {
        if (ended) {
            table.keptUserLines.push_back(line);
            continue;
        }
        // Every field ends with a TAB, so the piece after the last TAB is not a field.
        CableRecord record{};
        const auto pieces = ui::SplitFields(line, "\t");
        const std::size_t fields = std::min<std::size_t>(pieces.size() - 1, kWrittenFields);
        for (std::size_t k = 0; k < fields; ++k) record[k] = Latin1ToUtf8(pieces[k]);
        const bool complete = fields == kWrittenFields;
        // A row without a name would be listed on no tab and could never be deleted.
        if (record[field::kName].empty()) {
            table.keptUserLines.push_back(line);
            continue;
        }
        if (table.lastCableRow >= kCableRows - 1) {  // no row past 200
            table.keptUserLines.push_back(line);
            ++read.tableFull;
            continue;
        }
        ++table.lastCableRow;
        table.rows[static_cast<std::size_t>(table.lastCableRow)] = std::move(record);
        if (!complete) ended = true;  // a short line ends the reading; its begun row stays
    }
    AssignKindCodes(table);
    return read;
}

bool WriteUserCables(const std::string& path, const CableTable& table) {
    if (table.lastCableRow <= table.userSeparatorRow && table.keptUserLines.empty()) {
        std::error_code error;
        std::filesystem::remove(path, error);
        return !error;
    }
    std::string bytes;
    const int last = std::min<int>(table.lastCableRow, kCableRows - 1);
    for (int row = table.userSeparatorRow + 1; row <= last; ++row) {
        const CableRecord& record = table.rows[static_cast<std::size_t>(row)];
        for (int k = 0; k < kWrittenFields; ++k) {
            bytes += fieldForFile(record[static_cast<std::size_t>(k)]);
            bytes += '\t';
        }
        bytes += "\r\n";
    }
    for (const std::string& line : table.keptUserLines) bytes += line + "\r\n";
    return WriteFileAtomically(path, bytes);
}

}  // namespace cn3
