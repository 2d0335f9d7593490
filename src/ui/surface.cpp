#include "ui/surface.h"

namespace cn3::ui {

void Surface::clear() {
    if (!failed_) deviceClear();
    x_ = lineStartX();
    y_ = homeY();
}

void Surface::setScaleTwips(double left, double top) {
    twips_ = true;
    left_ = left;
    top_ = top;
}

void Surface::setScaleInches() {
    setScale(0, 0, areaWidthTwips() / kTwipsPerInch, areaHeightTwips() / kTwipsPerInch);
}

void Surface::setScale(double left, double top, double width, double height) {
    twips_ = false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

double Surface::scaleWidth() const {
    return twips_ ? areaWidthTwips() : width_;
}

double Surface::scaleHeight() const {
    return twips_ ? areaHeightTwips() : height_;
}

double Surface::unitX() const {
    if (twips_ || width_ == 0) return 1.0;
    return areaWidthTwips() / width_;
}

double Surface::unitY() const {
    if (twips_ || height_ == 0) return 1.0;
    return areaHeightTwips() / height_;
}

double Surface::textWidth(std::string_view text) const {
    return deviceTextWidth(text, fontSize_, bold_) / unitX();
}

double Surface::textHeight(std::string_view) const {
    return deviceTextHeight(fontSize_, bold_) / unitY();
}

void Surface::fail(std::string message) {
    if (failed_) return;
    failed_ = true;
    error_ = std::move(message);
}

void Surface::print(std::string_view text, bool endLine) {
    if (!failed_) deviceText(toTwipsX(x_), toTwipsY(y_), text, fontSize_, bold_);
    if (endLine) {
        x_ = lineStartX();
        y_ += textHeight(text);
    } else {
        x_ += textWidth(text);
    }
}

void Surface::circle(double x, double y, double radius, Rgb colour) {
    if (failed_) return;
    deviceCircle(toTwipsX(x), toTwipsY(y), radius * unitX(), colour);
}

void Surface::line(double x1, double y1, double x2, double y2, Rgb colour, double widthTwips) {
    if (failed_) return;
    deviceLine(toTwips({x1, y1}), toTwips({x2, y2}), colour, widthTwips);
}

void Surface::rectangle(double x1, double y1, double x2, double y2, Rgb colour, double widthTwips,
                        std::optional<Rgb> fill) {
    if (failed_) return;
    deviceRectangle(toTwips({x1, y1}), toTwips({x2, y2}), colour, widthTwips, fill);
}

void Surface::polyline(const std::vector<Point>& points, Rgb colour, double widthTwips) {
    if (failed_) return;
    std::vector<Point> device;
    device.reserve(points.size());
    for (const Point& p : points) device.push_back(toTwips(p));
    devicePolyline(device, colour, widthTwips);
}

void Surface::picture(const std::string& path, double x, double y, double width, double height) {
    if (failed_) return;
    devicePicture(path, toTwipsX(x), toTwipsY(y), width * unitX(), height * unitY());
}

Size Surface::pictureSize(const std::string& path) const {
    const Size twips = devicePictureSize(path);
    return {twips.width / unitX(), twips.height / unitY()};
}

void Surface::newPage() {
    if (!failed_) deviceNewPage();
    ++page_;
    x_ = lineStartX();
    y_ = homeY();
}

void Surface::endDoc() {
    deviceEndDoc();
}

}  // namespace cn3::ui
