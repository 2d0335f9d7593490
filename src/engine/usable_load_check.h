// The usable-load check: whether the installed tension, the tensions of the temperature table
// and the drawn rows of the loading table keep the support within its usable load (60 % of its
// rated breaking strength, the "Max Load" of the results text, for a strand, an integrated
// messenger and a drop alike), and the one line that says so under the table. It reads the
// solution and the loading window's ticks; it draws nothing but the tension marks.
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
    std::vector<RowCheck> rows;  // the drawn rows of the loading table, in order
    RowCheck installed;          // row 0: the installed tension
    RowCheck coldest;            // row 0: the temperature-table row of the highest tension
    int coldestTemperature = 0;  // deg F, that row's temperature
    bool anyOver() const;
};

UsableLoadCheck CheckUsableLoad(const Program& program, const SpanSolution& solution);

// "Installed, -40 to 140 F and every shown loading are within the usable load of 3,990 lbs;
// the highest tension is 2,345 lbs (Rule 251 - Heavy)." or "Over the usable load of 3,990
// lbs: installed by 10 lbs, -40 F by 25 lbs, Rule 251 - Heavy by 1,234 lbs (the worst)." in
// display units.
std::string UsableLoadCheckLine(const Program& program, const UsableLoadCheck& check);

// Frames the tension of every row over the usable load with a red box, which a printer in
// black and white still shows as a box. `mode` is the table's (screen or printed).
void MarkOverloadedTensions(const UsableLoadCheck& check, const std::vector<DrawnTableRow>& rows,
                            ui::Surface& target, int mode);

}  // namespace cn3
