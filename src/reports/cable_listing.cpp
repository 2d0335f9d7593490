#include "reports/cable_listing.h"

#include <algorithm>
#include <string>

#include "core/cable_kind.h"
#include "reports/catalogue_table.h"
#include "reports/pager.h"
#include "reports/span_report.h"

namespace cn3 {

namespace {

constexpr double kTitleSize = 14, kBodySize = 10;
constexpr double kGroupGap = 60;  // before every group of five rows

bool OnPrinter(const ui::Surface& surface) {
    return surface.typeName() == "Printer";
}

// The family sections hold the cables whose names give their kind; the "User Defined"
// section, a kind no name gives, holds the user-defined cables (the rows after the
// separator), as the "User Defined" tab of the catalogue does.
bool InSection(const CableTable& table, int row, int family) {
    if (family == kUserDefinedKind) return row > table.userSeparatorRow;
    return CableKindOf(table.rows[static_cast<size_t>(row)][field::kName]) == family;
}

// The logo, "Cable Listing" and the column headings from the top of the page.
void PrintListingTop(Program& program, ui::Surface& surface, const ColumnStops& stops) {
    PrintLogoHeading(program, surface);
    surface.setFontSize(kTitleSize);
    PrintCentred(surface, "Cable Listing");
    surface.setFontSize(kBodySize);
    PrintCatalogueHeadings(program, surface, stops, "Cable Description");
}

}  // namespace

void PrintListingHeading(Program& program, ui::Surface& surface, const ColumnStops& stops) {
    if (!OnPrinter(surface))
        surface.clear();
    else if (surface.currentY() > 0)
        surface.newPage();
    PrintListingTop(program, surface, stops);
}

void PrintCableListing(Program& program, ui::Surface& surface) {
    const ColumnStops stops = MakeColumnStops();
    const CableTable& table = program.cables;
    const int last = std::min<int>(table.lastCableRow, kCableRows - 1);
    surface.setScaleTwips(0, 0);
    Pager pager(surface, {[&](ui::Surface& s) { PrintListingTop(program, s, stops); }, {}});
    bool firstSection = true;

    for (int f = 0; f < static_cast<int>(program.main.Check5.size()); ++f) {
        const ui::CheckBox& box = program.main.Check5[static_cast<size_t>(f)];
        if (!box.checked()) continue;
        if (firstSection) {
            firstSection = false;
            PrintListingHeading(program, surface, stops);
        } else if (!pager.roomForLines(1)) {
            pager.newPage();
        }
        EndLine(surface);
        surface.print(box.caption() + " Cables");

        int rowsPrinted = 0;
        for (int j = 1; j <= last; ++j) {
            if (!InSection(table, j, f)) continue;
            if (rowsPrinted++ % 5 == 0) surface.setCurrentY(surface.currentY() + kGroupGap);
            if (!pager.roomForLines(1)) pager.newPage();
            PrintCatalogueRow(program, surface, stops,
                              program.cables.rows[static_cast<size_t>(j)][field::kName], j);
        }
    }
    if (!firstSection) pager.finish();
}

}  // namespace cn3
