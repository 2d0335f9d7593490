// The pruned refinement against the plain one: the same layout to the last bit, on many
// random selections of every size the refinement handles.
#include "bundle/pruned_refinement.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <tuple>

#include "bundle/layout_bundle.h"
#include "core/pi.h"

namespace cn3 {
namespace {

// Every field of every record, as bits.
std::string Bits(const BundleLayout& layout) {
    std::string out = std::to_string(layout.lastCircle);
    out += ' ';
    out += std::to_string(layout.passesLeft);
    for (const BundleCircle& c : layout.circles) {
        out += ' ';
        out += std::to_string(c.id);
        for (const float v : {c.x, c.y, c.r, c.spare}) {
            out += ':';
            out += std::to_string(std::bit_cast<std::uint32_t>(v));
        }
    }
    return out;
}

TEST(pruned_refinement_test, gives_the_plain_layout_bit_for_bit_on_random_selections) {
    // First diameter (0: random too), smallest and largest random diameter, rounded to 3 decimals
    // as the bundle cells are.
    const struct {
        const char* name;
        double first, small, large, zeroShare;
    } kinds[] = {{"mixed sizes", 0, 0.1, 1.5, 0},
                 {"nearly equal", 0, 0.45, 0.55, 0},
                 {"equal", 0, 0.5, 0.5, 0},
                 {"a large first among small", 3, 0.2, 0.6, 0},
                 {"a larger first among nearly equal", 5, 0.9, 1.1, 0},
                 {"strand and coax", 0.25, 0.4, 1.0, 0},
                 {"some of no size", 0, 0.3, 1.2, 0.15}};
    std::mt19937 random(2026);
    int refined = 0;
    for (const auto& kind : kinds)
        for (int cables = 2; cables <= 31; ++cables)
            for (int repeat = 0; repeat < 3; ++repeat) {
                BundleLayout plain;
                plain.lastCircle = static_cast<std::int16_t>(cables - 1);
                std::uniform_real_distribution<double> size(kind.small, kind.large);
                std::bernoulli_distribution zero(kind.zeroShare);
                for (int i = 0; i < cables; ++i) {
                    double d = i == 0 && kind.first > 0 ? kind.first : size(random);
                    if (zero(random)) d = 0.0;
                    plain[i].id = static_cast<std::int16_t>(i + 1);
                    plain[i].r = static_cast<float>(std::round(d * 1000.0) / 1000.0);
                }
                BundleLayout pruned = plain;
                PseudoRandom plainRandom, prunedRandom;
                const auto a = LayoutBundle(plain, plainRandom, kPi, Refinement::Plain);
                const auto b = LayoutBundle(pruned, prunedRandom, kPi, Refinement::Pruned);
                std::string what = kind.name;
                what += ", ";
                what += std::to_string(cables);
                what += " cables, #";
                what += std::to_string(repeat);
                EXPECT_EQ(a, b) << what;
                EXPECT_EQ(Bits(pruned), Bits(plain)) << what;
                if (a == LayoutOutcome::Laid && plain[cables].r < 999.0f) ++refined;
            }
    EXPECT_GT(refined, 300) << "most selections must lay out and be refined";
}

TEST(pruned_refinement_test, two_circles_have_no_triple_and_leave_the_work_records_alone) {
    BundleLayout layout;
    layout.lastCircle = 1;
    layout[0] = {1, 0.0f, 0.0f, 0.5f, 0.0f};
    layout[1] = {2, 0.75f, 0.0f, 0.25f, 0.0f};
    const BundleLayout before = layout;
    RefinePruned(layout, kPi);
    EXPECT_EQ(std::tuple(layout[2].x, layout[2].y, layout[2].r), std::tuple(0.0f, 0.0f, 999.0f));
    layout[2] = before[2];
    EXPECT_EQ(Bits(layout), Bits(before));
}

}  // namespace
}  // namespace cn3
