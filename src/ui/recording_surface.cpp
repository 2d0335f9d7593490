#include "ui/recording_surface.h"

namespace cn3::ui {

namespace {
// Characters, not bytes: UTF-8 continuation bytes do not count.
size_t charCount(std::string_view text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}
}  // namespace

std::vector<RecordedOp> RecordingSurface::texts() const {
    std::vector<RecordedOp> out;
    for (const auto& op : ops_)
        if (op.kind == RecordedOp::Kind::Text) out.push_back(op);
    return out;
}

void RecordingSurface::deviceText(double x, double y, std::string_view text, double fontSize,
                                  bool bold) {
    auto op = RecordedOp::of(RecordedOp::Kind::Text);
    op.x = x;
    op.y = y;
    op.text = std::string(text);
    op.fontSize = fontSize;
    op.bold = bold;
    op.fixedPitch = fixedPitch();
    ops_.push_back(std::move(op));
}

double RecordingSurface::deviceTextWidth(std::string_view text, double fontSize, bool) const {
    return static_cast<double>(charCount(text)) * charWidth(fontSize);
}

double RecordingSurface::deviceTextHeight(double fontSize, bool) const {
    return lineHeight(fontSize);
}

void RecordingSurface::deviceCircle(double x, double y, double radius, Rgb colour) {
    auto op = RecordedOp::of(RecordedOp::Kind::Circle);
    op.x = x;
    op.y = y;
    op.size = radius;
    op.colour = colour;
    ops_.push_back(std::move(op));
}

void RecordingSurface::devicePicture(const std::string& path, double x, double y, double w,
                                     double h) {
    auto op = RecordedOp::of(RecordedOp::Kind::Picture);
    op.x = x;
    op.y = y;
    op.text = path;
    op.size = w;
    op.height = h;
    ops_.push_back(std::move(op));
}

Size RecordingSurface::devicePictureSize(const std::string& path) const {
    const auto found = pictureSizes_.find(path);
    return found == pictureSizes_.end() ? Size{} : found->second;
}

void RecordingSurface::deviceLine(Point from, Point to, Rgb colour, double widthTwips) {
    recordLines(RecordedOp::Kind::Line, {from, to}, colour, widthTwips);
}

void RecordingSurface::deviceRectangle(Point corner1, Point corner2, Rgb colour, double widthTwips,
                                       std::optional<Rgb> fill) {
    recordLines(RecordedOp::Kind::Rectangle, {corner1, corner2}, colour, widthTwips);
    ops_.back().fill = fill;
}

void RecordingSurface::devicePolyline(const std::vector<Point>& points, Rgb colour,
                                      double widthTwips) {
    recordLines(RecordedOp::Kind::Polyline, points, colour, widthTwips);
}

void RecordingSurface::recordLines(RecordedOp::Kind kind, std::vector<Point> points, Rgb colour,
                                   double widthTwips) {
    auto op = RecordedOp::of(kind);
    op.points = std::move(points);
    op.colour = colour;
    op.lineWidth = widthTwips;
    ops_.push_back(std::move(op));
}

}  // namespace cn3::ui
