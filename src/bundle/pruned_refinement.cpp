#include "bundle/pruned_refinement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "bundle/bundle_geometry.h"

namespace cn3 {

namespace {

constexpr double kOutside = 0.005;  // AnyOutside's tolerance
// Room for the rounding of single-precision centres and of the circumcentre, far beyond it.
constexpr double kSlack = 0.002;
// The candidates settled out of turn: the 4 outermost circles (4 triples), or, when none of
// those encloses, the 6 outermost (20).
constexpr int kOuterCircles = 4, kMoreOuterCircles = 6;

double Distance(const BundleCircle& a, const BundleCircle& b) {
    const double dx = static_cast<double>(a.x) - static_cast<double>(b.x);
    const double dy = static_cast<double>(a.y) - static_cast<double>(b.y);
    return std::sqrt(dx * dx + dy * dy);
}

// True when the settled triple would be accepted against `best`; its radius is `radius`.
bool Accepted(const BundleLayout& layout, double best) {
    const int centre = layout.lastCircle + 2;
    return layout.passesLeft > 0 && static_cast<double>(layout[centre].r) < best &&
           AnyOutside(layout, centre) == 0;
}

// The smallest accepted radius among triples of the circles reaching farthest from the
// placement's bundle circle; kNoEnclosure when none is accepted.
double OuterTriplesRadius(BundleLayout& layout, double pi, int circles) {
    const int last = layout.lastCircle;
    const BundleCircle& estimate = layout[last + 1];
    std::vector<int> order(static_cast<std::size_t>(last + 1));
    for (int q = 0; q <= last; ++q) order[static_cast<std::size_t>(q)] = q;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return Distance(layout[a], estimate) + static_cast<double>(layout[a].r) >
               Distance(layout[b], estimate) + static_cast<double>(layout[b].r);
    });
    order.resize(std::min<std::size_t>(order.size(), static_cast<std::size_t>(circles)));
    std::sort(order.begin(), order.end());
    double radius = kNoEnclosure;
    const auto n = order.size();
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            for (std::size_t c = b + 1; c < n; ++c) {
                SettleTriple(layout, order[a], order[b], order[c], pi);
                if (Accepted(layout, radius)) radius = static_cast<double>(layout[last + 2].r);
            }
    return radius;
}

using Corner = std::pair<double, double>;

// Keeps the part of the convex polygon where a x + b y <= c.
std::vector<Corner> Clip(const std::vector<Corner>& polygon, double a, double b, double c) {
    std::vector<Corner> kept;
    const auto side = [&](const Corner& p) { return a * p.first + b * p.second - c; };
    for (std::size_t n = 0; n < polygon.size(); ++n) {
        const Corner& p = polygon[n];
        const Corner& q = polygon[(n + 1) % polygon.size()];
        const double sp = side(p), sq = side(q);
        if (sp <= 0.0) kept.push_back(p);
        if ((sp < 0.0 && sq > 0.0) || (sp > 0.0 && sq < 0.0)) {
            const double t = sp / (sp - sq);
            kept.emplace_back(p.first + t * (q.first - p.first),
                              p.second + t * (q.second - p.second));
        }
    }
    return kept;
}

// The corners of a convex polygon holding every centre from which each cable circle lies
// within `radius`: the discs of radius (radius - r) around the circles, each replaced by its
// tangent lines in 16 directions. Empty when there is no such centre.
std::vector<Corner> AnswerCentreRegion(const BundleLayout& layout, double radius) {
    constexpr int kDirections = 16;
    const double big = 1e6;
    std::vector<Corner> polygon = {{-big, -big}, {big, -big}, {big, big}, {-big, big}};
    for (int d = 0; d < kDirections && !polygon.empty(); ++d) {
        const double angle = 2.0 * 3.14159265358979323846 * d / kDirections;
        const double a = std::cos(angle), b = std::sin(angle);
        double limit = 1e30;
        for (int q = 0; q <= layout.lastCircle; ++q)
            limit = std::min(limit, a * static_cast<double>(layout[q].x) +
                                        b * static_cast<double>(layout[q].y) + radius -
                                        static_cast<double>(layout[q].r));
        polygon = Clip(polygon, a, b, limit);
    }
    return polygon;
}

}  // namespace

