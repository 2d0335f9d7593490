#include "qt/qt_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPolygonF>
#include <QPrinter>
#include <algorithm>

#include "qt/qt_text.h"

namespace cn3::qt {

QString DrawingFontFamily() {
    static const QString family = [] {
        for (const char* name : {"Liberation Sans", "Arimo", "Arial"}) {
            const QString candidate = QString::fromLatin1(name);
            if (QFontDatabase::hasFamily(candidate)) return candidate;
        }
        return QString();
    }();
    return family;
}

int StretchToLayoutWidths(const QFont& font) {
    // Arial's figures are 0.556 of the type size wide; ten of them at 100 pixels are 556.
    QFont probe = font;
    probe.setPixelSize(100);
    probe.setStretch(QFont::Unstretched);
    const double figures = QFontMetricsF(probe).horizontalAdvance(QStringLiteral("0123456789"));
    if (figures <= 0) return QFont::Unstretched;
    return std::clamp(qRound(100.0 * 556.0 / figures), 50, 100);
}

Faces ScreenFaces() {
    static const QFont type = [] {
        const QString family = DrawingFontFamily();
        QFont font = family.isEmpty() ? QGuiApplication::font() : QFont(family);
        if (family.isEmpty()) font.setStretch(StretchToLayoutWidths(font));
        // Unrounded advances, so a table measured at one scale and shown at another keeps
        // its gaps.
        font.setHintingPreference(QFont::PreferVerticalHinting);
        return font;
    }();
    return {type, QFontDatabase::systemFont(QFontDatabase::FixedFont)};
}

// The printed layout is set in fixed twips (catalogue columns 1100 wide, temperature columns
// 1000) for a face of Arial's widths: in the wider DejaVu Sans a value like "0.0000064" at 10
// points fills its whole column and runs into the next one.
Faces PageFaces() {
    Faces faces = ScreenFaces();
    const auto face = [](const char* name, QFont::StyleHint hint, QFont& into) {
        const QString family = QString::fromLatin1(name);
        if (!QFontDatabase::hasFamily(family)) return;
        into = QFont(family);
        into.setStyleHint(hint);
    };
    face("Liberation Sans", QFont::SansSerif, faces.proportional);
    face("Liberation Mono", QFont::Monospace, faces.fixedPitch);
    return faces;
}

const QtSurface::Font& QtSurface::font(double points, bool bold) const {
    const bool fixed = fixedPitch();
    const auto key = std::tuple(points, bold, fixed);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    QFont font = fixed ? faces_.fixedPitch : faces_.proportional;
    font.setPointSizeF(points > 0 ? points : 8.0);
    font.setBold(bold);
    return fonts_.emplace(key, Font{font, QFontMetricsF(font, device_)}).first->second;
}

void QtSurface::deviceText(double x, double y, std::string_view text, double fontSize, bool bold) {
    const Font& type = font(fontSize, bold);
    const QFont qfont = type.font;
    const QString s = toQ(text);
    // The current position is the top left of the text; QPainter wants the baseline.
    const QPointF baseline(toDeviceX(x), toDeviceY(y) + type.metrics.ascent());
    paint([qfont, s, baseline](QPainter& p) {
        p.setFont(qfont);
        p.setPen(Qt::black);
        p.drawText(baseline, s);
    });
}

double QtSurface::deviceTextWidth(std::string_view text, double fontSize, bool bold) const {
    return font(fontSize, bold).metrics.horizontalAdvance(toQ(text)) * ui::kTwipsPerInch / dpiX();
}

double QtSurface::deviceTextHeight(double fontSize, bool bold) const {
    return font(fontSize, bold).metrics.height() * ui::kTwipsPerInch / dpiY();
}

const QImage& QtSurface::pictureFile(const std::string& path) const {
    if (const auto found = pictures_.find(path); found != pictures_.end()) return found->second;
    return pictures_.emplace(path, QImage(toQ(path))).first->second;
}

void QtSurface::deviceCircle(double x, double y, double radius, ui::Rgb colour) {
    const QPointF centre(toDeviceX(x), toDeviceY(y));
    const double rx = toDeviceX(radius);
    const double ry = toDeviceY(radius);
    paint([centre, rx, ry, colour](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(colour.r, colour.g, colour.b), 0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, rx, ry);
    });
}

