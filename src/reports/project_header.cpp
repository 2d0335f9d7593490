#include "reports/project_header.h"

#include "core/blanks.h"
#include "reports/text_placement.h"

namespace cn3 {

namespace {

// Prints the text from x, shrunk to end before `right`, without ending the line; a shrunk
// text stands on the line's foot, as its neighbours do, not hanging from its top.
void PrintInField(ui::Surface& surface, const std::string& text, double x, double right) {
    const double size = surface.fontSize(), top = surface.currentY();
    const double lineHeight = surface.textHeight();
    surface.setFontSize(FitText(surface, text, right - x));
    surface.setCurrentX(x);
    surface.setCurrentY(top + lineHeight - surface.textHeight());
    surface.print(text, false);
    surface.setFontSize(size);
    surface.setCurrentY(top);
}

}  // namespace

void PrintProjectLine(const MainForm& form, ui::Surface& surface, double left) {
    const double top = surface.currentY();
    const double pageRight = surface.scaleLeft() + surface.scaleWidth();
    PrintInField(surface, form.Text1.text(), left, kDateX - kFieldGap);
    PrintInField(surface, form.Text2.text(), kDateX, kSpanIdX - kFieldGap);
    PrintInField(surface, form.Text3.text(), kSpanIdX, pageRight);
    surface.setCurrentX(0);
    surface.setCurrentY(top + surface.textHeight());
}

std::string ContinuationTitle(const MainForm& form, std::string_view title) {
    std::string line(title);
    for (const std::string* text : {&form.Text1.text(), &form.Text3.text()}) {
        const std::string_view trimmed = TrimBlanks(*text);
        if (!trimmed.empty()) line += " - " + std::string(trimmed);
    }
    return line;
}

}  // namespace cn3
