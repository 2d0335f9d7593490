#include "qt/qt_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include "qt/qt_text.h"

namespace cn3::qt {

QFont QtSurface::fontFor(double points, bool bold) const {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points > 0 ? points : 8.0);
    font.setBold(bold);
    return font;
}

void QtSurface::deviceText(double x, double y, std::string_view text, double fontSize, bool bold) {
    const QFont font = fontFor(fontSize, bold);
    const QString s = toQ(text);
    const double left = toDeviceX(x);
    const double top = toDeviceY(y);
    paint([&](QPainter& p) {
        p.setFont(font);
        p.setPen(Qt::black);
        // The current position is the top left of the text; QPainter wants the baseline.
        p.drawText(QPointF(left, top + QFontMetricsF(font, device_).ascent()), s);
    });
}

double QtSurface::deviceTextWidth(std::string_view text, double fontSize, bool bold) const {
    const QFontMetricsF metrics(fontFor(fontSize, bold), device_);
    return metrics.horizontalAdvance(toQ(text)) * ui::kTwipsPerInch / dpiX();
}

double QtSurface::deviceTextHeight(double fontSize, bool bold) const {
    const QFontMetricsF metrics(fontFor(fontSize, bold), device_);
    return metrics.height() * ui::kTwipsPerInch / dpiY();
}

void QtSurface::deviceCircle(double x, double y, double radius, ui::Rgb colour) {
    const QPointF centre(toDeviceX(x), toDeviceY(y));
    const double rx = toDeviceX(radius);
    const double ry = toDeviceY(radius);
    paint([&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(colour.r, colour.g, colour.b), 0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, rx, ry);
    });
}

void QtSurface::devicePicture(const std::string& path, double x, double y, double w, double h) {
    const QImage picture(toQ(path));
    if (picture.isNull()) return;  // a missing picture leaves its place empty
    const QRectF target(toDeviceX(x), toDeviceY(y), toDeviceX(w), toDeviceY(h));
    paint([&](QPainter& p) { p.drawImage(target, picture); });
}

ImageSurface::ImageSurface(int widthPx, int heightPx, double dpi, double pixelRatio)
    : QtSurface(nullptr),
      image_(qRound(widthPx * pixelRatio), qRound(heightPx * pixelRatio),
             QImage::Format_ARGB32_Premultiplied),
      widthPx_(widthPx),
      heightPx_(heightPx) {
    // Logical pixels at the screen's logical DPI; the pixel ratio keeps it sharp on high-DPI.
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(Qt::white);
    setDevice(&image_);
}

double ImageSurface::areaWidthTwips() const {
    return widthPx_ * ui::kTwipsPerInch / dpiX();
}
double ImageSurface::areaHeightTwips() const {
    return heightPx_ * ui::kTwipsPerInch / dpiY();
}

void ImageSurface::paint(const std::function<void(QPainter&)>& step) {
    QPainter painter(&image_);
    step(painter);
}

void ImageSurface::deviceClear() {
    image_.fill(Qt::white);
}

PageSurface::PageSurface(std::unique_ptr<QPagedPaintDevice> device)
    : QtSurface(device.get()), pages_(std::move(device)) {}

PageSurface::~PageSurface() {
    if (painter_.isActive()) painter_.end();
}

double PageSurface::areaWidthTwips() const {
    return pages_->width() * ui::kTwipsPerInch / dpiX();
}
double PageSurface::areaHeightTwips() const {
    return pages_->height() * ui::kTwipsPerInch / dpiY();
}

void PageSurface::paint(const std::function<void(QPainter&)>& step) {
    if (ended_) return;
    if (!painter_.isActive() && !painter_.begin(pages_.get())) return;
    step(painter_);
}

void PageSurface::deviceNewPage() {
    if (ended_) return;
    if (!painter_.isActive()) painter_.begin(pages_.get());
    pages_->newPage();
}

void PageSurface::deviceEndDoc() {
    if (painter_.isActive()) painter_.end();
    ended_ = true;
}

}  // namespace cn3::qt
