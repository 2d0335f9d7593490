#include "ui/surface.h"

namespace cn3::ui {

void Surface::clear() {
    deviceClear();
    x_ = left_;
    y_ = top_;
}

void Surface::setScaleTwips() {
    twips_ = true;
    left_ = top_ = 0;
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

void Surface::print(std::string_view text, bool endLine) {
    deviceText(toTwipsX(x_), toTwipsY(y_), text, fontSize_, bold_);
    if (endLine) {
        x_ = twips_ ? 0.0 : left_;
        y_ += textHeight(text);
    } else {
        x_ += textWidth(text);
    }
}

void Surface::circle(double x, double y, double radius, Rgb colour) {
    deviceCircle(toTwipsX(x), toTwipsY(y), radius * unitX(), colour);
}

void Surface::picture(const std::string& path, double x, double y, double width, double height) {
    devicePicture(path, toTwipsX(x), toTwipsY(y), width * unitX(), height * unitY());
}

void Surface::newPage() {
    deviceNewPage();
    x_ = twips_ ? 0.0 : left_;
    y_ = twips_ ? 0.0 : top_;
}

void Surface::endDoc() {
    deviceEndDoc();
}

}  // namespace cn3::ui
