// The refinement of the bundle circle, one triple of cable circles at a time, and the pruned
// way through the triples.
//
// Why triples may be left out. A triple is accepted when its centre settled, its circle holds
// every cable circle (none reaches out by more than 0.005) and its radius is below the best so
// far; the answer is the first triple, in the i < j < k order, of the smallest accepted
// radius m. Its circle passes through the far points of circles i, j and k (through that of i
// by its radius, through the others to the rounding of the circumcentre), so each of the three
// reaches at least to its edge; and it holds every pair of circles, so its radius is at least
// G - 0.005, G being the largest two-circle enclosure. Settling a few outer triples first gives
// a radius B that an accepted triple reaches, so m <= B, and the answer's centre lies where
// every circle is held by a circle of radius B + 0.005: inside a polygon found from the
// circles. A circle that, from anywhere in that polygon, cannot reach G - 0.005 cannot be the
// i, j or k of the answer; nor can a triple whose largest two-circle enclosure is beyond the
// best radius found. Each bound keeps 0.002 to spare for rounding. Triples left out are not
// the answer, and every triple settled is settled exactly as in the plain order, so the bundle
// circle is the same to the last bit. The last triple is always settled, so that the work
// records end as the plain order leaves them.
#pragma once

#include "forms/bundle_layout.h"

namespace cn3 {

inline constexpr double kNoEnclosure = 999.0;  // radius reported when no triple encloses
inline constexpr int kRefinementPasses = 10;

// For one triple: moves the centre C to the circumcentre of the three points of the circles
// farthest from it until it settles; passesLeft is left above 0 only when it settled in time
// and no line intersection failed. C ends in record lastCircle + 2 with the radius, the
// circumcentre in lastCircle + 3.
void SettleTriple(BundleLayout& layout, int i, int j, int k, double pi);

// The refinement with the triples that cannot give the answer left out.
void RefinePruned(BundleLayout& layout, double pi);

}  // namespace cn3
