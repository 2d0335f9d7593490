#include "core/catalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/cable_kind.h"
#include "core/catalogue_columns.h"
#include "core/item_reader.h"
#include "core/raw_text_file.h"
#include "core/text_file.h"

namespace cn3 {
namespace {

constexpr const char* kWhat = "catalogue file";

// The highest unit kind a catalogue list may name.
constexpr int kLastUnitKind = static_cast<int>(std::tuple_size_v<UnitTable>) - 1;
// Catalogue rows 1..n plus the separator row n + 1 must fit in rows 1..200.
constexpr int kMostCableLines = kCableRows - 2;

// Reads the file in its order; the first fault stops it and is kept in `error`.
class CatalogueParser {
  public:
    CatalogueParser(std::string path, const std::vector<std::string>& lines)
        : path_(std::move(path)), lines_(lines), items_(lines, 0) {}

    std::optional<FileError> error;

    bool readHelp(Catalogue& catalogue) {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i] == "END") {
                items_ = ItemReader(lines_, i + 1);
                return true;
            }
            catalogue.helpLines.push_back(Latin1ToUtf8(lines_[i]));
        }
        return fail(static_cast<int>(lines_.size()), "the help text has no closing line \"END\"");
    }

    bool readUnits(Catalogue& catalogue) {
        for (int kind = 0; kind <= 13; ++kind) {
            UnitRow& row = catalogue.units[static_cast<std::size_t>(kind)];
            const std::string what = "unit row " + std::to_string(kind);
            std::string ignoredName;
            if (!text(what + " name", ignoredName) ||
                !text(what + " English label", row.englishLabel) ||
                !text(what + " metric label", row.metricLabel) ||
                !number(what + " factor", row.factor) || !number(what + " offset", row.offset)) {
                return false;
            }
        }
        return true;
    }

    bool readLoadings(Catalogue& catalogue) {
        for (int index = 0; index < static_cast<int>(catalogue.loadings.size()); ++index) {
            LoadingRecord& record = catalogue.loadings[static_cast<std::size_t>(index)];
            const std::string what = "loading " + std::to_string(index);
            std::string name;
            if (!text(what + " name", name) || !number(what + " temperature", record.temperature) ||
                !number(what + " ice thickness", record.iceThickness) ||
                !number(what + " wind pressure", record.windPressure) ||
                !number(what + " load constant", record.loadConstant)) {
                return false;
            }
            record.name = LoadingName13(name);
        }
        return true;
    }

    bool readTemperatures(Catalogue& catalogue) {
        if (!whole("lower end of the installed temperature", catalogue.tempLow) ||
            !whole("upper end of the installed temperature", catalogue.tempHigh) ||
            !whole("starting installed temperature", catalogue.tempStart)) {
            return false;
        }
        if (catalogue.tempLow > catalogue.tempHigh || catalogue.tempStart < catalogue.tempLow ||
            catalogue.tempStart > catalogue.tempHigh) {
            return fail(items_.lineNumber(),
                        "the installed temperatures must read lower end, upper end, then a "
                        "starting value between them");
        }
        return true;
    }

    bool readResultColumns(Catalogue& catalogue) {
        // Result kinds are kept as read; their whole-number part is the kind.
        for (std::size_t k = 0; k < catalogue.resultUnitKinds.size(); ++k) {
            const std::string what = "unit kind of result column " + std::to_string(k);
            float kind = 0.0f;
            if (!number(what, kind)) return false;
            if (!(std::trunc(kind) >= 0.0f && std::trunc(kind) <= kLastUnitKind)) {
                return fail(items_.lineNumber(),
                            "the " + what + " must lie in 0 to " + std::to_string(kLastUnitKind));
            }
            catalogue.resultUnitKinds[k] = kind;
        }
        for (std::size_t k = 0; k < catalogue.resultFormats.size(); ++k) {
            if (!text("pattern of result column " + std::to_string(k),
                      catalogue.resultFormats[k])) {
                return false;
            }
        }
        return true;
    }

    bool readCatalogueColumns(Catalogue& catalogue) {
        for (std::size_t k = 0; k < catalogue.columnUnitKinds.size(); ++k) {
            if (!unitKind("unit kind of catalogue column " + std::to_string(k),
                          catalogue.columnUnitKinds[k])) {
                return false;
            }
        }
        for (std::size_t k = 0; k < catalogue.columnFormats.size(); ++k) {
            if (!text("pattern of catalogue column " + std::to_string(k),
                      catalogue.columnFormats[k])) {
                return false;
            }
        }
        return true;
    }

    bool readHeadingsAndCables(Catalogue& catalogue, std::uint8_t metricUnits) {
        std::size_t line = items_.nextLineIndex();
        std::array<std::string, 5> raw;
        for (std::size_t k = 0; k < raw.size(); ++k, ++line) {
            if (line >= lines_.size()) {
                return fail(static_cast<int>(lines_.size()),
                            "the file ends before heading line H" + std::to_string(k + 1));
            }
            raw[k] = lines_[line];
            catalogue.headingLines[k] = Latin1ToUtf8(raw[k]);
        }
        const auto starts = FindColumnStarts(raw[3]);
        if (!starts) {
            return fail(static_cast<int>(line) - 1,
                        "the English unit heading line H4 holds fewer than seven \"(\"");
        }

        CableTable& table = catalogue.cables;
        for (int metric = 0; metric < 2; ++metric) {
            const std::array<const std::string*, 4> headingRows = {
                &raw[0], &raw[1], &raw[2], metric != 0 ? &raw[4] : &raw[3]};
            for (int column = 0; column < kCatalogueColumns; ++column) {
                std::string heading;
                for (std::size_t k = 0; k < headingRows.size(); ++k) {
                    if (k > 0) heading += kHeaderBreak;
                    heading += Latin1ToUtf8(CutHeadingColumn(*headingRows[k], *starts, column));
                }
                catalogue.headings[static_cast<std::size_t>(metric)]
                                  [static_cast<std::size_t>(column)] = heading;
            }
        }
        const auto& shown = catalogue.headings[metricUnits != 0 ? 1 : 0];
        std::copy(shown.begin(), shown.end(), table.rows[0].begin());

        int n = 0;
        for (; line < lines_.size(); ++line) {
            if (n == kMostCableLines) {
                return fail(static_cast<int>(line) + 1,
                            "more than " + std::to_string(kMostCableLines) +
                                " cable lines; the cable table holds no more");
            }
            ++n;
            const std::string& text = lines_[line];
            if (text.size() <= 2) continue;  // a blank or near-blank line keeps its row empty
            for (int column = 0; column < kCatalogueColumns; ++column) {
                table.rows[static_cast<std::size_t>(n)][static_cast<std::size_t>(column)] =
                    Latin1ToUtf8(CutCableColumn(text, *starts, column));
            }
        }
        const int separator = n + 1;
        table.rows[static_cast<std::size_t>(separator)][field::kName] =
            std::string("User Defined") + std::string(kHeaderBreak) + "Cables";
        table.userSeparatorRow = static_cast<std::int16_t>(separator);
        table.lastCableRow = static_cast<std::int16_t>(separator);
        AssignKindCodes(table);
        return true;
    }

  private:
    bool fail(int line, std::string fault) {
        error = FileError{kWhat, path_, line, std::move(fault)};
        return false;
    }

    bool nextItem(const std::string& what, std::string& item) {
        auto next = items_.next();
        if (!next) {
            return fail(items_.lineNumber(), "the file ends where the " + what + " is due");
        }
        item = std::move(*next);
        return true;
    }

    bool text(const std::string& what, std::string& out) {
        std::string item;
        if (!nextItem(what, item)) return false;
        out = Latin1ToUtf8(item);
        return true;
    }

    bool decimal(const std::string& what, double& out) {
        std::string item;
        if (!nextItem(what, item)) return false;
        const auto value = ParseDecimal(item);
        if (!value) {
            return fail(items_.lineNumber(),
                        "the " + what + " must be a number, not \"" + Latin1ToUtf8(item) + "\"");
        }
        out = *value;
        return true;
    }

    bool number(const std::string& what, float& out) {
        double value = 0.0;
        if (!decimal(what, value)) return false;
        out = static_cast<float>(value);
        return true;
    }

    // A 16-bit whole number; a fraction rounds to the nearest (halves to even).
    bool whole(const std::string& what, std::int16_t& out) {
        double value = 0.0;
        if (!decimal(what, value)) return false;
        const double rounded = std::nearbyint(value);
        if (rounded < std::numeric_limits<std::int16_t>::min() ||
            rounded > std::numeric_limits<std::int16_t>::max()) {
            return fail(items_.lineNumber(), "the " + what + " lies outside -32768 to 32767");
        }
        out = static_cast<std::int16_t>(rounded);
        return true;
    }

    bool unitKind(const std::string& what, std::int16_t& out) {
        if (!whole(what, out)) return false;
        if (out < 0 || out > kLastUnitKind) {
            return fail(items_.lineNumber(),
                        "the " + what + " must lie in 0 to " + std::to_string(kLastUnitKind));
        }
        return true;
    }

    std::string path_;
    const std::vector<std::string>& lines_;
    ItemReader items_;
};

}  // namespace

