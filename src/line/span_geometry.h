// The geometry of a pole line's spans: the ruling span, a span's sag from the ruling span's,
// the strand's lowest clearance over the ground line and the lowest point of the strand.
// Intermediates in double, results rounded to floats as the span mechanics round them.
#pragma once

#include <vector>

namespace cn3::line {

// RS = sqrt(sum L^3 / sum L): the one span whose tension the whole run shares. Spans of 100,
// 150 and 200 ft give 165.83 ft; a single span is its own ruling span.
float RulingSpan(const std::vector<float>& lengths);

// A span's sag from the ruling span's sag at the same tension: D * (L / RS)^2.
float ScaledSag(float rulingSag, float length, float rulingSpan);

// The strand's height above the straight ground line at x from the back pole, for
// attachment heights hA and hB and midspan sag D over a span L:
// hA + (hB - hA) x / L - 4 D x (L - x) / L^2.
float ClearanceAt(float hA, float hB, float D, float L, float x);

struct LowestClearance {
    float height = 0.0f;  // ft above the ground line
    float x = 0.0f;       // ft from the back pole
};

// The minimum of ClearanceAt over the span: where the parabola's slope is 0,
// x = L/2 - (hB - hA) L / (8 D), clamped to the span (a steep span is lowest at its low end).
LowestClearance MinimumClearance(float hA, float hB, float D, float L);

// Where the strand's lowest point lies, from the back pole, for attachment elevations zA and
// zB: L/2 - (zB - zA) L / (8 D). It may fall outside the span (below 0 or past L), when the
// strand rises all the way from one pole to the other.
float LowPoint(float zA, float zB, float D, float L);

}  // namespace cn3::line
