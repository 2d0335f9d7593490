#include "ui/measuring_surface.h"

#include <algorithm>

namespace cn3::ui {

MeasuringSurface::MeasuringSurface(Surface& page) : page_(page) {
    if (page.twipsScale())
        setScaleTwips(page.scaleLeft(), page.scaleTop());
    else
        setScale(page.scaleLeft(), page.scaleTop(), page.scaleWidth(), page.scaleHeight());
    setCurrentX(page.currentX());
    setCurrentY(page.currentY());
    setFontSize(page.fontSize());
    setBold(page.bold());
    setFixedPitch(page.fixedPitch());
    setPageCount(page.pageCount());
    // The starting y in device twips, through the scale just copied.
    const double unitY =
        page.twipsScale() || page.scaleHeight() == 0 ? 1.0 : areaHeightTwips() / page.scaleHeight();
    bottom_ = (page.currentY() - page.scaleTop()) * unitY;
}

double MeasuringSurface::bottom() const {
    if (twipsScale()) return bottom_ + scaleTop();
    return bottom_ * scaleHeight() / areaHeightTwips() + scaleTop();
}

template <typename Measure>
double MeasuringSurface::withFont(double fontSize, bool bold, Measure measure) const {
    const double size = page_.fontSize();
    const bool wasBold = page_.bold();
    const bool wasFixed = page_.fixedPitch();
    page_.setFontSize(fontSize);
    page_.setBold(bold);
    page_.setFixedPitch(fixedPitch());
    // In twips whatever the page's scale: the page's own unit may not be a twip.
    const double result = measure();
    page_.setFontSize(size);
    page_.setBold(wasBold);
    page_.setFixedPitch(wasFixed);
    return result;
}

void MeasuringSurface::deviceText(double, double y, std::string_view text, double fontSize,
                                  bool bold) {
    if (!text.empty()) reach(y + deviceTextHeight(fontSize, bold));
}

double MeasuringSurface::deviceTextWidth(std::string_view text, double fontSize, bool bold) const {
    return withFont(fontSize, bold, [&] { return page_.textWidthTwips(text); });
}

double MeasuringSurface::deviceTextHeight(double fontSize, bool bold) const {
    return withFont(fontSize, bold, [&] { return page_.textHeightTwips(); });
}

void MeasuringSurface::deviceCircle(double, double y, double radius, Rgb) {
    reach(y + radius);
}

void MeasuringSurface::deviceLine(Point from, Point to, Rgb, double widthTwips) {
    reach(std::max(from.y, to.y) + widthTwips / 2);
}

void MeasuringSurface::deviceRectangle(Point corner1, Point corner2, Rgb, double widthTwips,
                                       std::optional<Rgb>) {
    reach(std::max(corner1.y, corner2.y) + widthTwips / 2);
}

void MeasuringSurface::devicePolyline(const std::vector<Point>& points, Rgb, double widthTwips) {
    for (const Point& p : points) reach(p.y + widthTwips / 2);
}

void MeasuringSurface::devicePicture(const std::string&, double, double y, double, double h) {
    reach(y + h);
}

Size MeasuringSurface::devicePictureSize(const std::string& path) const {
    return page_.pictureSizeTwips(path);
}

}  // namespace cn3::ui
