// The program's one pi: 4 arctan 1 in double precision, as the computations have always
// formed it.
#pragma once

#include <cmath>

namespace cn3 {

inline const double kPi = 4.0 * std::atan(1.0);

}  // namespace cn3
