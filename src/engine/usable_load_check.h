// The usable-load check of the shown loadings: which drawn rows of the loading table take the
// support past its usable load (60 % of its rated breaking strength, the "Max Load" of the
// results text, for a strand, an integrated messenger and a drop alike), and the one line that
// says so under the table. It reads the solution and the loading window's ticks; it draws
// nothing but the tension marks.
#pragma once

#include <string>
#include <vector>

#include "engine/loading_table_drawing.h"
#include "engine/shown_loadings.h"
#include "engine/span_solution.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

struct RowCheck {
    int row = 0;           // loading table row, 1..5
    float tension = 0.0f;  // lb
    float excess = 0.0f;   // lb over the usable load; 0 when within it
    bool over() const { return excess > 0.0f; }
};

struct UsableLoadCheck {
    bool rated = false;          // the support has a rated breaking strength to check against
    float usableLoad = 0.0f;     // lb
    std::vector<RowCheck> rows;  // the drawn rows, in order
    bool anyOver() const;
};

UsableLoadCheck CheckUsableLoad(const Program& program, const SpanSolution& solution);

// "All shown loadings are within the usable load of 3,990 lbs." or "Over the usable load of
// 3,990 lbs: Rule 251 - Heavy by 1,234 lbs, Extreme Wind by 56 lbs." in display units.
std::string UsableLoadCheckLine(const Program& program, const UsableLoadCheck& check);

// Frames the tension of every row over the usable load with a red box, which a printer in
// black and white still shows as a box. `mode` is the table's (screen or printed).
void MarkOverloadedTensions(const UsableLoadCheck& check, const std::vector<DrawnTableRow>& rows,
                            ui::Surface& target, int mode);

}  // namespace cn3
