// The circle geometry of the bundle layout: every operation addresses circles by their index
// in the BundleLayout and writes its results there. Arithmetic runs in double precision and
// every value stored into the table, or handed back, is rounded to single precision.
//
// Bearings are radians from the +x direction towards smaller y (the y axis points down, as on
// screen), so a centre straight above another lies at bearing pi/2.
#pragma once

#include "forms/bundle_layout.h"

namespace cn3 {

// x(n) = x(ref) + d cos(bearing); y(n) = y(ref) - d sin(bearing).
void PlaceFrom(BundleLayout& layout, int n, int ref, float bearing, float distance);

// Bearing (0 to 2 pi) and distance from centre a to centre b. Coincident centres give pi/2.
void BearingAndDistance(const BundleLayout& layout, int a, int b, float& bearing, float& distance,
                        double pi);

// The distance part of BearingAndDistance alone, for callers that need no bearing.
float DistanceBetween(const BundleLayout& layout, int a, int b);

// The angle opposite side s1 of the triangle with sides s1, s2, s3, from the inscribed
// radius. Sides that do not quite form a triangle (a zero-size circle makes it flat) give the
// flat angle: pi when s1 is the longest, 0 when another side is.
float TriangleAngle(float s1, float s2, float s3, double pi);

// Circle c through the far sides of a and b along their centre line.
void EncloseTwo(BundleLayout& layout, int a, int b, int c, double pi);

// Places circle n touching a and b from outside (anticlockwise from a, seen from b), then
// widens the bundle circle to the largest enclosure of n with each circle before it.
void PlaceTangent(BundleLayout& layout, int a, int b, int n, double pi);

// The line through e1, e2 meets the line through g1, g2 at out. Parallel lines or a result
// out of range put out at (0, 0) and set passesLeft to 0.
void IntersectLines(BundleLayout& layout, int e1, int e2, int g1, int g2, int out);

// Centre of the circle through base+1..base+3, written into base; base+4..base+7 hold the
// two perpendicular bisectors on the way.
void Circumcentre(BundleLayout& layout, int base, double pi);

// 1 when some cable circle reaches out of circle c by more than 0.005, else 0.
int AnyOutside(const BundleLayout& layout, int c);

}  // namespace cn3
