#include "engine/chart_parts.h"

#include <algorithm>

namespace cn3 {

void DrawMark(ui::Surface& target, Mark mark, double x, double y, ui::Rgb colour, double size) {
    const double h = size / 2;
    switch (mark) {
        case Mark::Circle:
            target.circle(x, y, h, colour);
            break;
        case Mark::Square:
            target.rectangle(x - h, y - h, x + h, y + h, colour, 10, kWhite);
            break;
        case Mark::FilledSquare:
            target.rectangle(x - h, y - h, x + h, y + h, colour, 10, colour);
            break;
        case Mark::Triangle:
            target.polyline({{x, y - h}, {x + h, y + h}, {x - h, y + h}, {x, y - h}}, colour, 10);
            break;
        case Mark::Diamond:
            target.polyline({{x, y - h}, {x + h, y}, {x, y + h}, {x - h, y}, {x, y - h}}, colour,
                            10);
            break;
    }
}

void PlaceText(ui::Surface& target, std::string_view text, double x, double y, Align align) {
    const double width = target.textWidth(text);
    const double left = align == Align::Left     ? x
                        : align == Align::Centre ? x - width / 2
                                                 : x - width;
    target.setCurrentX(left);
    target.setCurrentY(y);
    target.print(text);
}

double WidestTickText(ui::Surface& target, const ChartAxis& axis) {
    double widest = 0;
    for (int i = 0; i <= axis.intervals(); ++i)
        widest = std::max(widest, target.textWidth(axis.tickText(axis.low + i * axis.step)));
    return widest;
}

std::string AxisTitle(std::string_view name, std::string_view unit) {
    std::string text(name);
    if (!unit.empty()) {
        text += " (";
        text += unit;
        text += ')';
    }
    return text;
}

}  // namespace cn3
