// The ink of what a recording surface printed, for layout tests: each text's box (blanks at
// either end leave none) on its page, and the faults of a page: texts over each other, and
// texts or drawings off the area.
#pragma once

#include <string>
#include <vector>

#include "ui/recording_surface.h"

namespace cn3::test {

struct Box {
    std::string text;
    int page;
    double left, right, top, bottom;
};

inline std::vector<Box> Boxes(const std::vector<ui::RecordedOp>& ops) {
    std::vector<Box> boxes;
    int page = 1;
    for (const auto& op : ops) {
        if (op.kind == ui::RecordedOp::Kind::NewPage) ++page;
        if (op.kind != ui::RecordedOp::Kind::Text) continue;
        const size_t first = op.text.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const size_t end = op.text.find_last_not_of(' ') + 1;
        const double w = ui::RecordingSurface::charWidth(op.fontSize);
        boxes.push_back({op.text, page, op.x + double(first) * w, op.x + double(end) * w, op.y,
                         op.y + ui::RecordingSurface::lineHeight(op.fontSize)});
    }
    return boxes;
}

// Pairs of texts whose ink overlaps, and texts and drawings not wholly inside the area from
// (left, top) to (right, bottom).
inline std::vector<std::string> Faults(const std::vector<ui::RecordedOp>& ops, double right,
                                       double bottom, double left = 0, double top = 0) {
    std::vector<std::string> faults;
    const auto boxes = Boxes(ops);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        if (a.left < left || a.right > right || a.top < top || a.bottom > bottom)
            faults.push_back("off the page: " + a.text);
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            if (a.page == b.page && a.left < b.right && b.left < a.right && a.top < b.bottom &&
                b.top < a.bottom)
                faults.push_back(a.text + " | " + b.text);
        }
    }
    for (const auto& op : ops)
        for (const auto& p : op.points)
            if (p.x < left || p.x > right || p.y < top || p.y > bottom)
                faults.push_back("a drawing off the page");
    return faults;
}

}  // namespace cn3::test
