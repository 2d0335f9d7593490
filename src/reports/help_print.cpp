#include "reports/help_print.h"

#include <string>
#include <vector>

#include "reports/pager.h"
#include "reports/text_placement.h"

namespace cn3 {

namespace {

constexpr double kHelpSize = 10;
constexpr double kSmallestSize = 6;

// 10 points, or a little less when the widest line would not end on the page at 10 (the
// help text is some 90 characters wide, which at 10 points fixed pitch fills a Letter page
// inside the margin and runs past the edge of an A4 page). The lines print in even widths,
// so the widest at 10 points is the widest at any size.
void SetHelpFontSize(ui::Surface& surface, const std::vector<std::string>& lines, double room) {
    surface.setFontSize(kHelpSize);
    const std::string* widest = nullptr;
    double widestWidth = -1;
    for (const std::string& line : lines)
        if (const double w = surface.textWidth(line); w > widestWidth) {
            widestWidth = w;
            widest = &line;
        }
    if (widest) surface.setFontSize(FitText(surface, *widest, room, kSmallestSize));
}

}  // namespace

void PrintHelpText(Program& program, ui::Surface& surface) {
    surface.setScaleTwips(-kHelpMargin);
    const std::vector<std::string>& lines = program.main.List1.items();
    // Later pages start with the help's own first line, its title, and an empty line.
    Pager pager(surface, {[&](ui::Surface& s) {
                              s.setCurrentX(0);
                              s.print(lines.front());
                              EndLine(s);
                          },
                          PageNumberFooter});
    const ui::Size logo =
        program.logoPath.empty() ? ui::Size{} : surface.pictureSize(program.logoPath);
    const double logoLeft = (surface.scaleWidth() - logo.width) / 2;
    if (logo.width > 0 && logo.height > 0)
        surface.picture(program.logoPath, logoLeft, 0, logo.width, logo.height);
    surface.setCurrentY(logo.height);

    const double pageRight = surface.scaleLeft() + surface.scaleWidth();
    surface.setFixedPitch(true);
    SetHelpFontSize(surface, lines, pageRight);
    const bool firstFits =
        !lines.empty() && logoLeft + surface.textWidth(lines.front()) <= pageRight;
    surface.setCurrentX(firstFits ? logoLeft : 0);
    for (const std::string& line : lines) {
        if (!pager.roomForLines(1)) pager.newPage();
        surface.print(line);
    }
    pager.finish();
}

}  // namespace cn3
