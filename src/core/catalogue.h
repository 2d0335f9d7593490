// The catalogue file CABLEDAT.TXT: help text, unit rows, loadings, installed-temperature
// range, result and column patterns, grid headings and the catalogue cables.
// Reading is all or nothing: any fault gives a FileError naming the file and line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/cable_table.h"
#include "core/catalogue_columns.h"
#include "core/file_error.h"
#include "core/loading_table.h"
#include "core/unit_table.h"

namespace cn3 {

struct Catalogue {
    std::vector<std::string> helpLines;
    UnitTable units;        // rows 0..13 filled
    LoadingTable loadings;  // 0..6, names cut/padded to 13
    std::int16_t tempLow = 0, tempHigh = 0,
                 tempStart = 0;  // installed temperature: lower end, upper end, start
    std::array<float, 11> resultUnitKinds{};
    std::array<std::string, 11> resultFormats;
    std::array<std::int16_t, 10> columnUnitKinds{};
    std::array<std::string, 10> columnFormats;
    std::array<std::string, 5> headingLines;  // H1..H5 as read
    CableTable cables;  // row 0 headings (H5 in place of H4 when metric), rows 1..n, separator
    // Row 0 under either unit system, [0] English (H4) and [1] metric (H5), so that a span file
    // saved under the other system can bring the matching headings.
    std::array<std::array<std::string, kCatalogueColumns>, 2> headings;
};

FileResult<Catalogue> ReadCatalogue(const std::string& path, std::uint8_t metricUnits);

// Sets field::kKindCode of every row 0..lastCableRow from the row's name.
void AssignKindCodes(CableTable& table);

}  // namespace cn3
