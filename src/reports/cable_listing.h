// The cable listing: the cable table printed by family, one section per family ticked in the
// "Print" frame (Check5: Strand, K5, LX, Fiber, Drop, User Defined), with the logo, the title
// and the column headings repeated on every page.
//
// A cable's family is the kind its name gives it, so integrated messengers (kinds 11 to 13)
// and names of no kind appear in no family section. No name gives the "User Defined" kind;
// that section lists the user-defined cables (whatever their names, so "P 999" of the user's
// shows under K5 too). Rows come in groups of five, each group 60 twips below the one before;
// a page ends while less than two line heights remain below a row.
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
