// A surface that draws nothing and measures what a drawing would take: how far down it
// reaches (texts, lines, rectangles, polylines, circles and pictures) and how many pages it
// starts. Text is measured with the metrics of the page it stands for, so widths and line
// heights are those of the real print; it starts where that page stands (scale, position,
// font). A "Printer", so that drawings that clear a screen area leave it be.
//
// Print hosts run a job on one first to count its pages; a job runs a block on one to see
// whether the block still ends on the page.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ui/surface.h"

namespace cn3::ui {

class MeasuringSurface : public Surface {
  public:
    explicit MeasuringSurface(Surface& page);

    std::string typeName() const override { return "Printer"; }
    double areaWidthTwips() const override { return page_.areaWidthTwips(); }
    double areaHeightTwips() const override { return page_.areaHeightTwips(); }

    // The lowest y reached since the surface was made, in the page's scale; the starting y
    // while nothing is drawn. An empty text takes no room: a block may end in an empty line.
    double bottom() const;
    // The pages the drawing used: 1 and one more for every new page.
    int pages() const { return pageNumber(); }

  protected:
    void deviceClear() override {}
    void deviceText(double x, double y, std::string_view text, double fontSize, bool bold) override;
    double deviceTextWidth(std::string_view text, double fontSize, bool bold) const override;
    double deviceTextHeight(double fontSize, bool bold) const override;
    void deviceCircle(double x, double y, double radius, Rgb colour) override;
    void deviceLine(Point from, Point to, Rgb colour, double widthTwips) override;
    void deviceRectangle(Point corner1, Point corner2, Rgb colour, double widthTwips,
                         std::optional<Rgb> fill) override;
    void devicePolyline(const std::vector<Point>& points, Rgb colour, double widthTwips) override;
    void devicePicture(const std::string& path, double x, double y, double w, double h) override;
    Size devicePictureSize(const std::string& path) const override;
    void deviceNewPage() override {}
    void deviceEndDoc() override {}

  private:
    void reach(double yTwips) { bottom_ = std::max(bottom_, yTwips); }
    // The page's metrics for a font, leaving the page's own font as it was.
    template <typename Measure>
    double withFont(double fontSize, bool bold, Measure measure) const;

    Surface& page_;
    double bottom_ = 0;  // device twips
};

}  // namespace cn3::ui