FileResult<Catalogue> ReadCatalogue(const std::string& path, std::uint8_t metricUnits) {
    const auto lines = ReadRawLines(kWhat, path);
    if (!lines) {
        if (IsMissingFile(lines.error())) return FileError{kWhat, path, 0, "cannot be opened"};
        return lines.error();
    }

    Catalogue catalogue;
    CatalogueParser parser(path, *lines);
    const bool complete = parser.readHelp(catalogue) && parser.readUnits(catalogue) &&
                          parser.readLoadings(catalogue) && parser.readTemperatures(catalogue) &&
                          parser.readResultColumns(catalogue) &&
                          parser.readCatalogueColumns(catalogue) &&
                          parser.readHeadingsAndCables(catalogue, metricUnits);
    if (!complete) return *parser.error;
    return catalogue;
}

void AssignKindCodes(CableTable& table) {
    const int last = std::min<int>(table.lastCableRow, kCableRows - 1);
    for (int row = 0; row <= last; ++row) {
        CableRecord& record = table.rows[static_cast<std::size_t>(row)];
        std::string code = "255";
        if (row != 0 && !record[field::kName].empty()) {
            code = row > table.userSeparatorRow ? std::to_string(kUserDefinedKind)
                                                : std::to_string(CableKindOf(record[field::kName]));
        }
        record[field::kKindCode] = code;
    }
}

}  // namespace cn3