// For one triple: moves the centre C to the circumcentre of the three points of the circles
// farthest from it until it settles; passesLeft is left above 0 only when it settled in time
// and no line intersection failed.
void SettleTriple(BundleLayout& layout, int i, int j, int k, double pi) {
    const int last = layout.lastCircle;
    const int centre = last + 2, circum = last + 3, far = last + 4;
    layout[far].id = static_cast<std::int16_t>(i);
    layout[far + 1].id = static_cast<std::int16_t>(j);
    layout[far + 2].id = static_cast<std::int16_t>(k);
    layout[centre].x =
        static_cast<float>((static_cast<double>(layout[i].x) + static_cast<double>(layout[j].x) +
                            static_cast<double>(layout[k].x)) /
                           3.0);
    layout[centre].y =
        static_cast<float>((static_cast<double>(layout[i].y) + static_cast<double>(layout[j].y) +
                            static_cast<double>(layout[k].y)) /
                           3.0);
    layout[centre].r = 0.0f;
    layout.passesLeft = kRefinementPasses;

    float step = 1.0f;
    while (static_cast<double>(step) > 0.001 && layout.passesLeft > 0) {
        --layout.passesLeft;
        for (int m = far; m <= far + 2; ++m) {
            const int t = layout[m].id;
            float theta = 0.0f, d = 0.0f;
            BearingAndDistance(layout, centre, t, theta, d, pi);
            PlaceFrom(
                layout, m, centre, theta,
                static_cast<float>(static_cast<double>(d) + static_cast<double>(layout[t].r)));
        }
        Circumcentre(layout, circum, pi);
        step = DistanceBetween(layout, centre, circum);
        layout[centre].x = layout[circum].x;
        layout[centre].y = layout[circum].y;
    }
    layout[centre].r = DistanceBetween(layout, circum, far);
}

void RefinePruned(BundleLayout& layout, double pi) {
    const int last = layout.lastCircle;
    const int centre = last + 2, circum = last + 3;
    const auto count = static_cast<std::size_t>(last + 1);

    // Two-circle enclosures, and the largest of them.
    std::vector<double> pair(count * count, 0.0);
    double largestPair = 0.0;
    for (int a = 0; a <= last; ++a)
        for (int b = a + 1; b <= last; ++b) {
            const double e = (Distance(layout[a], layout[b]) + static_cast<double>(layout[a].r) +
                              static_cast<double>(layout[b].r)) /
                             2.0;
            pair[static_cast<std::size_t>(a) * count + static_cast<std::size_t>(b)] = e;
            largestPair = std::max(largestPair, e);
        }
    const auto pairOf = [&](int a, int b) {
        return pair[static_cast<std::size_t>(a) * count + static_cast<std::size_t>(b)];
    };

    // Which circles can touch the answer's circle. Without a radius to bound it, all can.
    std::vector<char> canTouch(count, 1);
    double bound = OuterTriplesRadius(layout, pi, kOuterCircles);
    if (bound >= kNoEnclosure && last + 1 > kOuterCircles)
        bound = OuterTriplesRadius(layout, pi, kMoreOuterCircles);
    if (bound < kNoEnclosure) {
        const auto region = AnswerCentreRegion(layout, bound + kOutside + kSlack);
        const double needed = largestPair - kOutside - kSlack;
        if (!region.empty())
            for (int q = 0; q <= last; ++q) {
                double farthest = 0.0;
                for (const auto& [x, y] : region)
                    farthest = std::max(farthest, std::hypot(x - static_cast<double>(layout[q].x),
                                                             y - static_cast<double>(layout[q].y)));
                canTouch[static_cast<std::size_t>(q)] =
                    farthest + static_cast<double>(layout[q].r) >= needed;
            }
    }

    double bestRadius = kNoEnclosure;
    float bestX = 0.0f, bestY = 0.0f;
    bool lastSettled = false;
    for (int i = 0; i <= last - 2; ++i) {
        if (!canTouch[static_cast<std::size_t>(i)]) continue;
        for (int j = i + 1; j <= last - 1; ++j) {
            if (!canTouch[static_cast<std::size_t>(j)]) continue;
            for (int k = j + 1; k <= last; ++k) {
                if (!canTouch[static_cast<std::size_t>(k)]) continue;
                const double widest = std::max({pairOf(i, j), pairOf(i, k), pairOf(j, k)});
                if (widest >= bestRadius + kSlack) continue;
                SettleTriple(layout, i, j, k, pi);
                lastSettled = i == last - 2;
                if (Accepted(layout, bestRadius)) {
                    bestRadius = static_cast<double>(layout[centre].r);
                    bestX = layout[circum].x;
                    bestY = layout[circum].y;
                }
            }
        }
    }
    // The work records as the plain order leaves them.
    if (!lastSettled && last >= 2) SettleTriple(layout, last - 2, last - 1, last, pi);
    layout[last + 1].x = bestX;
    layout[last + 1].y = bestY;
    layout[last + 1].r = static_cast<float>(bestRadius);
}

}  // namespace cn3
