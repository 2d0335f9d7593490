// Connects every control event of the three windows to its operation. The worksheet, the
// selection and the bundle plot wire their own events; this adds the loading window's and the
// "EXIT" page, then calls theirs.
#pragma once

#include "forms/program.h"

namespace cn3 {

void WireEvents(Program& program);

}  // namespace cn3
