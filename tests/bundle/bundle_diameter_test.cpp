#include "bundle/bundle_diameter.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "bundle/bundle_fixture.h"
#include "bundle/bundle_geometry.h"
#include "core/number_format.h"

namespace cn3 {
namespace {

using test::BundleFixture;

TEST(bundle_diameter_test, small_bundles_have_their_known_diameters_and_hold_their_cables) {
    struct Row { const char* name; std::vector<std::string> diameters; const char* cell;
                 double within; bool metric = false; const char* manual = ""; };
    const Row rows[] = {
        {"no cable", {}, "0.000", 0},
        {"one cable, wherever it was drawn before", {"0.625"}, "0.625", 0},
        {"entered rounded to 3 decimals", {"0.5004", "0.2504"}, "0.750", 0},
        {"an empty diameter enters as 0", {"", "0.5"}, "0.500", 0},
        {"three equal cables", {"1", "1", "1"}, "2.155", 0.002},
        {"cables of no size", {"", "", "", ""}, "0.000", 0.004},
        {"millimetres", {"12.7", "6.35"}, "19.050", 0, true},
        {"a manual value keeps the cell, laid out all the same", {"0.5", "0.25"}, "Ovr 1.200", 0,
         false, "1.2"},
    };
    for (const Row& row : rows) {
        BundleFixture f;
        f.program.units.metricUnits = row.metric;
        f.program.bundle[0] = {1, 3.0f, -2.0f, 1.0f, 0};  // left turned by an earlier plot
        for (const auto& d : row.diameters) f.add("P3 500", d);
        f.program.main.Text5.setText(row.manual);
        if (*row.manual) f.grid.setText(f.grid.rows() - 1, 2, row.cell);
        f.program.main.Command3.setEnabled(false);
        ComputeBundleDiameter(f.program);
        const BundleLayout& layout = f.program.bundle;
        EXPECT_EQ(layout.lastCircle, static_cast<int>(row.diameters.size()) - 1) << row.name;
        EXPECT_EQ(AnyOutside(layout, layout.lastCircle + 1), 0) << row.name;
        if (row.within == 0) EXPECT_EQ(f.bundleCell(), row.cell) << row.name;
        else EXPECT_NEAR(LeadingNumber(f.bundleCell()), LeadingNumber(row.cell), row.within) << row.name;
        EXPECT_EQ(f.program.main.Command3.enabled(), !*row.manual) << row.name;
    }
}

TEST(bundle_diameter_test, selections_beyond_the_layout_are_refused_as_too_many) {
    const std::string kTooMany = "Too many cables for bundle calculation - enter manual value";
    struct Row { const char* name; const char* first; const char* others; int cables; bool fits; };
    const Row rows[] = {
        {"31 cables around a large one", "5.000", "1.000", 31, true},
        {"32 cables", "5.000", "1.000", 32, false},
        {"a first ring still open at circle 21", "9.000", "0.090", 22, true},
        {"a first ring still open at circle 22", "9.000", "0.090", 23, false},
        {"no groove left in the second ring", "0.500", "0.500", 16, false},
    };
    for (const Row& row : rows) {
        BundleFixture f;
        f.program.bundle.lastCircle = 4;  // an earlier layout
        for (int i = 0; i < row.cables; ++i) f.add("P3 500", i == 0 ? row.first : row.others);
        ComputeBundleDiameter(f.program);
        if (row.fits) {
            EXPECT_TRUE(f.dialogs.messages.empty()) << row.name;
            EXPECT_EQ(f.program.bundle.lastCircle, row.cables - 1) << row.name;
            continue;
        }
        EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{kTooMany}) << row.name;
        EXPECT_EQ(f.program.main.Text5.text(), "9.999") << row.name;
        EXPECT_FALSE(f.program.main.Command3.enabled()) << row.name;
        EXPECT_EQ(f.bundleCell(), "") << row.name;
    }
}

// Every selection size from 1 to 40 with random diameters: an accepted bundle circle holds
// every cable circle, a refused one says so, and no record past the work records is touched.
TEST(bundle_diameter_test, every_selection_size_is_enclosed_or_refused_within_the_table) {
    // First diameter (0: random too), smallest and largest random diameter, share left empty.
    const double kinds[][4] = {{0, 0.1, 1.5, 0.05}, {0, 0.45, 0.55, 0}, {3, 0.2, 0.6, 0}, {5, 0.9, 1.1, 0}};
    std::mt19937 random(1961);
    int accepted = 0, refused = 0;
    for (const auto& [first, small, large, emptyShare] : kinds) {
        for (int cables = 1; cables <= 40; ++cables) {
            BundleFixture f;
            std::uniform_real_distribution<double> size(small, large);
            std::bernoulli_distribution empty(emptyShare);
            for (int i = 0; i < cables; ++i) {
                const double d = i == 0 && first > 0 ? first : size(random);
                f.add("P3 500", empty(random) ? "" : FormatNumber(d, "0.000"));
            }
            for (BundleCircle& c : f.program.bundle.circles) c = {-777, 7, 7, 7, 7};
            ComputeBundleDiameter(f.program);
            const BundleLayout& layout = f.program.bundle;
            const std::string what = std::to_string(first) + "/" + std::to_string(cables);
            for (int i = cables > 31 ? 0 : layout.lastCircle + 11; i < kBundleRecords; ++i)
                EXPECT_EQ(layout[i].id, -777) << what << ", record " << i;
            const bool fits = f.dialogs.messages.empty();
            ++(fits ? accepted : refused);
            if (!fits) continue;
            EXPECT_LE(cables, 31) << what;
            const BundleCircle& bundle = layout[layout.lastCircle + 1];
            EXPECT_LT(bundle.r, 999.0f) << what;
            for (int i = 0; i <= layout.lastCircle; ++i)
                EXPECT_LE(std::hypot(layout[i].x - bundle.x, layout[i].y - bundle.y) + layout[i].r - bundle.r,
                          0.0051) << what << ", circle " << i;
        }
    }
    EXPECT_GT(accepted, 60) << "both ways must be exercised";
    EXPECT_GT(refused, 60);
}

}  // namespace
}  // namespace cn3
