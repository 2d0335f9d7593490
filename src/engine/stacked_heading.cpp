#include "engine/stacked_heading.h"

#include <algorithm>

#include "ui/split_fields.h"

namespace cn3 {

void PrintStackedHeading(ui::Surface& target, double x, double width, std::string_view text) {
    for (const auto piece : ui::SplitFields(text, "|")) {
        target.setCurrentX(width != 0.0 ? x + (width - target.textWidth(piece)) / 2.0 : x);
        target.print(piece);
    }
}

void PrintFittedLine(ui::Surface& target, double x, double width, std::string_view text,
                     bool centred) {
    constexpr double kSmallestSize = 4, kStep = 0.5;
    const std::string_view shown = text.substr(0, text.find_last_not_of(' ') + 1);
    if (width <= 0.0 || target.textWidth(shown) <= width) {
        target.setCurrentX(centred && width != 0.0 ? x + (width - target.textWidth(text)) / 2.0 : x);
        target.print(text);
        return;
    }
    const double size = target.fontSize();
    const double y = target.currentY(), step = target.textHeight();
    for (double fitted = size; fitted > kSmallestSize && target.textWidth(shown) > width;) {
        fitted = std::max(kSmallestSize, fitted - kStep);
        target.setFontSize(fitted);
    }
    target.setCurrentX(centred ? x + std::max(0.0, (width - target.textWidth(shown)) / 2.0) : x);
    target.print(text);
    target.setFontSize(size);
    target.setCurrentY(y + step);
}

void PrintFittedStack(ui::Surface& target, double x, double width, std::string_view text) {
    for (const auto piece : ui::SplitFields(text, "|")) PrintFittedLine(target, x, width, piece, true);
}

}  // namespace cn3
