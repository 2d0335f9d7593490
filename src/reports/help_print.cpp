#include "reports/help_print.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cn3 {

namespace {

constexpr double kHelpSize = 10;
constexpr double kSmallestSize = 6;

double WidestLine(const ui::Surface& surface, const std::vector<std::string>& lines) {
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, surface.textWidth(line));
    return widest;
}

// 10 points, or a little less when the widest line would not end on the page at 10 (the
// help text is some 90 characters wide, which at 10 points fixed pitch fills a Letter page
// inside the margin and runs past the edge of an A4 page).
void SetHelpFontSize(ui::Surface& surface, const std::vector<std::string>& lines, double room) {
    surface.setFontSize(kHelpSize);
    const double widest = WidestLine(surface, lines);
    if (widest <= room) return;
    double size = kHelpSize * room / widest;
    surface.setFontSize(size);
    while (size > kSmallestSize && WidestLine(surface, lines) > room) {
        size -= 0.1;
        surface.setFontSize(size);
    }
}

}  // namespace

void PrintHelpText(Program& program, ui::Surface& surface) {
    surface.setScaleTwips(-kHelpMargin);
    const ui::Size logo =
        program.logoPath.empty() ? ui::Size{} : surface.pictureSize(program.logoPath);
    const double logoLeft = (surface.scaleWidth() - logo.width) / 2;
    if (logo.width > 0 && logo.height > 0)
        surface.picture(program.logoPath, logoLeft, 0, logo.width, logo.height);
    surface.setCurrentY(logo.height);

    const std::vector<std::string>& lines = program.main.List1.items();
    const double pageRight = surface.scaleLeft() + surface.scaleWidth();
    surface.setFixedPitch(true);
    SetHelpFontSize(surface, lines, pageRight);
    const bool firstFits =
        !lines.empty() && logoLeft + surface.textWidth(lines.front()) <= pageRight;
    surface.setCurrentX(firstFits ? logoLeft : 0);
    for (const std::string& line : lines) {
        if (surface.currentY() + 2 * surface.textHeight("X") > surface.scaleHeight())
            surface.newPage();
        surface.print(line);
    }
    surface.endDoc();
}

}  // namespace cn3
