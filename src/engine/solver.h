// The span mechanics: a parabolic cable between level supports whose tension is the
// horizontal tension of the parabola and whose stretch is linear in tension. Pure functions
// of 32-bit floats in feet, inches (diameters, ice), pounds and pounds per foot;
// intermediates are formed in double and each result is rounded to a float.
#pragma once

#include "core/pi.h"

namespace cn3 {

// Length of the parabola of span L (ft) and midspan sag D (ft): L + 8 D^2 / (3 L).
// Span 100, sag 1 gives 100.026667 ft.
float CableLength(float L, float D);

// Horizontal tension (lb) of a parabola of load w (lb/ft), span L (ft) and sag D (ft):
// w L^2 / (8 D). Span 100, sag 1, 0.5 lb/ft gives 625 lb.
float ParabolicTension(float w, float L, float D);

// The sag (ft) at which a cable of stress-free length S0 (ft), load w (lb/ft) and axial
// stiffness EA (lb), stretched by its own tension, spans L (ft). It is the positive root of
// D^3 + A D + B with A = 3 L (L - S0) / 8 and B = -3 S0 w L^3 / (64 EA), found by halving a
// search interval to a resolution of about 0.00001 ft. The interval is 0..128 ft and is
// doubled, as often as needed, when the root lies deeper.
float SolveSag(float L, float S0, float w, float EA);

// The load on a cable bundle of diameter d (in) under radial ice t (in) of 57 lb/ft3, wind
// pressure p (lb/ft2) on the iced diameter and an additive load constant K (lb/ft), for a
// bare load w (lb/ft). The angle (radians) is that of the load vector from the vertical.
struct ConditionLoads {
    float vertical;   // w plus ice, lb/ft
    float resultant;  // of vertical and wind, plus K, lb/ft
    float angle;      // atan(wind / vertical), radians
};
ConditionLoads ConditionLoad(float d, float t, float p, float w, float K);

}  // namespace cn3
