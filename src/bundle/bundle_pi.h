// The program's pi for the bundle operations: the start-up value, or 4 * atan(1) when the
// program has not set it (a test's Program, say).
#pragma once

#include <cmath>

#include "forms/program.h"

namespace cn3 {

inline double BundlePi(const Program& program) {
    return program.pi != 0.0 ? program.pi : 4.0 * std::atan(1.0);
}

}  // namespace cn3
