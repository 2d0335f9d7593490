// The bundle diameter and the bundle plot, driven through the selected-cables grid.
#include <cmath>
#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "bundle/bundle_diameter.h"
#include "app/wire_events.h"
#include "bundle/bundle_plot.h"
#include "selection/manual_bundle_diameter.h"
#include "core/number_format.h"
#include "support/scripted_dialogs.h"

namespace cn3 {
namespace {

using Names = std::vector<std::string>;

// Takes every message: whether a random selection fits is not known in advance.
struct CountingDialogs : test::ScriptedDialogs {
    Names messages;
    void message(std::string_view text) override { messages.emplace_back(text); }
};

// The selected-cables grid as start-up lays it out, English display, a 6 by 5 inch plot area.
struct Sheet {
    Program program;
    CountingDialogs dialogs;
    ui::Grid& grid = program.main.Grid2;
    std::shared_ptr<ui::RecordingSurface> area =
        std::make_shared<ui::RecordingSurface>("PictureBox", 6 * 1440, 5 * 1440);

    explicit Sheet(const Names& cables = {}) {
        program.dialogs = &dialogs;
        program.units.table[unit::kSmallLength] = {"in", "mm", 25.4f, 0.0f};
        program.plot.Picture.setSurface(area);
        grid.setCols(4);
        grid.setRows(2);
        grid.setText(1, 1, "Bundle");
        WireBundleEvents(program);
        for (size_t i = 0; i + 1 < cables.size(); i += 2) add(cables[i], cables[i + 1]);
        if (!cables.empty()) ComputeBundleDiameter(program);
    }
    // Appends a cable above the bundle row, its diameter as the grid shows it.
    void add(const std::string& name, const std::string& diameter) {
        const int row = grid.rows() - 1;
        grid.addItem(std::to_string(row) + "\t" + name + "\t" + diameter + "\t0.1", row);
    }
    const std::string& bundleCell() const { return grid.text(grid.rows() - 1, 2); }
};

TEST(bundle_diameter_test, bundles_have_their_known_diameters_or_are_refused_as_too_many) {
    // The first cable's diameter, the others', how many cables, the bundle cell ("Ovr": typed
    // by hand; "": refused; null: laid out, size not checked) and the leeway equal sizes need
    // (they are made unequal by up to 0.001 each).
    struct Row {
        const char *what, *first, *others;
        int cables;
        const char* cell;
        double near = 0;
        bool metric = false;
    };
    // clang-format off
    const Row rows[] = {
        {"no cable", "", "", 0, "0.000"}, {"one cable", "0.625", "", 1, "0.625"},
        {"an empty diameter is 0", "", "0.5", 2, "0.500"},
        {"rounded to 3 decimals", "0.5004", "0.2504", 2, "0.750"}, {"typed by hand", "0.5", "0.25", 2, "Ovr 1.200"},
        {"metric", "12.7", "6.35", 2, "19.050", 0, true}, {"three equal", "1", "1", 3, "2.155", 0.002},
        {"four empty", "", "", 4, "0.000", 0.004},
        // 31 cable circles and 10 work records
        {"31 cables, the most", "5", "1", 31, nullptr}, {"32 cables, too many", "5", "1", 32, ""},
        // the first ring closes by circle 21
        {"21 around a large one", "9", "0.09", 22, nullptr}, {"22 around a large one", "9", "0.09", 23, ""},
        {"no groove left in the second ring", "0.5", "0.5", 16, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        const std::string cell = row.cell ? row.cell : "?";
        const bool manual = cell.starts_with("Ovr"), computed = !manual && !cell.empty();
        SCOPED_TRACE(row.what);
        Sheet s;
        s.program.units.metricUnits = row.metric;
        s.program.bundle = {.circles = {{{1, 3, -2, 1, 0}}}, .lastCircle = 4};  // an earlier layout
        for (int i = 0; i < row.cables; ++i) s.add("P3 500", i == 0 ? row.first : row.others);
        s.program.main.Text5.setText(manual ? cell.substr(4) : "");
        s.grid.setText(s.grid.rows() - 1, 2, manual ? cell : "");
        s.program.main.Command3.setEnabled(cell.empty());  // the other way from the outcome, or kept
        ComputeBundleDiameter(s.program);
        EXPECT_EQ(s.program.main.Command3.enabled(), computed);
        EXPECT_EQ(s.dialogs.messages,
                  cell.empty() ? Names{"Too many cables for bundle calculation - enter manual value"} : Names{});
        EXPECT_EQ(s.program.main.Text5.text() == "9.999", cell.empty());
        EXPECT_EQ(s.program.bundle.lastCircle, row.cables > 31 ? 4 : row.cables - 1);  // not even read
        const double off = std::abs(LeadingNumber(s.bundleCell()) - LeadingNumber(cell));
        EXPECT_TRUE(!row.cell || (row.near > 0 ? off <= row.near : s.bundleCell() == cell)) << s.bundleCell();
    }
}

// The "9.999" put into the entry when the bundle cannot be laid out is the program's own: the
// worksheet is not computed from it, it goes when the selection fits again, and a 9.999 that
// the designer types is a diameter like any other.
TEST(bundle_diameter_test, the_placeholder_diameter_is_never_taken_for_a_typed_one) {
    Sheet s;
    s.program.main.Text5.onChange.connect([&s] { Text5_Change(s.program); });
    for (int i = 0; i < 16; ++i) s.add("P3 500", "0.5");
    ComputeBundleDiameter(s.program);
    EXPECT_EQ(std::tuple(s.program.main.Text5.text(), s.bundleCell(), s.program.placeholderDiameter),
              std::tuple("9.999", "Ovr 9.999", true));

    while (s.grid.rows() > 5) s.grid.removeItem(1);  // 3 cables fit
    ComputeBundleDiameter(s.program);
    EXPECT_EQ(std::tuple(s.program.main.Text5.text(), s.program.placeholderDiameter,
                         s.program.main.Command3.enabled()),
              std::tuple("", false, true));
    EXPECT_FALSE(s.bundleCell().starts_with("Ovr")) << s.bundleCell();

    while (s.grid.rows() < 18) s.add("P3 500", "0.5");
    ComputeBundleDiameter(s.program);
    EXPECT_TRUE(s.program.placeholderDiameter);
    s.program.main.Text5.setText("9.99");
    s.program.main.Text5.setText("9.999");  // typed over the placeholder: the designer's own
    EXPECT_FALSE(s.program.placeholderDiameter);
    while (s.grid.rows() > 5) s.grid.removeItem(1);
    ComputeBundleDiameter(s.program);
    EXPECT_EQ(std::tuple(s.program.main.Text5.text(), s.bundleCell()), std::tuple("9.999", "Ovr 9.999"));
}

// Every selection size from 1 to 40 with random diameters: an accepted bundle circle holds
// every cable circle, a refused one says so, and no record past the work records is touched.
TEST(bundle_diameter_test, every_selection_size_is_enclosed_or_refused_within_the_table) {
    // First diameter (0: random too), smallest and largest random diameter, share left empty.
    struct Kind {
        const char* name;
        double first, small, large, emptyShare;
    };
    const Kind kinds[] = {{"mixed sizes, some empty", 0, 0.1, 1.5, 0.05},
                          {"nearly equal", 0, 0.45, 0.55, 0},
                          {"a large first among small", 3, 0.2, 0.6, 0},
                          {"a larger first among nearly equal", 5, 0.9, 1.1, 0}};
    std::mt19937 random(1961);
    int accepted = 0, refused = 0;
    for (const auto& [name, first, small, large, emptyShare] : kinds) {
        for (int cables = 1; cables <= 40; ++cables) {
            Sheet s;
            std::uniform_real_distribution<double> size(small, large);
            std::bernoulli_distribution empty(emptyShare);
            for (int i = 0; i < cables; ++i) {
                const double d = i == 0 && first > 0 ? first : size(random);
                s.add("P3 500", empty(random) ? "" : FormatNumber(d, "0.000"));
            }
            for (BundleCircle& c : s.program.bundle.circles) c = {-777, 7, 7, 7, 7};
            ComputeBundleDiameter(s.program);
            const BundleLayout& layout = s.program.bundle;
            const std::string what = std::string(name) + ", " + std::to_string(cables) + " cables";
            for (int i = cables > 31 ? 0 : layout.lastCircle + 11; i < kBundleRecords; ++i)
                EXPECT_EQ(layout[i].id, -777) << what << ", record " << i;
            const bool fits = s.dialogs.messages.empty();
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

// The drawing in whole twips, ops apart by " | ": clear, circles "o x y radius colour", texts "x y text".
std::string drawing(const ui::RecordingSurface& area) {
    std::string out;
    for (const ui::RecordedOp& op : area.ops()) {
        const std::string at = std::to_string(std::lround(op.x)) + " " + std::to_string(std::lround(op.y));
        const ui::Rgb c = op.colour;
        const std::string colour = c == ui::Rgb{255, 0, 0} ? "red" : c == ui::Rgb{0, 0, 255} ? "blue" : "?";
        if (op.kind == ui::RecordedOp::Kind::Circle)
            out += "o " + at + " " + std::to_string(std::lround(op.size)) + " " + colour;
        else out += op.kind == ui::RecordedOp::Kind::Text ? at + " " + op.text : "clear";
        out += " | ";
    }
    return out;
}

// Sorted largest first, circle 0 (0.75) at the origin, 1 (0.5) touching at (1.25, 0), 2 (0.25)
// touching both at (0.8, -0.6) (sides 1, 0.75, 1.25: a right angle); the bundle encloses 0 and 1:
// centre (0.5, 0), radius 1.25. The plot centres it at 3, 2.5 in. Turned by atan(1/2) so that
// circle 2, sqrt(0.45) from the centre, is on top: circle 0 at (-sqrt(0.2), sqrt(0.05)) and circle 1
// at (0.75 cos, -0.75 sin) of atan(1/2) from the centre. Labels (80 by 192 twips) centre on circles.
TEST(bundle_plot_test, a_strand_turns_to_the_top_and_cables_draw_red_the_bundle_blue_with_a_legend) {
    const std::pair<const char*, std::string> rows[] = {
        {"1/4 EHS", "clear | o 3676 3922 1080 red | 3636 3826 3 | o 5286 3117 720 red | 5246 3021 1 | "
                    "o 4320 2634 360 red | 4280 2538 2 | "},
        {"CM 500", "clear | o 3600 3600 1080 red | 3560 3504 3 | o 5400 3600 720 red | 5360 3504 1 | "
                   "o 4752 2736 360 red | 4712 2640 2 | "},  // an integrated messenger is not turned
    };
    for (const auto& [messenger, cables] : rows) {
        Sheet s({"P3 500", "0.500", messenger, "0.250", "P3 750", "0.750"});
        s.grid.setText(0, 2, "Diam.\n\r(in)");
        s.program.main.Command3.click();
        EXPECT_TRUE(s.program.plot.shown()) << messenger;
        EXPECT_EQ(drawing(*s.area), cables + "o 4320 3600 29 blue | o 4320 3600 14 blue | o 4320 3600 1800 blue | "
                                    "0 0  1 = P3 500 | 0 192  2 = " + messenger + " | 0 384  3 = P3 750 | "
                                    "0 576 Bundle = 1.250 in | ");
    }
}

TEST(bundle_plot_test, a_bundle_too_tall_for_the_area_is_drawn_at_half_scale) {
    for (auto [diameter, scale] : {std::pair{2.8f, 0.5}, std::pair{2.25f, 1.0}, std::pair{2.0f, 1.0}}) {
        Sheet s({"P3 500", "0.500", "1/4 EHS", "0.250", "P3 750", "0.750"});
        s.program.bundle[3].r = diameter;
        DrawBundle(s.program);
        EXPECT_DOUBLE_EQ(s.area->scaleHeight(), 5 / scale) << diameter;
        EXPECT_NEAR(s.area->ops().back().size, double(diameter * 1440) * scale, 1e-3) << diameter;
    }
}

}  // namespace
}  // namespace cn3
