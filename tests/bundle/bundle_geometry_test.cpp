#include "bundle/bundle_geometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace cn3 {
namespace {

const double kPi = 4.0 * std::atan(1.0);

BundleLayout withCentres(std::initializer_list<BundleCircle> circles) {
    BundleLayout layout;
    int i = 0;
    for (const BundleCircle& c : circles) layout[i++] = c;
    return layout;
}

TEST(bundle_geometry_test, bearings_run_anticlockwise_with_y_pointing_down) {
    struct Row { float x, y; double bearing, distance; };
    const Row rows[] = {{1, 0, 0, 1},          {0, -1, kPi / 2, 1},     {-1, 0, kPi, 1},
                        {0, 1, 3 * kPi / 2, 1}, {1, 1, 7 * kPi / 4, std::sqrt(2.0)},
                        {-2, 2, 5 * kPi / 4, std::sqrt(8.0)}, {0, 0, kPi / 2, 0}};
    for (const Row& row : rows) {
        const BundleLayout layout = withCentres({{}, {0, row.x, row.y, 0, 0}});
        float bearing = -1, distance = -1;
        BearingAndDistance(layout, 0, 1, bearing, distance, kPi);
        EXPECT_NEAR(bearing, row.bearing, 1e-6) << row.x << "," << row.y;
        EXPECT_NEAR(distance, row.distance, 1e-6) << row.x << "," << row.y;
    }
}

TEST(bundle_geometry_test, triangle_angles_of_flat_triangles_stay_defined) {
    EXPECT_NEAR(TriangleAngle(5, 3, 4, kPi), kPi / 2, 1e-6);
    EXPECT_NEAR(TriangleAngle(3, 1, 2, kPi), kPi, 1e-6) << "first side longest";
    EXPECT_NEAR(TriangleAngle(3.0000002f, 1, 2, kPi), kPi, 1e-6) << "past flat by rounding";
    EXPECT_NEAR(TriangleAngle(1, 3, 2, kPi), 0.0, 1e-6) << "first side shortest";
}

TEST(bundle_geometry_test, tangent_circle_touches_both_on_the_anticlockwise_side) {
    BundleLayout layout = withCentres({{0, 0, 0, 1, 0}, {0, 2, 0, 1, 0}, {0, 0, 0, 1, 0},
                                       {0, 1, 0, 1.5f, 0}});
    layout.lastCircle = 2;
    PlaceTangent(layout, 1, 0, 2, kPi);
    EXPECT_NEAR(std::hypot(layout[2].x, layout[2].y), 2.0, 1e-5);
    EXPECT_NEAR(std::hypot(layout[2].x - 2, layout[2].y), 2.0, 1e-5);
    EXPECT_LT(layout[2].y, 0.0f) << "above the pair";
    EXPECT_NEAR(layout[3].r, 2.0f, 1e-5) << "bundle widened to the pair enclosure";
}

TEST(bundle_geometry_test, intersections_of_vertical_parallel_or_runaway_lines) {
    struct Row { const char* name; float e[4], g[4]; bool fails; float x, y; };
    const Row rows[] = {
        {"vertical first", {3, -5, 3, 5}, {-1, 4, 1, 4}, false, 3, 4},
        {"vertical second", {-1, 4, 1, 4}, {3, -5, 3, 5}, false, 3, 4},
        {"parallel", {0, 0, 1, 1}, {0, 1, 1, 2}, true, 0, 0},
        {"nearly parallel", {0, 0, 1, 1.0000001f}, {0, 1, 1, 2}, true, 0, 0},
        {"beyond single precision", {0, 0, 1e30f, 1e-30f}, {0, 1, 1, 1}, true, 0, 0},
    };
    for (const Row& r : rows) {
        BundleLayout layout = withCentres({{0, r.e[0], r.e[1], 0, 0}, {0, r.e[2], r.e[3], 0, 0},
                                           {0, r.g[0], r.g[1], 0, 0}, {0, r.g[2], r.g[3], 0, 0},
                                           {0, 9, 9, 0, 0}});
        layout.passesLeft = 5;
        IntersectLines(layout, 0, 1, 2, 3, 4);
        EXPECT_NEAR(std::hypot(layout[4].x - r.x, layout[4].y - r.y), 0.0, 1e-5) << r.name;
        EXPECT_EQ(layout.passesLeft, r.fails ? 0 : 5) << r.name;
    }
}

TEST(bundle_geometry_test, circumcentre_of_points_in_a_row_fails_whatever_their_order) {
    for (float last : {2.0f, 8.0f}) {  // bisectors pointing apart, and alike
        BundleLayout layout = withCentres({{}, {0, 0, 0, 0, 0}, {0, 4, 0, 0, 0}, {0, last, -3, 0, 0}});
        layout.passesLeft = 3;
        Circumcentre(layout, 0, kPi);
        EXPECT_NEAR(layout[0].x, 2.0f, 1e-5) << last;  // x = 2 on the first bisector
        EXPECT_EQ(layout.passesLeft, 3) << last;
        layout[3].y = 0;  // now in a row
        Circumcentre(layout, 0, kPi);
        EXPECT_TRUE(layout[0].x == 0.0f && layout[0].y == 0.0f) << last;
        EXPECT_EQ(layout.passesLeft, 0) << last;
    }
}

TEST(bundle_geometry_test, any_outside_allows_an_overhang_of_five_thousandths) {
    for (auto [r, outside] : {std::pair{0.505f, 0}, std::pair{0.5051f, 1}}) {
        BundleLayout layout = withCentres({{0, -0.5f, 0, 0.5f, 0}, {0, 0.5f, 0, r, 0}, {0, 0, 0, 1, 0}});
        layout.lastCircle = 1;
        EXPECT_EQ(AnyOutside(layout, 2), outside) << r;
    }
}

}  // namespace
}  // namespace cn3
