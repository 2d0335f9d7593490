#include "reports/cable_listing.h"

#include <algorithm>
#include <string>
#include <vector>

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

// The section a cable row is listed in. The user-defined cables (the rows after the
// separator) are listed in "User Defined", whatever their names, and there only, as the
// "User Defined" tab of the catalogue does; the others in the family their name gives, an
// integrated messenger (11 to 13) in the family it belongs to (P 500 M with K5, LX 540 M with
// LX, ORF 24 SS with Fiber). A name of no kind is listed nowhere.
int SectionOf(const CableTable& table, int row) {
    if (row > table.userSeparatorRow) return kUserDefinedKind;
    const CableKind kind = CableKindOf(table.rows[static_cast<size_t>(row)][field::kName]);
    return IsSelfSupporting(kind) && kind != kNoKind ? kind - 10 : kind;
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
    std::string continued;  // the title of the section that goes on, while one does
    Pager pager(surface, {[&](ui::Surface& s) {
                              PrintListingTop(program, s, stops);
                              if (continued.empty()) return;
                              EndLine(s);
                              s.print(continued + " (continued)");
                          },
                          PageNumberFooter});
    bool firstSection = true;

    for (int f = 0; f < static_cast<int>(program.main.Check5.size()); ++f) {
        const ui::CheckBox& box = program.main.Check5[static_cast<size_t>(f)];
        if (!box.checked()) continue;
        std::vector<int> rows;
        for (int j = 1; j <= last; ++j)
            if (SectionOf(table, j) == f) rows.push_back(j);
        if (rows.empty()) continue;  // no title over nothing
        if (firstSection) {
            firstSection = false;
            PrintListingHeading(program, surface, stops);
        } else if (!pager.roomForLines(1)) {
            pager.newPage();
        }
        const std::string title = box.caption() + " Cables";
        EndLine(surface);
        surface.print(title);
        continued = title;

        int rowsPrinted = 0;
        for (int j : rows) {
            if (rowsPrinted++ % 5 == 0) surface.setCurrentY(surface.currentY() + kGroupGap);
            if (!pager.roomForLines(1)) pager.newPage();
            PrintCatalogueRow(program, surface, stops,
                              program.cables.rows[static_cast<size_t>(j)][field::kName], j);
        }
        continued.clear();
    }
    if (!firstSection) pager.finish();
}

}  // namespace cn3
