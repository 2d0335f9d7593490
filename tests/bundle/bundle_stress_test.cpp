// Every selection size from 1 to 40 with random diameters: an accepted bundle circle holds
// every cable circle, a refused one says so, and no record past the work records is touched.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "bundle/bundle_diameter.h"
#include "bundle/bundle_fixture.h"
#include "core/number_format.h"

namespace cn3 {
namespace {

TEST(bundle_stress_test, every_selection_size_is_enclosed_or_refused_within_the_table) {
    struct Sizes { double first, small, large, emptyShare; };
    const Sizes kinds[] = {{0, 0.1, 1.5, 0.05}, {0, 0.45, 0.55, 0}, {3, 0.2, 0.6, 0}, {5, 0.9, 1.1, 0}};
    std::mt19937 random(1961);
    int accepted = 0, refused = 0;
    for (const Sizes& kind : kinds) {
        for (int cables = 1; cables <= 40; ++cables) {
            test::BundleFixture f;
            std::uniform_real_distribution<double> size(kind.small, kind.large);
            std::bernoulli_distribution empty(kind.emptyShare);
            for (int i = 0; i < cables; ++i) {
                const double d = i == 0 && kind.first > 0 ? kind.first : size(random);
                f.add("P3 500", empty(random) ? "" : FormatNumber(d, "0.000"));
            }
            for (BundleCircle& c : f.program.bundle.circles) c = {-777, 7, 7, 7, 7};
            const std::string what = std::to_string(kind.first) + "/" + std::to_string(cables);

            ComputeBundleDiameter(f.program);

            const BundleLayout& layout = f.program.bundle;
            const int firstUntouched = cables > 31 ? 0 : layout.lastCircle + 11;
            for (int i = firstUntouched; i < kBundleRecords; ++i)
                EXPECT_EQ(layout[i].id, -777) << what << ", record " << i;
            if (!f.dialogs.messages.empty()) {
                ++refused;
                continue;
            }
            ++accepted;
            EXPECT_LE(cables, 31) << what;
            const BundleCircle& bundle = layout[layout.lastCircle + 1];
            EXPECT_LT(bundle.r, 999.0f) << what;
            for (int i = 0; i <= layout.lastCircle; ++i) {
                const double reach = std::hypot(layout[i].x - bundle.x, layout[i].y - bundle.y);
                EXPECT_LE(reach + layout[i].r - bundle.r, 0.0051) << what << ", circle " << i;
            }
        }
    }
    EXPECT_GT(accepted, 60) << "both ways must be exercised";
    EXPECT_GT(refused, 60);
}

}  // namespace
}  // namespace cn3
