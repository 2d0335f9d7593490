// Connects the "Pole Line" window's control events to their operations, and the session to
// the program: a recomputed worksheet, a changed cable selection or bundle diameter and a
// switch of the unit system work the line out again (at once while the window shows, else
// when it next opens), and the exit path asks about an unsaved line. The program's events
// outlive no session: their listeners do nothing once it is gone.
#pragma once

#include "line/line_session.h"

namespace cn3::line {

void WireLineEvents(LineSession& session);

// The window opens: the line is worked out afresh when the worksheet changed meanwhile.
void ShowLineWindow(LineSession& session);

}  // namespace cn3::line
