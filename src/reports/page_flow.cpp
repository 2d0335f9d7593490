#include "reports/page_flow.h"

#include <algorithm>

namespace cn3 {

namespace {

// Draws nothing and records how low its text goes; text is measured on the page it stands
// for, so line heights and widths are those of the real print. A "Printer", so that the
// drawings that clear a screen area leave it be.
class MeasuringSurface : public ui::Surface {
  public:
    explicit MeasuringSurface(ui::Surface& page) : page_(page) {
        setScaleTwips(page.scaleLeft(), page.scaleTop());
        setCurrentX(page.currentX());
        setCurrentY(page.currentY());
        setFontSize(page.fontSize());
        setBold(page.bold());
        bottom_ = page.currentY() - page.scaleTop();
    }

    std::string typeName() const override { return "Printer"; }
    double areaWidthTwips() const override { return page_.areaWidthTwips(); }
    double areaHeightTwips() const override { return page_.areaHeightTwips(); }
    // In the page's scale.
    double bottom() const { return bottom_ + scaleTop(); }

  protected:
    void deviceClear() override {}
    // An empty line takes no room on the page: a block may end in one.
    void deviceText(double, double y, std::string_view text, double fontSize, bool bold) override {
        if (!text.empty()) bottom_ = std::max(bottom_, y + deviceTextHeight(fontSize, bold));
    }
    double deviceTextWidth(std::string_view text, double fontSize, bool bold) const override {
        return withFont(fontSize, bold, [&] { return page_.textWidth(text); });
    }
    double deviceTextHeight(double fontSize, bool bold) const override {
        return withFont(fontSize, bold, [&] { return page_.textHeight(); });
    }
    void deviceCircle(double, double y, double radius, ui::Rgb) override {
        bottom_ = std::max(bottom_, y + radius);
    }
    void devicePicture(const std::string&, double, double y, double, double h) override {
        bottom_ = std::max(bottom_, y + h);
    }
    ui::Size devicePictureSize(const std::string& path) const override {
        return page_.pictureSize(path);
    }
    void deviceNewPage() override {}
    void deviceEndDoc() override {}

  private:
    // The page's metrics for a font, leaving the page's own font as it was.
    template <typename Measure>
    double withFont(double fontSize, bool bold, Measure measure) const {
        const double size = page_.fontSize();
        const bool wasBold = page_.bold();
        page_.setFontSize(fontSize);
        page_.setBold(bold);
        const double result = measure();
        page_.setFontSize(size);
        page_.setBold(wasBold);
        return result;
    }

    ui::Surface& page_;
    double bottom_ = 0;  // device twips
};

}  // namespace

double BlockBottom(ui::Surface& surface, const PrintBlock& block) {
    MeasuringSurface measuring(surface);
    block(measuring);
    return measuring.bottom();
}

void PrintOnOnePage(ui::Surface& surface, const PrintBlock& block) {
    const double pageBottom = surface.scaleTop() + surface.scaleHeight();
    if (surface.currentY() > surface.scaleTop() && BlockBottom(surface, block) > pageBottom)
        surface.newPage();
    block(surface);
}

}  // namespace cn3
