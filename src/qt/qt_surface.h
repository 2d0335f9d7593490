// Surfaces that draw with QPainter: an image shown by a drawing area on screen, and a printer
// or PDF page. Twips become device units through the device's logical DPI, and text is
// measured with the font metrics of that same device, so what is laid out fits what is drawn.
#pragma once

#include <QFont>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

#include "ui/surface.h"

namespace cn3::qt {

class QtSurface : public ui::Surface {
  public:
    QFont fontFor(double points, bool bold) const;

  protected:
    explicit QtSurface(QPaintDevice* device) : device_(device) {}
    void setDevice(QPaintDevice* device) { device_ = device; }

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
    void devicePicture(const std::string& path, double x, double y, double w, double h) override;

    QPaintDevice* device_;
};

// A white image of a fixed size in logical pixels, drawn on screen by a PictureView. Each step
// opens its own painter, so the view may show the image between steps.
class ImageSurface : public QtSurface {
  public:
    // `dpi` is the screen's logical DPI, `pixelRatio` its device pixel ratio.
    ImageSurface(int widthPx, int heightPx, double dpi, double pixelRatio = 1.0);

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
    QImage image_;
    int widthPx_;
    int heightPx_;
};

// A printer or PDF writer: one painter for the whole document; clearing is ignored.
class PageSurface : public QtSurface {
  public:
    explicit PageSurface(std::unique_ptr<QPagedPaintDevice> device);
    ~PageSurface() override;

    std::string typeName() const override { return "Printer"; }
    double areaWidthTwips() const override;
    double areaHeightTwips() const override;

  protected:
    void paint(const std::function<void(QPainter&)>& step) override;
    void deviceClear() override {}
    void deviceNewPage() override;
    void deviceEndDoc() override;

  private:
    std::unique_ptr<QPagedPaintDevice> pages_;
    QPainter painter_;
    bool ended_ = false;
};

}  // namespace cn3::qt
