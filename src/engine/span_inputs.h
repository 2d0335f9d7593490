// The span entries, sag mode and installed temperature as the computation reads them, in
// internal units. Read afresh on every recomputation; nothing here is kept between runs.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Indices of the span entries Text9[0..4].
namespace entry {
inline constexpr int kSpanLength = 0, kSag = 1, kPointDistance = 2, kClearance = 3, kCreep = 4;
}

struct SpanInputs {
    float span = 0.0f;                  // L, ft
    float sag = 0.0f;                   // D, ft, after the sag-mode rule
    float pointDistance = 0.0f;         // x, ft
    float clearance = 0.0f;             // C, ft
    float creep = 0.0f;                 // a fraction: 0.05 lengthens the cable by 5 %
    float installedTemperature = 0.0f;  // Ti, deg F
};

// A length entry: its leading number (thousands groups read whole, so "1,500" is 1500, as the
// results text writes it) taken from display units into feet, kept to three decimals of a
// foot as the entry pattern shows them. The other entries read their numbers the same way.
float ReadLengthEntry(const Program& program, int index);

// In percent mode the sag entry is a plain percentage of the span: 2 on 150 ft is 3 ft.
SpanInputs ReadSpanInputs(const Program& program);

// A clearance is given when its entry reads as a number other than 0; the temperature table
// then shows the clearance column and heads it with the entry.
bool ClearanceGiven(const MainForm& main);

}  // namespace cn3
