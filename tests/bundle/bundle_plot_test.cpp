#include "bundle/bundle_plot.h"

#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "bundle/bundle_diameter.h"
#include "bundle/bundle_fixture.h"

namespace cn3 {
namespace {

using test::BundleFixture;
using Kind = ui::RecordedOp::Kind;

constexpr ui::Rgb kRed{255, 0, 0};
constexpr ui::Rgb kBlue{0, 0, 255};

double distance(const BundleCircle& a, const BundleCircle& b) {
    return std::hypot(double{a.x} - b.x, double{a.y} - b.y);
}

std::shared_ptr<ui::RecordingSurface> plotArea(BundleFixture& f, double widthInches,
                                               double heightInches) {
    auto surface = std::make_shared<ui::RecordingSurface>("PictureBox", widthInches * 1440,
                                                          heightInches * 1440);
    f.program.plot.Picture.setSurface(surface);
    return surface;
}

std::vector<ui::RecordedOp> opsOf(const ui::RecordingSurface& s, Kind kind) {
    std::vector<ui::RecordedOp> out;
    for (const auto& op : s.ops())
        if (op.kind == kind) out.push_back(op);
    return out;
}

// A strand with a 0.5 and a 0.75 inch cable.
void selectStrandAndTwo(BundleFixture& f) {
    f.add("P3 500", "0.500");
    f.add("1/4 EHS", "0.250");
    f.add("P3 750", "0.750");
    ComputeBundleDiameter(f.program);
}

TEST(bundle_plot_test, the_turn_puts_the_strand_straight_above_and_keeps_the_shape) {
    BundleFixture f;
    selectStrandAndTwo(f);
    const BundleLayout before = f.program.bundle;
    const int bundle = before.lastCircle + 1;

    WireBundleEvents(f.program);
    f.program.main.Command3.click();

    const BundleLayout& after = f.program.bundle;
    const BundleCircle& centre = after[bundle];
    const int strand = 2;  // the smallest circle after sorting; its grid row is 2
    ASSERT_EQ(after[strand].id, 2);
    EXPECT_NEAR(after[strand].x, centre.x, 1e-5);
    EXPECT_LT(after[strand].y, centre.y);
    for (int i = 0; i < bundle; ++i) {
        EXPECT_NEAR(distance(after[i], centre), distance(before[i], before[bundle]), 1e-5) << i;
        for (int j = i + 1; j < bundle; ++j)
            EXPECT_NEAR(distance(after[i], after[j]), distance(before[i], before[j]), 1e-5)
                << i << "-" << j;
    }
    EXPECT_EQ(centre.x, before[bundle].x) << "the bundle circle stays";
    EXPECT_TRUE(f.program.plot.shown());
}

TEST(bundle_plot_test, a_bundle_without_a_strand_is_drawn_as_laid_out) {
    BundleFixture f;
    f.add("CM 500", "0.600");  // an integrated messenger carries this one
    f.add("P3 500", "0.500");
    f.add("P3 750", "0.750");
    ComputeBundleDiameter(f.program);
    const BundleLayout before = f.program.bundle;
    ShowBundlePlot(f.program);
    for (int i = 0; i <= before.lastCircle + 1; ++i) {
        EXPECT_EQ(f.program.bundle[i].x, before[i].x) << i;
        EXPECT_EQ(f.program.bundle[i].y, before[i].y) << i;
    }
    EXPECT_TRUE(f.program.plot.shown());
}

TEST(bundle_plot_test, a_bundle_too_tall_for_the_area_is_drawn_at_half_scale) {
    struct Row {
        const char* name;
        float diameter;
        double drawnScale;  // drawn inches per layout inch
    };
    const Row rows[] = {
        {"5.6 across in 5 inches", 2.8f, 0.5},
        {"4.5 across leaves exactly the margin", 2.25f, 1.0},
        {"4 across", 2.0f, 1.0},
    };
    for (const Row& row : rows) {
        BundleFixture f;
        f.add("P3 9000", "1.000");
        BundleLayout& layout = f.program.bundle;
        layout.lastCircle = 0;
        layout[0] = {1, 0.5f, -0.25f, row.diameter, 0};
        layout[1] = {0, 0.5f, -0.25f, row.diameter, 0};
        auto surface = plotArea(f, 6, 5);
        DrawBundle(f.program);
        EXPECT_DOUBLE_EQ(surface->scaleHeight(), 5 / row.drawnScale) << row.name;
        EXPECT_DOUBLE_EQ(surface->scaleWidth(), 6 / row.drawnScale) << row.name;
        const auto circles = opsOf(*surface, Kind::Circle);
        ASSERT_EQ(circles.size(), 4u) << row.name;
        EXPECT_NEAR(circles.back().size, row.diameter * 1440 * row.drawnScale, 1e-3) << row.name;
        EXPECT_NEAR(circles.back().x, 3 * 1440, 1e-6) << row.name << ": centred on the bundle";
        EXPECT_NEAR(circles.back().y, 2.5 * 1440, 1e-6) << row.name;
    }
}

TEST(bundle_plot_test, cables_are_red_with_centred_numbers_and_the_bundle_blue_with_a_dot) {
    BundleFixture f;
    selectStrandAndTwo(f);
    auto surface = plotArea(f, 6, 5);
    ShowBundlePlot(f.program);
    const BundleLayout& layout = f.program.bundle;
    const BundleCircle& bundle = layout[3];
    const double left = bundle.x - 3.0, top = bundle.y - 2.5;  // full scale, centred

    ASSERT_FALSE(surface->ops().empty());
    EXPECT_EQ(surface->ops().front().kind, Kind::Clear);
    const auto circles = opsOf(*surface, Kind::Circle);
    ASSERT_EQ(circles.size(), 6u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(circles[k].colour, kRed) << k;
        EXPECT_NEAR(circles[k].x, (layout[k].x - left) * 1440, 1e-3) << k;
        EXPECT_NEAR(circles[k].y, (layout[k].y - top) * 1440, 1e-3) << k;
        EXPECT_NEAR(circles[k].size, layout[k].r * 1440, 1e-3) << k;
    }
    const double blueRadii[] = {0.02 * 1440, 0.01 * 1440, bundle.r * 1440.0};
    for (int k = 3; k < 6; ++k) {
        EXPECT_EQ(circles[k].colour, kBlue) << k;
        EXPECT_NEAR(circles[k].x, 3 * 1440, 1e-3) << k;
        EXPECT_NEAR(circles[k].y, 2.5 * 1440, 1e-3) << k;
        EXPECT_NEAR(circles[k].size, blueRadii[k - 3], 1e-3) << k;
    }

    // Labels: one character at 8 points is 80 twips wide and 192 high, centred on the circle.
    const auto texts = surface->texts();
    ASSERT_EQ(texts.size(), 7u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(texts[k].text, std::to_string(layout[k].id)) << k;
        EXPECT_NEAR(texts[k].x, (layout[k].x - left) * 1440 - 40, 1e-3) << k;
        EXPECT_NEAR(texts[k].y, (layout[k].y - top) * 1440 - 96, 1e-3) << k;
    }
}

TEST(bundle_plot_test, the_legend_names_each_cable_and_the_bundle_diameter_with_its_unit) {
    BundleFixture f;
    selectStrandAndTwo(f);
    auto surface = plotArea(f, 6, 5);
    ShowBundlePlot(f.program);
    const auto texts = surface->texts();
    ASSERT_EQ(texts.size(), 7u);
    const std::string legend[] = {" 1 = P3 500", " 2 = 1/4 EHS", " 3 = P3 750",
                                  "Bundle = " + f.bundleCell() + " in"};
    for (int line = 0; line < 4; ++line) {
        const auto& text = texts[3 + line];
        EXPECT_EQ(text.text, legend[line]) << line;
        EXPECT_NEAR(text.x, 0.0, 1e-6) << line << ": top left corner";
        EXPECT_NEAR(text.y, line * 192.0, 1e-6) << line;
    }

    f.program.main.Grid2.setText(0, 2, "Diam.\n\r(mm)");
    surface->forget();
    ShowBundlePlot(f.program);
    EXPECT_EQ(surface->texts().back().text, "Bundle = " + f.bundleCell() + " mm");
}

TEST(bundle_plot_test, nothing_is_drawn_while_a_manual_diameter_stands) {
    BundleFixture f;
    selectStrandAndTwo(f);
    auto surface = plotArea(f, 6, 5);
    f.program.main.Command3.setEnabled(false);
    const BundleLayout before = f.program.bundle;
    ShowBundlePlot(f.program);
    EXPECT_FALSE(f.program.plot.shown());
    EXPECT_TRUE(surface->ops().empty());
    EXPECT_EQ(f.program.bundle[0].x, before[0].x) << "not turned either";
}

}  // namespace
}  // namespace cn3
