// Every selection size from 1 to 40 with random diameters: an accepted bundle circle holds
// every cable circle, a refused one says so, and no record past the work records is touched.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bundle/bundle_diameter.h"
#include "core/number_format.h"

namespace cn3 {
namespace {

// Counts messages instead of scripting them: whether a random selection fits is not known
// in advance.
class CountingDialogs : public ui::Dialogs {
public:
    std::vector<std::string> messages;
    void message(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view) override { return false; }
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }
};

constexpr std::int16_t kUntouched = -777;

struct Selection {
    const char* name;
    double small, large;  // diameters drawn uniformly between these
    double first;         // the first cable's diameter, or 0 for another random one
    double emptyShare;    // share of cables whose diameter cell is empty
};

TEST(bundle_stress_test, every_selection_size_is_enclosed_or_refused_within_the_table) {
    const Selection selections[] = {
        {"mixed sizes", 0.1, 1.5, 0.0, 0.05},
        {"nearly equal sizes", 0.45, 0.55, 0.0, 0.0},
        {"one large cable with small ones", 0.2, 0.6, 3.0, 0.0},
        {"one very large cable with small ones", 0.9, 1.1, 5.0, 0.0},
    };
    std::mt19937 random(1961);
    int accepted = 0, refused = 0;
    for (const Selection& sel : selections) {
        for (int cables = 1; cables <= 40; ++cables) {
            Program program;
            CountingDialogs dialogs;
            program.dialogs = &dialogs;
            ui::Grid& grid = program.main.Grid2;
            grid.setCols(4);
            grid.setRows(2);
            grid.setText(1, 1, "Bundle");
            std::uniform_real_distribution<double> size(sel.small, sel.large);
            std::bernoulli_distribution empty(sel.emptyShare);
            for (int i = 0; i < cables; ++i) {
                const double d = i == 0 && sel.first > 0 ? sel.first : size(random);
                const std::string text = empty(random) ? "" : FormatNumber(d, "0.000");
                const int row = grid.rows() - 1;
                grid.addItem(std::to_string(row) + "\tP3 500\t" + text + "\t0.1", row);
            }
            for (BundleCircle& c : program.bundle.circles) c = {kUntouched, 777, 777, 777, 777};
            const std::string what = std::string(sel.name) + ", " + std::to_string(cables);

            ComputeBundleDiameter(program);

            const BundleLayout& layout = program.bundle;
            if (cables > 31) {
                EXPECT_EQ(dialogs.messages.size(), 1u) << what;
                for (const BundleCircle& c : layout.circles) EXPECT_EQ(c.id, kUntouched) << what;
                ++refused;
                continue;
            }
            for (int i = layout.lastCircle + 11; i < kBundleRecords; ++i)
                EXPECT_EQ(layout[i].id, kUntouched) << what << ", record " << i;
            if (!dialogs.messages.empty()) {
                EXPECT_EQ(program.main.Text5.text(), "9.999") << what;
                ++refused;
                continue;
            }
            ++accepted;
            const BundleCircle& bundle = layout[layout.lastCircle + 1];
            EXPECT_LT(bundle.r, 999.0f) << what;
            for (int i = 0; i <= layout.lastCircle; ++i) {
                const double reach = std::hypot(double{layout[i].x} - bundle.x,
                                                 double{layout[i].y} - bundle.y) + layout[i].r;
                EXPECT_LE(reach - bundle.r, 0.0051) << what << ", circle " << i;
            }
            EXPECT_NEAR(LeadingNumber(grid.text(grid.rows() - 1, 2)), bundle.r, 0.0005) << what;
        }
    }
    // Both ways must have been exercised for the test to mean anything.
    EXPECT_GT(accepted, 60);
    EXPECT_GT(refused, 40);
}

}  // namespace
}  // namespace cn3
