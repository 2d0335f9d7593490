#include "bundle/bundle_diameter.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bundle/bundle_fixture.h"
#include "core/number_format.h"

namespace cn3 {
namespace {

using test::BundleFixture;

constexpr const char* kTooMany = "Too many cables for bundle calculation - enter manual value";

double bundleDiameter(const BundleFixture& f) { return LeadingNumber(f.bundleCell()); }

TEST(bundle_diameter_test, small_bundles_have_their_known_diameters) {
    struct Row {
        const char* name;
        std::vector<std::string> diameters;
        const char* cell;
    };
    const Row rows[] = {
        {"no cable", {}, "0.000"},
        {"one cable", {"0.625"}, "0.625"},
        {"two cables side by side", {"0.5", "0.25"}, "0.750"},
        {"the smaller one first", {"0.25", "0.5"}, "0.750"},
        {"diameters enter rounded to 3 decimals", {"0.5004", "0.2504"}, "0.750"},
        {"an empty diameter enters as 0", {"", "0.5"}, "0.500"},
        {"a diameter with a unit after it", {"0.400 in", "0.300 in"}, "0.700"},
    };
    for (const Row& row : rows) {
        BundleFixture f;
        for (const auto& d : row.diameters) f.add("P3 500", d);
        f.program.main.Command3.setEnabled(false);
        ComputeBundleDiameter(f.program);
        EXPECT_EQ(f.bundleCell(), row.cell) << row.name;
        EXPECT_TRUE(f.program.main.Command3.enabled()) << row.name;
        EXPECT_EQ(f.program.bundle.lastCircle, static_cast<int>(row.diameters.size()) - 1) << row.name;
    }
}

TEST(bundle_diameter_test, three_equal_cables_are_separated_and_enclosed_by_the_refinement) {
    BundleFixture f;
    for (int i = 0; i < 3; ++i) f.add("P3 500", "1.000");
    ComputeBundleDiameter(f.program);

    const BundleLayout& layout = f.program.bundle;
    for (int i = 1; i <= 2; ++i) {
        EXPECT_NE(layout[i].r, layout[i - 1].r) << "neighbours " << i - 1 << " and " << i;
        EXPECT_LT(std::abs(layout[i].r - 1.0f), 0.001f) << i;
    }
    EXPECT_NEAR(bundleDiameter(f), 1.0 + 2.0 / std::sqrt(3.0), 0.002);
    EXPECT_NEAR(layout[3].r, bundleDiameter(f), 0.0005) << "the cell shows the bundle circle";
}

TEST(bundle_diameter_test, one_cable_is_its_own_bundle_circle) {
    BundleFixture f;
    // A layout left turned by an earlier plot must not leave the bundle circle behind.
    f.program.bundle[0].x = 3.0f;
    f.program.bundle[0].y = -2.0f;
    f.add("1/4 EHS", "0.250");
    ComputeBundleDiameter(f.program);
    const BundleLayout& layout = f.program.bundle;
    EXPECT_EQ(layout[1].x, layout[0].x);
    EXPECT_EQ(layout[1].y, layout[0].y);
    EXPECT_EQ(layout[1].r, 0.25f);
}

TEST(bundle_diameter_test, cables_are_laid_out_largest_first_keeping_their_row_numbers) {
    BundleFixture f;
    f.add("1/4 EHS", "0.250");
    f.add("P3 750", "0.750");
    f.add("P3 500", "0.500");
    ComputeBundleDiameter(f.program);
    const BundleLayout& layout = f.program.bundle;
    const int ids[] = {2, 3, 1};
    const float radii[] = {0.75f, 0.5f, 0.25f};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(layout[i].id, ids[i]) << i;
        EXPECT_EQ(layout[i].r, radii[i]) << i;
    }
    EXPECT_EQ(layout[0].x, 0.0f);
    EXPECT_EQ(layout[0].y, 0.0f);
}

TEST(bundle_diameter_test, cables_of_no_size_make_a_bundle_of_almost_no_size) {
    BundleFixture f;
    for (int i = 0; i < 4; ++i) f.add("P3 500", "");
    ComputeBundleDiameter(f.program);
    EXPECT_LT(bundleDiameter(f), 0.004) << f.bundleCell();
    for (int i = 0; i <= 4; ++i) EXPECT_GE(f.program.bundle[i].r, 0.0f) << i;
}

TEST(bundle_diameter_test, metric_diameters_are_read_and_shown_in_millimetres) {
    BundleFixture f;
    f.program.units.metricUnits = 1;
    f.add("P3 500", "12.7");
    f.add("P3 250", "6.35");
    ComputeBundleDiameter(f.program);
    EXPECT_EQ(f.program.bundle[0].r, 0.5f) << "held in inches";
    EXPECT_EQ(f.bundleCell(), "19.050");
}

TEST(bundle_diameter_test, a_manual_diameter_keeps_the_bundle_cell_and_plot_button) {
    BundleFixture f;
    f.add("P3 500", "0.500");
    f.program.main.Text5.setText("1.2");
    f.program.main.Grid2.setText(2, 2, "Ovr 1.200");
    f.program.main.Command3.setEnabled(false);
    f.add("P3 500", "0.250");
    ComputeBundleDiameter(f.program);
    EXPECT_EQ(f.bundleCell(), "Ovr 1.200");
    EXPECT_FALSE(f.program.main.Command3.enabled());
    EXPECT_EQ(f.program.bundle.lastCircle, 1) << "the layout still follows the selection";
    EXPECT_NEAR(f.program.bundle[2].r, 0.75f, 1e-6);

    f.program.main.Text5.setText("  ");  // blanks count as empty
    ComputeBundleDiameter(f.program);
    EXPECT_EQ(f.bundleCell(), "0.750");
    EXPECT_TRUE(f.program.main.Command3.enabled());
}

// One big cable with many a fifth of its size: a first ring of about 18 and its grooves.
void addBigAndSmall(BundleFixture& f, int cables, const char* small) {
    f.add("P3 5000", "5.000");
    for (int i = 1; i < cables; ++i) f.add("P3 1000", small);
}

void expectTooMany(BundleFixture& f, const char* name) {
    ASSERT_EQ(f.dialogs.messages().size(), 1u) << name;
    EXPECT_EQ(f.dialogs.messages()[0], kTooMany) << name;
    EXPECT_EQ(f.program.main.Text5.text(), "9.999") << name;
    EXPECT_FALSE(f.program.main.Command3.enabled()) << name;
    EXPECT_EQ(f.bundleCell(), "") << name << ": the computed value is not shown";
}

TEST(bundle_diameter_test, thirty_one_cables_fit_and_thirty_two_are_too_many) {
    BundleFixture fits;
    addBigAndSmall(fits, 31, "1.000");
    ComputeBundleDiameter(fits.program);
    EXPECT_TRUE(fits.dialogs.messages().empty());
    EXPECT_EQ(fits.program.bundle.lastCircle, 30);
    // The second ring sits in the grooves of the first: its outer edge is 8.648 out.
    EXPECT_NEAR(bundleDiameter(fits), 8.648, 0.005);

    BundleFixture over;
    over.dialogs.expectMessage();
    addBigAndSmall(over, 32, "1.000");
    over.program.bundle.lastCircle = 4;  // an earlier layout
    ComputeBundleDiameter(over.program);
    expectTooMany(over, "32 cables");
    EXPECT_EQ(over.program.bundle.lastCircle, 4) << "refused before touching the layout";
}

TEST(bundle_diameter_test, a_first_ring_must_close_by_circle_21) {
    // Around a cable 100 times their size, 21 small cables never come back round.
    BundleFixture open21;
    open21.add("P3 9000", "9.000");
    for (int i = 0; i < 21; ++i) open21.add("P3 090", "0.090");
    ComputeBundleDiameter(open21.program);
    EXPECT_TRUE(open21.dialogs.messages().empty()) << "circles up to 21 may still be in the ring";
    EXPECT_EQ(open21.program.bundle.lastCircle, 21);

    BundleFixture open22;
    open22.dialogs.expectMessage();
    open22.add("P3 9000", "9.000");
    for (int i = 0; i < 22; ++i) open22.add("P3 090", "0.090");
    ComputeBundleDiameter(open22.program);
    expectTooMany(open22, "ring open at circle 22");
}

TEST(bundle_diameter_test, a_second_ring_with_no_groove_left_is_too_many) {
    BundleFixture f;
    f.dialogs.expectMessage();
    for (int i = 0; i < 16; ++i) f.add("P3 500", "0.500");
    ComputeBundleDiameter(f.program);
    expectTooMany(f, "16 equal cables");
}

}  // namespace
}  // namespace cn3
