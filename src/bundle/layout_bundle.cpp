#include "bundle/layout_bundle.h"

#include <algorithm>
#include <array>

#include "bundle/bundle_geometry.h"
#include "bundle/pruned_refinement.h"

namespace cn3 {

namespace {

// The first ring in the order its circles lie around circle 0: 2, 1, 3, 4, ... 20.
constexpr std::array<int, 21> kRingOrder = {0,  2,  1,  3,  4,  5,  6,  7,  8,  9, 10,
                                            11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

// Largest first; circles of equal size keep their order.
void sortBySize(BundleLayout& layout) {
    auto first = layout.circles.begin();
    std::stable_sort(first, first + layout.lastCircle + 1,
                     [](const BundleCircle& a, const BundleCircle& b) { return a.r > b.r; });
}

// Moves each radius equal to its predecessor's by less than 0.001, so that no two touching
// neighbours are equal and the triangles of PlaceTangent stay proper. A move that would make
// a radius negative (equal cables of size 0) goes the other way instead.
void separateEqualSizes(BundleLayout& layout, PseudoRandom& random) {
    for (int j = 1; j <= layout.lastCircle; ++j) {
        if (layout[j].r != layout[j - 1].r) continue;
        const double shift = (0.5 - static_cast<double>(random.next())) * 0.002;
        double r = static_cast<double>(layout[j - 1].r) + shift;
        if (r < 0.0) r = static_cast<double>(layout[j - 1].r) - shift;
        layout[j].r = static_cast<float>(r);
    }
}

// Circle 0 in the middle, a first ring around it, then one circle into each groove of the
// first ring, from the groove before the closing circle back to the groove of circles 1 and 2.
LayoutOutcome placeCircles(BundleLayout& layout, double pi) {
    const int last = layout.lastCircle;
    layout[0].x = 0.0f;
    layout[0].y = 0.0f;
    if (last == 0) {
        // A single cable is its own bundle.
        layout[1].x = layout[0].x;
        layout[1].y = layout[0].y;
        layout[1].r = layout[0].r;
        return LayoutOutcome::Laid;
    }
    if (last >= 1) {
        PlaceFrom(layout, 1, 0, 0.0f,
                  static_cast<float>(static_cast<double>(layout[0].r) +
                                     static_cast<double>(layout[1].r)));
        EncloseTwo(layout, 0, 1, last + 1, pi);
    }
    if (last >= 2) PlaceTangent(layout, 1, 0, 2, pi);
    if (last >= 3) PlaceTangent(layout, 0, 1, 3, pi);

    bool ringOpen = true;
    int groove = 0;  // the ring circle whose groove with its predecessor is filled next
    for (int k = 4; k <= last; ++k) {
        if (ringOpen) {
            if (k > kLastFirstRingCircle) return LayoutOutcome::TooMany;
            PlaceTangent(layout, 0, k - 1, k, pi);
            float theta = 0.0f, d = 0.0f;
            BearingAndDistance(layout, 2, k, theta, d, pi);
            if (static_cast<double>(layout[k].r) + static_cast<double>(layout[2].r) >
                static_cast<double>(d)) {
                // Back round at circle 2: close the ring against it instead.
                ringOpen = false;
                groove = k - 1;
                PlaceTangent(layout, 2, k - 1, k, pi);
            }
            continue;
        }
        if (groove == 1) return LayoutOutcome::TooMany;  // every groove is taken
        PlaceTangent(layout, kRingOrder[static_cast<size_t>(groove)],
                     kRingOrder[static_cast<size_t>(groove - 1)], k, pi);
        --groove;
    }
    return LayoutOutcome::Laid;
}

// The smallest circle through the far sides of three cable circles that holds every cable
// circle; a triple counts only when its centre settled before the last pass.
void refine(BundleLayout& layout, double pi) {
    const int last = layout.lastCircle;
    const int centre = last + 2, circum = last + 3;
    double bestRadius = kNoEnclosure;
    float bestX = 0.0f, bestY = 0.0f;
    for (int i = 0; i <= last - 2; ++i)
        for (int j = i + 1; j <= last - 1; ++j)
            for (int k = j + 1; k <= last; ++k) {
                SettleTriple(layout, i, j, k, pi);
                // The containment test last: it is the dear one.
                if (layout.passesLeft > 0 && static_cast<double>(layout[centre].r) < bestRadius &&
                    AnyOutside(layout, centre) == 0) {
                    bestRadius = static_cast<double>(layout[centre].r);
                    bestX = layout[circum].x;
                    bestY = layout[circum].y;
                }
            }
    layout[last + 1].x = bestX;
    layout[last + 1].y = bestY;
    layout[last + 1].r = static_cast<float>(bestRadius);
}

}  // namespace

LayoutOutcome LayoutBundle(BundleLayout& layout, PseudoRandom& random, double pi,
                           Refinement refinement) {
    if (layout.lastCircle < 0) return LayoutOutcome::Laid;
    if (layout.lastCircle + 1 > kMaxBundleCables) return LayoutOutcome::TooMany;
    sortBySize(layout);
    separateEqualSizes(layout, random);
    if (placeCircles(layout, pi) == LayoutOutcome::TooMany) return LayoutOutcome::TooMany;
    // Placement widened the bundle circle to the largest pair enclosure; that may still miss.
    if (layout.lastCircle >= 1 && AnyOutside(layout, layout.lastCircle + 1) == 1) {
        if (refinement == Refinement::Pruned)
            RefinePruned(layout, pi);
        else
            refine(layout, pi);
    }
    return LayoutOutcome::Laid;
}

}  // namespace cn3
