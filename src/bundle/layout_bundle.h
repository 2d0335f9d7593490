// Lays the cable circles of a BundleLayout out as touching circles around the largest one and
// finds a small circle enclosing them all (the bundle circle, at lastCircle + 1).
//
// The layout runs at twice the real scale: a cable circle's radius is the cable's diameter,
// so the bundle circle's radius is the bundle diameter. The caller fills ids and radii of
// circles 0..lastCircle; positions are written here.
#pragma once

#include "forms/bundle_layout.h"
#include "forms/pseudo_random.h"

namespace cn3 {

// The cable circles and the ten work records after them must fit into the table.
inline constexpr int kMaxBundleCables = kBundleRecords - 10;  // 31
// The first ring lists its circles in a table of 21 entries, so it must close by circle 21.
inline constexpr int kLastFirstRingCircle = 20 + 1;

enum class LayoutOutcome {
    Laid,     // every circle placed and the bundle circle set
    TooMany,  // the selection does not fit; the layout is left part-way
};

// How the refinement goes through the triples. Both give the same layout to the last bit;
// Plain settles every triple, Pruned first settles a few outer triples out of turn for a
// radius the answer cannot exceed and then leaves out the triples that provably cannot give
// the answer (bundle/pruned_refinement.h). Plain is kept as the reference the tests hold the
// pruned one to.
enum class Refinement { Plain, Pruned };

LayoutOutcome LayoutBundle(BundleLayout& layout, PseudoRandom& random, double pi,
                           Refinement refinement = Refinement::Pruned);

}  // namespace cn3
