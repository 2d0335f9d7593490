// Works the line out as the window holds it: the default clearance and the installation, the
// pole grid, strung with the worksheet in use; then shows the headline, the span results, the
// stringing chart and the profile, or says why there are none. Every edit in the window and
// every recomputation of the worksheet comes here.
//
// The worksheet in use is the program's. While that one cannot be worked out (no cable
// selected, say) and the line came from a file, the line is strung with the worksheet the file
// was saved with, and the notes say so; they also say when the file's worksheet differs from
// the program's. Save stores the worksheet in use.
#pragma once

#include "line/line_session.h"

namespace cn3::line {

void RecomputeLine(LineSession& session);

// The results shown afresh from the session's solution (none: blank grids and profile).
void ShowLineResults(LineSession& session);

}  // namespace cn3::line
