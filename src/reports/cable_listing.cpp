#include "reports/cable_listing.h"

#include <algorithm>
#include <string>

#include "core/cable_kind.h"
#include "reports/catalogue_table.h"
#include "reports/span_report.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 14, kBodySize = 10;
constexpr double kGroupGap = 60;  // before every group of five rows

bool OnPrinter(const ui::Surface& surface) {
    return surface.typeName() == "Printer";
}

// Whether less than two line heights remain below the current position.
bool PageFull(const ui::Surface& surface) {
    return surface.currentY() + 2 * surface.textHeight("X") > surface.scaleHeight();
}

// The family sections hold the cables whose names give their kind; the "User Defined"
// section, a kind no name gives, holds the user-defined cables (the rows after the
// separator), as the "User Defined" tab of the catalogue does.
bool InSection(const CableTable& table, int row, int family) {
    if (family == kUserDefinedKind) return row > table.userSeparatorRow;
    return CableKindOf(table.rows[static_cast<size_t>(row)][field::kName]) == family;
}

}  // namespace

void PrintListingHeading(Program& program, ui::Surface& surface, const ColumnStops& stops) {
    if (!OnPrinter(surface))
        surface.clear();
    else if (surface.currentY() > 0)
        surface.newPage();

    PrintLogoHeading(program, surface);
    surface.setFontSize(kTitleSize);
    PrintCentred(surface, "Cable Listing");
    surface.setFontSize(kBodySize);

    PrintCatalogueHeadings(program, surface, stops, "Cable Description");
}

void PrintCableListing(Program& program, ui::Surface& surface) {
    const ColumnStops stops = MakeColumnStops();
    const CableTable& table = program.cables;
    const int last = std::min<int>(table.lastCableRow, kCableRows - 1);
    surface.setScaleTwips(0, 0);
    bool firstSection = true;

    for (int f = 0; f < static_cast<int>(program.main.Check5.size()); ++f) {
        const ui::CheckBox& box = program.main.Check5[static_cast<size_t>(f)];
        if (!box.checked()) continue;
        if (firstSection || PageFull(surface)) {
            firstSection = false;
            PrintListingHeading(program, surface, stops);
        }
        EndLine(surface);
        surface.print(box.caption() + " Cables");

        int rowsPrinted = 0;
        for (int j = 1; j <= last; ++j) {
            if (!InSection(table, j, f)) continue;
            if (rowsPrinted++ % 5 == 0) surface.setCurrentY(surface.currentY() + kGroupGap);
            if (PageFull(surface)) PrintListingHeading(program, surface, stops);
            PrintCatalogueRow(program, surface, stops,
                              program.cables.rows[static_cast<size_t>(j)][field::kName], j);
        }
    }
    if (OnPrinter(surface)) surface.endDoc();
}

}  // namespace cn3
