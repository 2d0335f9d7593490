// The program's uniform pseudo-random sequence in [0, 1). Seeded once with a fixed value and
// never reseeded, so a run repeats from one program start to the next.
#pragma once

#include <cstdint>
#include <random>

namespace cn3 {

class PseudoRandom {
  public:
    // The next value, a multiple of 2^-24 in [0, 1) (exact in single precision).
    float next() { return static_cast<float>(engine_() >> 8) / 16777216.0f; }

  private:
    std::mt19937 engine_{19610u};
};

}  // namespace cn3