QPen QtSurface::penFor(ui::Rgb colour, double widthTwips) const {
    QPen pen(QColor(colour.r, colour.g, colour.b));
    if (widthTwips > 0) {
        pen.setWidthF(toDeviceX(widthTwips));
    } else {
        pen.setWidthF(0);
        pen.setCosmetic(true);
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void QtSurface::deviceLine(ui::Point from, ui::Point to, ui::Rgb colour, double widthTwips) {
    const QPen pen = penFor(colour, widthTwips);
    const QPointF a = toDevice(from);
    const QPointF b = toDevice(to);
    paint([pen, a, b](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(pen);
        p.drawLine(a, b);
    });
}

void QtSurface::deviceRectangle(ui::Point corner1, ui::Point corner2, ui::Rgb colour,
                                double widthTwips, std::optional<ui::Rgb> fill) {
    const QPen pen = penFor(colour, widthTwips);
    const QRectF rect = QRectF(toDevice(corner1), toDevice(corner2)).normalized();
    paint([pen, rect, fill](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(pen);
        if (fill)
            p.setBrush(QColor(fill->r, fill->g, fill->b));
        else
            p.setBrush(Qt::NoBrush);
        p.drawRect(rect);
    });
}

void QtSurface::devicePolyline(const std::vector<ui::Point>& points, ui::Rgb colour,
                               double widthTwips) {
    const QPen pen = penFor(colour, widthTwips);
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const ui::Point& point : points) polygon.append(toDevice(point));
    paint([pen, polygon](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(pen);
        p.drawPolyline(polygon);
    });
}

ui::Size QtSurface::devicePictureSize(const std::string& path) const {
    const QImage& picture = pictureFile(path);
    if (picture.isNull()) return {};
    // Qt gives an image whose file states no resolution that of a new image.
    const QImage unstated(1, 1, QImage::Format_ARGB32);
    const auto inches = [](int pixels, int dotsPerMeter, int unstatedDotsPerMeter) {
        const double dpi =
            dotsPerMeter > 0 && dotsPerMeter != unstatedDotsPerMeter ? dotsPerMeter * 0.0254 : 96.0;
        return pixels / dpi;
    };
    return {inches(picture.width(), picture.dotsPerMeterX(), unstated.dotsPerMeterX()) *
                ui::kTwipsPerInch,
            inches(picture.height(), picture.dotsPerMeterY(), unstated.dotsPerMeterY()) *
                ui::kTwipsPerInch};
}

void QtSurface::devicePicture(const std::string& path, double x, double y, double w, double h) {
    const QImage& picture = pictureFile(path);
    if (picture.isNull()) return;  // a missing picture leaves its place empty
    const QRectF target(toDeviceX(x), toDeviceY(y), toDeviceX(w), toDeviceY(h));
    paint([target, picture](QPainter& p) { p.drawImage(target, picture); });
}

ImageSurface::ImageSurface(int widthPx, int heightPx, double dpi, double pixelRatio)
    : QtSurface(nullptr, ScreenFaces()), dpi_(dpi), pixelRatio_(pixelRatio) {
    makeImage(widthPx, heightPx);
}

void ImageSurface::makeImage(int widthPx, int heightPx) {
    widthPx_ = std::max(1, widthPx);
    heightPx_ = std::max(1, heightPx);
    image_ = QImage(qRound(widthPx_ * pixelRatio_), qRound(heightPx_ * pixelRatio_),
                    QImage::Format_ARGB32_Premultiplied);
    // Logical pixels at the screen's logical DPI; the pixel ratio keeps it sharp on high-DPI.
    const int dotsPerMeter = qRound(dpi_ / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.setDevicePixelRatio(pixelRatio_);
    image_.fill(Qt::white);
    setDevice(&image_);
}

void ImageSurface::setView(int widthPx, int heightPx, double zoom) {
    zoom_ = zoom > 0 ? zoom : 1.0;
    makeImage(widthPx, heightPx);
    QPainter painter(&image_);
    painter.scale(zoom_, zoom_);
    for (const auto& step : steps_) {
        painter.save();
        step(painter);
        painter.restore();
    }
}

double ImageSurface::areaWidthTwips() const {
    return widthPx_ / zoom_ * ui::kTwipsPerInch / dpiX();
}
double ImageSurface::areaHeightTwips() const {
    return heightPx_ / zoom_ * ui::kTwipsPerInch / dpiY();
}

void ImageSurface::paint(const std::function<void(QPainter&)>& step) {
    steps_.push_back(step);
    QPainter painter(&image_);
    painter.scale(zoom_, zoom_);
    step(painter);
}

void ImageSurface::deviceClear() {
    steps_.clear();
    image_.fill(Qt::white);
}

PageSurface::PageSurface(std::unique_ptr<QPagedPaintDevice> device, QString pdfPath)
    : QtSurface(device.get(), PageFaces()),
      owned_(std::move(device)),
      pages_(owned_.get()),
      pdfPath_(std::move(pdfPath)) {}

PageSurface::PageSurface(QPagedPaintDevice& device)
    : QtSurface(&device, PageFaces()), pages_(&device) {}

PageSurface::~PageSurface() {
    if (painter_.isActive()) painter_.end();
}

double PageSurface::areaWidthTwips() const {
    return pages_->width() * ui::kTwipsPerInch / dpiX();
}
double PageSurface::areaHeightTwips() const {
    return pages_->height() * ui::kTwipsPerInch / dpiY();
}

bool PageSurface::onPaper() const {
    const auto* printer = dynamic_cast<const QPrinter*>(pages_);
    return printer && printer->outputFormat() != QPrinter::PdfFormat;
}

std::string PageSurface::deviceName() const {
    if (onPaper()) return "The printer";
    QString file = pdfPath_;
    if (const auto* printer = dynamic_cast<const QPrinter*>(pages_))
        file = printer->outputFileName();
    return file.isEmpty() ? "The PDF file" : "The PDF file " + fromQ(file);
}

bool PageSurface::begin() {
    if (painter_.isActive() || painter_.begin(pages_)) return true;
    fail(deviceName() + (onPaper() ? " could not be started." : " could not be written."));
    return false;
}

void PageSurface::paint(const std::function<void(QPainter&)>& step) {
    if (ended_ || !begin()) return;
    step(painter_);
}

void PageSurface::deviceNewPage() {
    if (ended_ || !begin()) return;
    if (!pages_->newPage()) fail(deviceName() + " could not start a new page.");
}

void PageSurface::deviceEndDoc() {
    if (painter_.isActive() && !painter_.end())
        fail(deviceName() + " could not finish the document.");
    ended_ = true;
}

}  // namespace cn3::qt
