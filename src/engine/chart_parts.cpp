#include "engine/chart_parts.h"

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

}  // namespace cn3
