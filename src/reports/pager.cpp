#include "reports/pager.h"

#include <string>

#include "ui/measuring_surface.h"

namespace cn3 {

double BlockBottom(ui::Surface& surface, const PrintBlock& block) {
    ui::MeasuringSurface measuring(surface);
    block(measuring);
    return measuring.bottom();
}

void PageNumberFooter(ui::Surface& surface, int page, int count) {
    std::string text = "Page " + std::to_string(page);
    if (count > 0) text += " of " + std::to_string(count);
    surface.setBold(false);
    surface.setCurrentX(surface.scaleLeft() + (surface.scaleWidth() - surface.textWidth(text)) / 2);
    surface.setCurrentY(surface.scaleTop() + surface.scaleHeight() - surface.textHeight());
    surface.print(text, false);
}

Pager::Pager(ui::Surface& surface, PageFrame frame, double footSize)
    : surface_(surface), frame_(std::move(frame)) {
    const double size = surface.fontSize();
    const bool bold = surface.bold(), fixed = surface.fixedPitch();
    surface.setFontSize(footSize);
    surface.setBold(false);
    surface.setFixedPitch(false);
    footHeight_ = surface.textHeight("X");
    surface.setFontSize(size);
    surface.setBold(bold);
    surface.setFixedPitch(fixed);
}

double Pager::bodyBottom() const {
    return surface_.scaleTop() + surface_.scaleHeight() - footHeight_;
}

bool Pager::roomForLines(int lines) const {
    return fits(surface_.currentY() + lines * surface_.textHeight("X"));
}

void Pager::keepTogether(const PrintBlock& block) {
    if (surface_.currentY() > surface_.scaleTop() && !fits(BlockBottom(surface_, block)))
        newPage();
    block(surface_);
}

void Pager::footer() {
    if (!frame_.footer) return;
    // The footer keeps the body's position and font.
    const double x = surface_.currentX(), y = surface_.currentY(), size = surface_.fontSize();
    const bool bold = surface_.bold(), fixed = surface_.fixedPitch();
    frame_.footer(surface_, pageIndex(), pageCount());
    surface_.setCurrentX(x);
    surface_.setCurrentY(y);
    surface_.setFontSize(size);
    surface_.setBold(bold);
    surface_.setFixedPitch(fixed);
}

void Pager::newPage(bool continuation) {
    footer();
    if (surface_.typeName() == "Printer")
        surface_.newPage();
    else
        surface_.clear();
    if (continuation && frame_.continuation) frame_.continuation(surface_);
}

void Pager::finish() {
    footer();
}

}  // namespace cn3
