// The cable listing: the cable table printed by family, one section per family ticked in the
// "Print" frame (Check5: Strand, K5, LX, Fiber, Drop, User Defined), with the logo, the title
// and the column headings repeated on every page and "Page n of m" at the foot of each.
//
// A cable's family is the kind its name gives it; an integrated messenger (kinds 11 to 13)
// is listed with its family (P 500 M under K5), and a name of no kind nowhere. The "User
// Defined" section lists the user-defined cables, whatever their names, and they appear in no
// other section. A family with no cables prints no section. Rows come in groups of five, each
// group 60 twips below the one before; a page ends while less than two line heights remain
// below a row (the last is the footer's), and a section that goes on over a page break
// repeats its title there with "(continued)".
#pragma once

#include "forms/program.h"
#include "reports/text_placement.h"
#include "ui/surface.h"

namespace cn3 {

// Starts a page of the listing: on a printer a new page unless nothing is printed yet (the
// current y is 0), elsewhere a cleared surface; then the logo, "Cable Listing" and the
// column headings, leaving the current y 50 twips under "Cable Description".
void PrintListingHeading(Program& program, ui::Surface& surface, const ColumnStops& stops);

// Prints the sections of the ticked families in twips from the left edge of the page; the
// host ends the document. With no family ticked nothing is printed.
void PrintCableListing(Program& program, ui::Surface& surface);

}  // namespace cn3
