#include "engine/stacked_heading.h"

namespace cn3 {

void PrintStackedHeading(ui::Surface& target, double x, double width, std::string_view text) {
    for (;;) {
        const auto bar = text.find('|');
        const auto piece = text.substr(0, bar);
        target.setCurrentX(width != 0.0 ? x + (width - target.textWidth(piece)) / 2.0 : x);
        target.print(piece);
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 1);
    }
}

}  // namespace cn3
