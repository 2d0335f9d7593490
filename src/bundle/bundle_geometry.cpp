#include "bundle/bundle_geometry.h"

#include <cmath>

namespace cn3 {

namespace {
// The overhang a cable circle may have beyond an enclosing circle before it counts as outside.
constexpr float kOutsideTolerance = 0.005f;
// Stands in for a zero horizontal difference so that a vertical line gets a finite slope.
constexpr float kVerticalRun = 1e-20f;
// The sine of the angle between two lines below which they count as parallel.
constexpr double kParallelSine = 1e-6;
}  // namespace

void PlaceFrom(BundleLayout& layout, int n, int ref, float bearing, float distance) {
    const double x = static_cast<double>(layout[ref].x) +
                     static_cast<double>(distance) * std::cos(static_cast<double>(bearing));
    const double y = static_cast<double>(layout[ref].y) -
                     static_cast<double>(distance) * std::sin(static_cast<double>(bearing));
    layout[n].x = static_cast<float>(x);
    layout[n].y = static_cast<float>(y);
}

float DistanceBetween(const BundleLayout& layout, int a, int b) {
    const double dx = static_cast<double>(layout[b].x) - static_cast<double>(layout[a].x);
    const double dy = static_cast<double>(layout[a].y) - static_cast<double>(layout[b].y);
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

void BearingAndDistance(const BundleLayout& layout, int a, int b, float& bearing, float& distance,
                        double pi) {
    const double dx = static_cast<double>(layout[b].x) - static_cast<double>(layout[a].x);
    const double dy =
        static_cast<double>(layout[a].y) - static_cast<double>(layout[b].y);  // y grows downwards
    double theta = dx != 0.0 ? std::atan(dy / dx) : pi / 2.0;
    if (dy < 0.0) {
        theta += pi;
        if (dx > 0.0) theta += pi;
    } else if (dx < 0.0) {
        theta += pi;
    }
    distance = DistanceBetween(layout, a, b);
    bearing = static_cast<float>(theta);
}

float TriangleAngle(float s1, float s2, float s3, double pi) {
    const double s =
        (static_cast<double>(s1) + static_cast<double>(s2) + static_cast<double>(s3)) / 2.0;
    const double opposite = s - static_cast<double>(s1);
    // s1 as long as the other two together: the triangle is flat with s1 across the angle.
    if (!(opposite > 0.0)) return static_cast<float>(pi);
    if (!(s > 0.0)) return 0.0f;
    double area = opposite * (s - static_cast<double>(s2)) * (s - static_cast<double>(s3)) / s;
    if (!(area > 0.0)) area = 0.0;  // flat the other way: rounding may take it below 0
    const double inscribed = std::sqrt(area);
    return static_cast<float>(2.0 * std::atan(inscribed / opposite));
}

void EncloseTwo(BundleLayout& layout, int a, int b, int c, double pi) {
    float theta = 0.0f, d = 0.0f;
    BearingAndDistance(layout, a, b, theta, d, pi);
    layout[c].r = static_cast<float>((static_cast<double>(layout[a].r) + static_cast<double>(d) +
                                      static_cast<double>(layout[b].r)) /
                                     2.0);
    PlaceFrom(
        layout, c, a, theta,
        static_cast<float>(static_cast<double>(layout[c].r) - static_cast<double>(layout[a].r)));
}

void PlaceTangent(BundleLayout& layout, int a, int b, int n, double pi) {
    const float sa =
        static_cast<float>(static_cast<double>(layout[n].r) + static_cast<double>(layout[a].r));
    const float sb =
        static_cast<float>(static_cast<double>(layout[n].r) + static_cast<double>(layout[b].r));
    float theta = 0.0f, d = 0.0f;
    BearingAndDistance(layout, b, a, theta, d, pi);
    const float alpha = TriangleAngle(sa, d, sb, pi);  // the angle at b
    PlaceFrom(layout, n, b,
              static_cast<float>(static_cast<double>(theta) + static_cast<double>(alpha)), sb);

    const int bundle = layout.lastCircle + 1;
    const int work = layout.lastCircle + 2;
    for (int m = 0; m < n; ++m) {
        EncloseTwo(layout, m, n, work, pi);
        if (layout[work].r > layout[bundle].r) {
            layout[bundle].r = layout[work].r;
            layout[bundle].x = layout[work].x;
            layout[bundle].y = layout[work].y;
        }
    }
}

void IntersectLines(BundleLayout& layout, int e1, int e2, int g1, int g2, int out) {
    const double xe = static_cast<double>(layout[e1].x), ye = static_cast<double>(layout[e1].y);
    const double xg = static_cast<double>(layout[g1].x), yg = static_cast<double>(layout[g1].y);
    const double runE = static_cast<double>(layout[e2].x) - xe,
                 riseE = static_cast<double>(layout[e2].y) - ye;
    const double runG = static_cast<double>(layout[g2].x) - xg,
                 riseG = static_cast<double>(layout[g2].y) - yg;

    // Lines within a millionth of a radian of each other meet, if at all, a million times
    // farther off than their points lie apart: single-precision points cannot place that.
    // This is also what three points in a row give as bisectors, whichever way they point.
    const double cross = runE * riseG - riseE * runG;
    const double lengths = std::sqrt((runE * runE + riseE * riseE) * (runG * runG + riseG * riseG));
    bool failed = std::abs(cross) <= kParallelSine * lengths;

    double x = 0.0, y = 0.0;
    if (!failed) {
        const double m1 = riseE / (runE != 0.0 ? runE : static_cast<double>(kVerticalRun));
        const double m2 = riseG / (runG != 0.0 ? runG : static_cast<double>(kVerticalRun));
        x = (m1 * xe - m2 * xg + yg - ye) / (m1 - m2);
        // y from the less steep line: a vertical line's stand-in slope would magnify the
        // rounding of x a hundred billion billion times.
        y = std::abs(m1) <= std::abs(m2) ? m1 * (x - xe) + ye : m2 * (x - xg) + yg;
        failed = !std::isfinite(static_cast<float>(x)) || !std::isfinite(static_cast<float>(y));
    }
    if (failed) {
        layout[out].x = 0.0f;
        layout[out].y = 0.0f;
        layout.passesLeft = 0;
        return;
    }
    layout[out].x = static_cast<float>(x);
    layout[out].y = static_cast<float>(y);
}

void Circumcentre(BundleLayout& layout, int base, double pi) {
    for (int s = 0; s <= 1; ++s) {
        float theta = 0.0f, d = 0.0f;
        BearingAndDistance(layout, base + 1 + s, base + 2 + s, theta, d, pi);
        const int mid = base + 4 + 2 * s;
        PlaceFrom(layout, mid, base + 1 + s, theta,
                  static_cast<float>(static_cast<double>(d) / 2.0));
        // A second point of the perpendicular bisector, 2 units along it.
        PlaceFrom(layout, mid + 1, mid, static_cast<float>(static_cast<double>(theta) + pi / 2.0),
                  2.0f);
    }
    IntersectLines(layout, base + 4, base + 5, base + 6, base + 7, base);
}

int AnyOutside(const BundleLayout& layout, int c) {
    for (int i = 0; i <= layout.lastCircle; ++i) {
        const float d = DistanceBetween(layout, c, i);
        if (static_cast<double>(d) + static_cast<double>(layout[i].r) -
                static_cast<double>(layout[c].r) >
            static_cast<double>(kOutsideTolerance))
            return 1;
    }
    return 0;
}

}  // namespace cn3
