// The table of circles that the bundle diameter lays out and the bundle plot draws.
// Records after the cable circles have fixed roles counted from lastCircle: +1 the bundle
// circle, +2 the work circle, +3 the circumcentre, +4..+6 the far points, +7..+10 the
// perpendicular bisectors. The y axis points down, as on screen.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cn3 {

struct BundleCircle {
    std::int16_t id = 0;  // grid row of the cable, or for far points the circle they belong to
    float x = 0.0f;
    float y = 0.0f;
    float r = 0.0f;
    float spare = 0.0f;
};

inline constexpr int kBundleRecords = 41;  // indices 0..40

struct BundleLayout {
    std::array<BundleCircle, kBundleRecords> circles{};
    std::int16_t lastCircle = -1;  // index of the last cable circle
    std::int16_t passesLeft = 0;   // passes left in the refinement; 0 after a failed intersection

    BundleCircle& operator[](int i) { return circles.at(static_cast<size_t>(i)); }
    const BundleCircle& operator[](int i) const { return circles.at(static_cast<size_t>(i)); }
};

}  // namespace cn3
