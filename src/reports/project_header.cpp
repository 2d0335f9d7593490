#include "reports/project_header.h"

namespace cn3 {

void PrintProjectLine(const MainForm& form, ui::Surface& surface, double left) {
    surface.setCurrentX(left);
    surface.print(form.Text1.text(), false);
    surface.setCurrentX(kDateX);
    surface.print(form.Text2.text(), false);
    surface.setCurrentX(kSpanIdX);
    surface.print(form.Text3.text());
}

}  // namespace cn3
