#include "engine/stacked_heading.h"

#include "ui/split_fields.h"

namespace cn3 {

void PrintStackedHeading(ui::Surface& target, double x, double width, std::string_view text) {
    for (const auto piece : ui::SplitFields(text, "|")) {
        target.setCurrentX(width != 0.0 ? x + (width - target.textWidth(piece)) / 2.0 : x);
        target.print(piece);
    }
}

}  // namespace cn3
