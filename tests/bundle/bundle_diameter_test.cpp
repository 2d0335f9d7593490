#include "bundle/bundle_diameter.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "bundle/bundle_fixture.h"
#include "bundle/bundle_geometry.h"
#include "core/number_format.h"

namespace cn3 {
namespace {

using test::BundleFixture;

TEST(bundle_diameter_test, small_bundles_have_their_known_diameters_and_hold_their_cables) {
    struct Row { const char* name; std::vector<std::string> diameters; const char* cell; double within; };
    const Row rows[] = {
        {"no cable", {}, "0.000", 0},
        {"one cable, wherever it was drawn before", {"0.625"}, "0.625", 0},
        {"two cables", {"0.25", "0.5"}, "0.750", 0},
        {"entered rounded to 3 decimals", {"0.5004", "0.2504"}, "0.750", 0},
        {"an empty diameter enters as 0", {"", "0.5"}, "0.500", 0},
        {"three equal cables", {"1", "1", "1"}, "2.155", 0.002},
        {"cables of no size", {"", "", "", ""}, "0.000", 0.004},
        {"millimetres", {"12.7", "6.35"}, "19.050", 0},
    };
    for (const Row& row : rows) {
        BundleFixture f;
        f.program.units.metricUnits = row.cell == std::string("19.050");
        f.program.bundle[0] = {1, 3.0f, -2.0f, 1.0f, 0};  // left turned by an earlier plot
        for (const auto& d : row.diameters) f.add("P3 500", d);
        f.program.main.Command3.setEnabled(false);
        ComputeBundleDiameter(f.program);
        EXPECT_NEAR(LeadingNumber(f.bundleCell()), LeadingNumber(row.cell), row.within + 1e-9) << row.name;
        EXPECT_EQ(f.bundleCell().size(), std::string(row.cell).size()) << row.name;
        EXPECT_EQ(AnyOutside(f.program.bundle, f.program.bundle.lastCircle + 1), 0) << row.name;
        EXPECT_TRUE(f.program.main.Command3.enabled()) << row.name;
    }
}

TEST(bundle_diameter_test, a_manual_diameter_keeps_the_bundle_cell_and_plot_button) {
    BundleFixture f;
    f.add("P3 500", "0.500");
    f.add("P3 250", "0.250");
    f.program.main.Text5.setText("1.2");
    f.grid.setText(3, 2, "Ovr 1.200");
    f.program.main.Command3.setEnabled(false);
    ComputeBundleDiameter(f.program);
    EXPECT_EQ(f.bundleCell(), "Ovr 1.200");
    EXPECT_FALSE(f.program.main.Command3.enabled());
    EXPECT_NEAR(f.program.bundle[2].r, 0.75f, 1e-6) << "laid out all the same";

    f.program.main.Text5.setText("  ");
    ComputeBundleDiameter(f.program);
    EXPECT_EQ(f.bundleCell(), "0.750");
    EXPECT_TRUE(f.program.main.Command3.enabled());
}

TEST(bundle_diameter_test, selections_beyond_the_layout_are_refused_as_too_many) {
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
        EXPECT_EQ(f.dialogs.messages,
                  std::vector<std::string>{"Too many cables for bundle calculation - enter manual value"})
            << row.name;
        EXPECT_EQ(f.program.main.Text5.text(), "9.999") << row.name;
        EXPECT_FALSE(f.program.main.Command3.enabled()) << row.name;
        EXPECT_EQ(f.bundleCell(), "") << row.name;
    }
}

}  // namespace
}  // namespace cn3
