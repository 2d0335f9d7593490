#include "reports/text_placement.h"

#include "core/cable_table.h"

namespace cn3 {

ColumnStops MakeColumnStops() {
    ColumnStops stops{};
    stops[1] = 1500;
    for (size_t i = 2; i <= 10; ++i) stops[i] = static_cast<std::int16_t>(stops[i - 1] + 1100);
    return stops;
}

void PrintCentred(ui::Surface& surface, std::string_view text) {
    surface.setCurrentX((surface.scaleWidth() - surface.textWidth(text)) / 2);
    surface.print(text);
}

void PrintRightAligned(ui::Surface& surface, double x, std::string_view text) {
    surface.setCurrentX(x - surface.textWidth(text));
    surface.print(text, false);
}

void PrintColumnText(ui::Surface& surface, double x, double width, std::string_view text) {
    while (true) {
        const size_t end = text.find(kHeaderBreak);
        const std::string_view piece = text.substr(0, end);
        surface.setCurrentX(width != 0 ? x + (width - surface.textWidth(piece)) / 2 : x);
        surface.print(piece);
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + kHeaderBreak.size());
    }
}

void EndLine(ui::Surface& surface) {
    surface.print("");
}

}  // namespace cn3
