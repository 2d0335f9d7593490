#include "bundle/bundle_plot.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "bundle/bundle_diameter.h"
#include "bundle/bundle_fixture.h"

namespace cn3 {
namespace {

using Kind = ui::RecordedOp::Kind;

// A 6 by 5 inch plot area that records, with a strand and two cables laid out.
struct PlotFixture : test::BundleFixture {
    std::shared_ptr<ui::RecordingSurface> area =
        std::make_shared<ui::RecordingSurface>("PictureBox", 6 * 1440, 5 * 1440);
    PlotFixture() {
        program.plot.Picture.setSurface(area);
        add("P3 500", "0.500");
        add("1/4 EHS", "0.250");
        add("P3 750", "0.750");
        ComputeBundleDiameter(program);
        WireBundleEvents(program);
    }
};

double apart(const BundleCircle& a, const BundleCircle& b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(bundle_plot_test, the_button_turns_only_a_strand_straight_above_and_keeps_the_shape) {
    for (const char* messenger : {"1/4 EHS", "CM 500"}) {  // a strand, an integrated messenger
        PlotFixture f;
        f.grid.setText(2, 1, messenger);
        const BundleLayout before = f.program.bundle;
        f.program.main.Command3.click();
        const BundleLayout& after = f.program.bundle;
        ASSERT_EQ(after[2].id, 2) << "the messenger, smallest, is circle 2";
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 4; ++j)
                EXPECT_NEAR(apart(after[i], after[j]), apart(before[i], before[j]), 1e-5) << i << j;
        if (messenger[0] == 'C') {
            for (int i = 0; i < 4; ++i) EXPECT_EQ(after[i].x, before[i].x) << i;
        } else {
            EXPECT_NEAR(after[2].x, after[3].x, 1e-5);
            EXPECT_LT(after[2].y, after[3].y);
        }
        EXPECT_TRUE(f.program.plot.shown());
    }
}

TEST(bundle_plot_test, red_numbered_cables_a_blue_bundle_with_its_dot_and_the_legend) {
    PlotFixture f;
    f.grid.setText(0, 2, "Diam.\n\r(mm)");
    f.program.main.Command3.setEnabled(false);  // only a computed bundle is drawn
    ShowBundlePlot(f.program);
    EXPECT_FALSE(f.program.plot.shown());
    EXPECT_TRUE(f.area->ops().empty());
    f.program.main.Command3.setEnabled(true);
    ShowBundlePlot(f.program);
    const BundleLayout& layout = f.program.bundle;
    const double left = layout[3].x - 3.0, top = layout[3].y - 2.5;  // full scale, centred
    std::vector<ui::RecordedOp> circles;
    for (const auto& op : f.area->ops())
        if (op.kind == Kind::Circle) circles.push_back(op);
    ASSERT_EQ(circles.size(), 6u);
    const double x[] = {layout[0].x, layout[1].x, layout[2].x, layout[3].x, layout[3].x, layout[3].x};
    const double radii[] = {layout[0].r, layout[1].r, layout[2].r, 0.02, 0.01, layout[3].r};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(circles[k].colour, k < 3 ? (ui::Rgb{255, 0, 0}) : (ui::Rgb{0, 0, 255})) << k;
        EXPECT_NEAR(circles[k].x, (x[k] - left) * 1440, 1e-3) << k;
        EXPECT_NEAR(circles[k].size, radii[k] * 1440, 1e-3) << k;
    }
    // One character at 8 points is 80 twips wide and 192 high: labels centre on the circles.
    const auto texts = f.area->texts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0].text, "3");
    EXPECT_NEAR(texts[0].x, (layout[0].x - left) * 1440 - 40, 1e-3);
    EXPECT_NEAR(texts[0].y, (layout[0].y - top) * 1440 - 96, 1e-3);
    const std::string legend[] = {" 1 = P3 500", " 2 = 1/4 EHS", " 3 = P3 750",
                                  "Bundle = " + f.bundleCell() + " mm"};
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(texts[3 + line].text, legend[line]);
        EXPECT_NEAR(texts[3 + line].x, 0.0, 1e-6) << line;
        EXPECT_NEAR(texts[3 + line].y, line * 192.0, 1e-6) << line;
    }
}

TEST(bundle_plot_test, a_bundle_too_tall_for_the_area_is_drawn_at_half_scale) {
    for (auto [diameter, scale] : {std::pair{2.8f, 0.5}, std::pair{2.25f, 1.0}, std::pair{2.0f, 1.0}}) {
        PlotFixture f;
        f.program.bundle[3].r = diameter;
        DrawBundle(f.program);
        EXPECT_DOUBLE_EQ(f.area->scaleHeight(), 5 / scale) << diameter;
        EXPECT_NEAR(f.area->ops().back().size, diameter * 1440 * scale, 1e-3) << diameter;
    }
}

}  // namespace
}  // namespace cn3
