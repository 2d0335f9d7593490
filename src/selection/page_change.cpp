// Turning the main pages: leaving "Cables" for a page that shows results needs a cable that
// carries the span, and result pages are recomputed. ("EXIT" is handled where events are wired.)
#include "selection/page_change.h"

#include <string_view>

#include "core/cable_kind.h"
#include "engine/recompute.h"
#include "selection/selection.h"

namespace cn3 {

namespace {

bool selectionHasCarrier(const Program& program) {
    const ui::Grid& selected = program.main.Grid2;
    for (int r = 1; r < selected.rows() - 1; ++r) {
        if (CarriesSpan(CableKindOf(selected.text(r, 1)))) return true;
    }
    return false;
}

}  // namespace

void SSTab1_Click(Program& program, int previousTab) {
    MainForm& form = program.main;
    const int page = form.SSTab1.tab();

    if (page == page::kExit) return;  // the window closes; nothing is left to compute
    if (page < page::kFilesPrint && previousTab == page::kCables && !selectionHasCarrier(program)) {
        program.dialogs->message("Error - No Carrier Strand or Integrated Messenger found.");
        form.SSTab1.restoreTab(previousTab);
        return;
    }
    if (page > page::kCables && page != page::kHelp) Recompute(program);
}

}  // namespace cn3
