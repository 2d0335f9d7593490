#include "bundle/bundle_turn.h"

#include "bundle/bundle_geometry.h"
#include "core/cable_kind.h"

namespace cn3 {

int FindStrandCircle(const Program& program) {
    const BundleLayout& layout = program.bundle;
    for (int i = layout.lastCircle; i >= 0; --i) {
        const std::string& name = program.main.Grid2.text(layout[i].id, 1);
        if (CableKindOf(name) == kStrandKind) return i;
    }
    return -1;
}

void TurnStrandToTop(BundleLayout& layout, int strand, double pi) {
    const int bundle = layout.lastCircle + 1;
    float strandBearing = 0.0f, strandDistance = 0.0f;
    BearingAndDistance(layout, bundle, strand, strandBearing, strandDistance, pi);
    for (int k = 0; k <= layout.lastCircle; ++k) {
        float bearing = 0.0f, distance = 0.0f;
        BearingAndDistance(layout, bundle, k, bearing, distance, pi);
        const double turned =
            pi / 2.0 + static_cast<double>(bearing) - static_cast<double>(strandBearing);
        PlaceFrom(layout, k, bundle, static_cast<float>(turned), distance);
    }
}

}  // namespace cn3
