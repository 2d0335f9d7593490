#include "reports/help_print.h"

#include <string>
#include <vector>

namespace cn3 {

void PrintHelpText(Program& program, ui::Surface& surface) {
    surface.setScaleTwips(-kHelpMargin);
    const ui::Size logo =
        program.logoPath.empty() ? ui::Size{} : surface.pictureSize(program.logoPath);
    const double logoLeft = (surface.scaleWidth() - logo.width) / 2;
    if (logo.width > 0 && logo.height > 0)
        surface.picture(program.logoPath, logoLeft, 0, logo.width, logo.height);
    surface.setCurrentY(logo.height);
    surface.setFontSize(10);
    surface.setFixedPitch(true);

    const std::vector<std::string>& lines = program.main.List1.items();
    const double pageRight = surface.scaleLeft() + surface.scaleWidth();
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
