#include "bundle/bundle_geometry.h"
#include "core/pi.h"

#include <cmath>

#include <gtest/gtest.h>

namespace cn3 {
namespace {

TEST(bundle_geometry_test, triangle_angles_of_flat_triangles_stay_defined) {
    EXPECT_NEAR(TriangleAngle(5, 3, 4, kPi), kPi / 2, 1e-6);
    EXPECT_NEAR(TriangleAngle(3, 1, 2, kPi), kPi, 1e-6) << "first side longest";
    EXPECT_NEAR(TriangleAngle(3.0000002f, 1, 2, kPi), kPi, 1e-6) << "past flat by rounding";
    EXPECT_NEAR(TriangleAngle(1, 3, 2, kPi), 0.0, 1e-6) << "first side shortest";
}

// Lines through e1, e2 and g1, g2 meet at (3, 4), or fail and give (0, 0).
TEST(bundle_geometry_test, intersections_of_vertical_parallel_or_runaway_lines) {
    struct Row {
        const char* what;
        float e[4], g[4];
        bool fails;
    };
    // clang-format off
    const Row rows[] = {
        {"first vertical", {3, -5, 3, 5}, {-1, 4, 1, 4}, false},
        {"second vertical", {-1, 4, 1, 4}, {3, -5, 3, 5}, false},
        {"parallel", {0, 0, 1, 1}, {0, 1, 1, 2}, true}, {"all but parallel", {0, 0, 1, 1.0000001f}, {0, 1, 1, 2}, true},
        {"beyond single precision", {0, 0, 1e30f, 1e-30f}, {0, 1, 1, 1}, true},
    };
    // clang-format on
    for (const Row& r : rows) {
        BundleLayout layout{.circles = {{{0, r.e[0], r.e[1], 0, 0}, {0, r.e[2], r.e[3], 0, 0}, {0, r.g[0], r.g[1], 0, 0},
                                         {0, r.g[2], r.g[3], 0, 0}, {0, 9, 9, 0, 0}}}, .passesLeft = 5};
        IntersectLines(layout, 0, 1, 2, 3, 4);
        EXPECT_NEAR(std::hypot(layout[4].x - (r.fails ? 0 : 3), layout[4].y - (r.fails ? 0 : 4)), 0,
                    1e-5)
            << r.what;
        EXPECT_EQ(layout.passesLeft, r.fails ? 0 : 5) << r.what;
    }
}

TEST(bundle_geometry_test, circumcentre_of_points_in_a_row_fails_whatever_their_order) {
    for (float last : {2.0f, 8.0f}) {  // bisectors pointing apart, and alike
        BundleLayout layout{.circles = {{{}, {0, 0, 0, 0, 0}, {0, 4, 0, 0, 0}, {0, last, -3, 0, 0}}}, .passesLeft = 3};
        Circumcentre(layout, 0, kPi);
        EXPECT_TRUE(std::abs(layout[0].x - 2) < 1e-5f && layout.passesLeft == 3) << last;  // x = 2 bisects
        layout[3].y = 0;  // now in a row
        Circumcentre(layout, 0, kPi);
        EXPECT_TRUE(layout[0].x == 0.0f && layout[0].y == 0.0f && layout.passesLeft == 0) << last;
    }
}

TEST(bundle_geometry_test, any_outside_allows_an_overhang_of_five_thousandths) {
    for (auto [r, outside] : {std::pair{0.505f, 0}, std::pair{0.5051f, 1}}) {
        const BundleLayout layout{.circles = {{{0, -0.5f, 0, 0.5f, 0}, {0, 0.5f, 0, r, 0}, {0, 0, 0, 1, 0}}},
                                  .lastCircle = 1};
        EXPECT_EQ(AnyOutside(layout, 2), outside) << r;
    }
}

}  // namespace
}  // namespace cn3
