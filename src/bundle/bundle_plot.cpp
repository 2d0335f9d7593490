#include "bundle/bundle_plot.h"

#include <string>

#include "bundle/bundle_turn.h"
#include "core/number_format.h"
#include "core/pi.h"

namespace cn3 {

namespace {

constexpr ui::Rgb kCableColour{255, 0, 0};
constexpr ui::Rgb kBundleColour{0, 0, 255};
constexpr double kCentreDotRadii[] = {0.02, 0.01};  // inches
constexpr double kPlotFontSize = 8.0;
// Room kept around the bundle circle before the plot goes to half scale, in inches.
constexpr double kPlotMargin = 0.5;

// "Diameter (in)" -> "in": the unit a heading names in parentheses at its end.
std::string unitOfHeading(const std::string& heading) {
    const auto open = heading.find('(');
    if (open == std::string::npos) return {};
    std::string unit = heading.substr(open + 1);
    if (!unit.empty()) unit.pop_back();
    return unit;
}

// Names the cables by their numbers and gives the bundle diameter with its unit, from the
// top left corner down.
void writeLegend(Program& program) {
    ui::Surface& surface = program.plot.Picture.surface();
    const ui::Grid& grid = program.main.Grid2;
    const int bundleRow = grid.rows() - 1;
    surface.setCurrentY(surface.scaleTop());
    for (int row = 1; row <= bundleRow; ++row) {
        surface.setCurrentX(surface.scaleLeft());
        if (row < bundleRow) {
            // A positive number is shown after a blank: " 1 = ...".
            std::string line = " ";
            line += std::to_string(row);
            line += " = ";
            line += grid.text(row, 1);
            surface.print(line);
            continue;
        }
        std::string line = grid.text(row, 1) + " = " + grid.text(row, 2);
        const std::string unit = unitOfHeading(grid.text(0, 2));
        if (!unit.empty()) line += " " + unit;
        surface.print(line);
    }
}

}  // namespace

void ShowBundlePlot(Program& program) {
    // Only a computed diameter has a layout behind it.
    if (!program.main.Command3.enabled()) return;
    const double pi = kPi;
    const int strand = FindStrandCircle(program);
    // Without a strand there is no top: the bundle is drawn as it was laid out.
    if (strand >= 0) TurnStrandToTop(program.bundle, strand, pi);
    DrawBundle(program);
    writeLegend(program);
    program.plot.Picture.refresh();
}

void DrawBundle(Program& program) {
    if (!program.main.Command3.enabled()) return;
    program.plot.show();
    ui::Surface& surface = program.plot.Picture.surface();
    const BundleLayout& layout = program.bundle;
    const int bundle = layout.lastCircle + 1;
    const BundleCircle& centre = layout[bundle];

    surface.setScaleInches();
    double width = surface.scaleWidth();
    double height = surface.scaleHeight();
    if (2.0 * static_cast<double>(centre.r) + kPlotMargin > height) {
        width *= 2.0;  // half size, so that the whole bundle fits
        height *= 2.0;
    }
    surface.clear();
    surface.setScale(static_cast<double>(centre.x) - width / 2.0,
                     static_cast<double>(centre.y) - height / 2.0, width, height);
    surface.setFontSize(kPlotFontSize);
    surface.setBold(false);

    for (int k = 0; k <= bundle; ++k) {
        const BundleCircle& c = layout[k];
        ui::Rgb colour = kCableColour;
        if (k == bundle) {
            colour = kBundleColour;
            for (double dot : kCentreDotRadii)
                surface.circle(static_cast<double>(c.x), static_cast<double>(c.y), dot, colour);
        }
        surface.circle(static_cast<double>(c.x), static_cast<double>(c.y), static_cast<double>(c.r),
                       colour);
        if (k < bundle && c.id >= 0) {
            const std::string label = FormatNumber(c.id, "#0");
            surface.setCurrentX(static_cast<double>(c.x) - surface.textWidth(label) / 2.0);
            surface.setCurrentY(static_cast<double>(c.y) - surface.textHeight(label) / 2.0);
            surface.print(label);
        }
    }
}

}  // namespace cn3
