// Surfaces that draw with QPainter: an image shown by a drawing area on screen, and a printer
// or PDF page. Twips become device units through the device's logical DPI, and text is
// measured with the font metrics of that same device, so what is laid out fits what is drawn.
// Circles, lines, rectangles and polylines are antialiased; a line width of 0 is the device's
// thinnest (one-pixel, cosmetic) line.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "ui/surface.h"

namespace cn3::qt {

// The family every drawn and printed text uses. The tables are laid out in twips for type of
// Arial's widths: Liberation Sans (Debian's fonts-liberation) has them, and so have Arimo and
// Arial. With none of them installed it is empty, and the application's font is used, narrowed
// (StretchToLayoutWidths) until its figures are as wide as Arial's.
QString DrawingFontFamily();

// The stretch (percent, 50 to 100) at which the font's figures take Arial's widths; 100 for a
// font whose figures are no wider.
int StretchToLayoutWidths(const QFont& font);

// The two faces a surface draws text in, before size and weight: one for ordinary text and
// one of even widths (fixed pitch).
struct Faces {
    QFont proportional;
    QFont fixedPitch;
};

// On screen: the drawing family (or the application's font narrowed to its widths) and the
// system's fixed-pitch font.
Faces ScreenFaces();
// On paper: Liberation Sans and Liberation Mono, whose widths are Arial's and Courier's, when
// they are installed; the screen's faces otherwise.
Faces PageFaces();

// Fonts and pictures are resolved once per surface, that is once per print job or picture
// area: the faces when the surface is made, a font and its metrics the first time a size,
// weight and pitch is asked for, a picture file the first time it is drawn or measured.
class QtSurface : public ui::Surface {
  public:
    QFont fontFor(double points, bool bold) const { return font(points, bold).font; }

  protected:
    QtSurface(QPaintDevice* device, Faces faces) : device_(device), faces_(std::move(faces)) {}
    void setDevice(QPaintDevice* device) {
        device_ = device;
        fonts_.clear();  // metrics belong to a device
    }

    double dpiX() const { return device_->logicalDpiX(); }
    double dpiY() const { return device_->logicalDpiY(); }
    double toDeviceX(double twips) const { return twips * dpiX() / ui::kTwipsPerInch; }
    double toDeviceY(double twips) const { return twips * dpiY() / ui::kTwipsPerInch; }

    // Runs a drawing step with a painter on the device.
    virtual void paint(const std::function<void(QPainter&)>& step) = 0;

    void deviceText(double x, double y, std::string_view text, double fontSize, bool bold) override;
    double deviceTextWidth(std::string_view text, double fontSize, bool bold) const override;
    double deviceTextHeight(double fontSize, bool bold) const override;
    void deviceCircle(double x, double y, double radius, ui::Rgb colour) override;
    void deviceLine(ui::Point from, ui::Point to, ui::Rgb colour, double widthTwips) override;
    void deviceRectangle(ui::Point corner1, ui::Point corner2, ui::Rgb colour, double widthTwips,
                         std::optional<ui::Rgb> fill) override;
    void devicePolyline(const std::vector<ui::Point>& points, ui::Rgb colour,
                        double widthTwips) override;
    void devicePicture(const std::string& path, double x, double y, double w, double h) override;
    // From the image's pixel size and its own resolution; 96 dpi when the file states none.
    ui::Size devicePictureSize(const std::string& path) const override;

    QPaintDevice* device_;

  private:
    struct Font {
        QFont font;
        QFontMetricsF metrics;
    };
    const Font& font(double points, bool bold) const;
    const QImage& pictureFile(const std::string& path) const;
    QPointF toDevice(ui::Point twips) const { return {toDeviceX(twips.x), toDeviceY(twips.y)}; }
    QPen penFor(ui::Rgb colour, double widthTwips) const;

    Faces faces_;
    mutable std::map<std::tuple<double, bool, bool>, Font> fonts_;  // size, bold, fixed pitch
    mutable std::map<std::string, QImage> pictures_;
};

// A white image in logical pixels, drawn on screen by a PictureView. Each step opens its own
// painter, so the view may show the image between steps. The image may show its drawing
// enlarged: everything is laid out at the zoom of 1 (positions and text widths at the screen's
// DPI) and drawn `zoom` times as large; the steps since the last clear are kept, so a new size
// or zoom draws them again.
class ImageSurface : public QtSurface {
  public:
    // `dpi` is the screen's logical DPI, `pixelRatio` its device pixel ratio.
    ImageSurface(int widthPx, int heightPx, double dpi, double pixelRatio = 1.0);

    // A new image of the given size showing the drawing at `zoom`; the drawing area, in twips,
    // is the image's size divided by the zoom.
    void setView(int widthPx, int heightPx, double zoom);
    double zoom() const { return zoom_; }

    std::string typeName() const override { return "PictureBox"; }
    double areaWidthTwips() const override;
    double areaHeightTwips() const override;
    const QImage& image() const { return image_; }

  protected:
    void paint(const std::function<void(QPainter&)>& step) override;
    void deviceClear() override;
    void deviceNewPage() override {}
    void deviceEndDoc() override {}

  private:
    void makeImage(int widthPx, int heightPx);

    QImage image_;
    double dpi_;
    double pixelRatio_;
    int widthPx_ = 1;
    int heightPx_ = 1;
    double zoom_ = 1.0;
    std::vector<std::function<void(QPainter&)>> steps_;
};

// A printer or PDF writer: one painter for the whole document, begun by the first drawing or
// new page and ended by endDoc() or the surface's end; clearing is ignored. A painter that does
// not begin, a page that does not start and a document that does not finish are failures.
class PageSurface : public QtSurface {
  public:
    // Owns the device and deletes it with the surface. `pdfPath` names the file in messages
    // when the device is a PDF writer (a PDF printer names its own file).
    explicit PageSurface(std::unique_ptr<QPagedPaintDevice> device, QString pdfPath = {});
    // Draws on a device that the caller keeps, such as the printer of a print preview; ending
    // the document ends the painter and leaves the device to its owner.
    explicit PageSurface(QPagedPaintDevice& device);
    ~PageSurface() override;
    PageSurface(const PageSurface&) = delete;
    PageSurface& operator=(const PageSurface&) = delete;

    std::string typeName() const override { return "Printer"; }
    double areaWidthTwips() const override;
    double areaHeightTwips() const override;

  protected:
    void paint(const std::function<void(QPainter&)>& step) override;
    void deviceClear() override {}
    void deviceNewPage() override;
    void deviceEndDoc() override;

  private:
    bool begin();
    bool onPaper() const;            // a printer, not a PDF file
    std::string deviceName() const;  // "The printer", "The PDF file x.pdf"

    std::unique_ptr<QPagedPaintDevice> owned_;
    QPagedPaintDevice* pages_;
    QString pdfPath_;
    QPainter painter_;
    bool ended_ = false;
};

}  // namespace cn3::qt
