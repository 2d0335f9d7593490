// A Surface that records every drawing operation, for exact layout tests.
//
// Fixed font metrics, independent of installed fonts: a character is fontSize * 10 twips
// wide (half an em; bold is no wider) and a line is fontSize * 24 twips high (1.2 em).
// So at 10 points "ABC" is 300 twips wide and a line is 240 twips high.
//
// The fixed-pitch choice does not change the metrics (they are even already); texts record it.
//
// A picture has no size unless a test gives it one with setPictureSize; drawing one records
// the path whether or not it has a size.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/surface.h"

namespace cn3::ui {

struct RecordedOp {
    enum class Kind { Clear, Text, Circle, Picture, NewPage, EndDoc, Line, Rectangle, Polyline };
    Kind kind = Kind::Text;
    double x = 0, y = 0;  // device twips: text, circle centre, picture top left
    std::string text{};   // the text, or the picture path
    double fontSize = 0;
    bool bold = false;
    bool fixedPitch = false;
    double size = 0;    // circle radius, or picture width (device twips)
    double height = 0;  // picture height
    Rgb colour{};
    // A line's two ends, a rectangle's two corners or a polyline's points, in device twips.
    std::vector<Point> points{};
    double lineWidth = 0;  // twips; 0 is the thinnest line
    std::optional<Rgb> fill{};

    static RecordedOp of(Kind k) {
        RecordedOp op;
        op.kind = k;
        return op;
    }
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(std::string typeName = "PictureBox", double widthTwips = 12000,
                              double heightTwips = 9000)
        : typeName_(std::move(typeName)), width_(widthTwips), height_(heightTwips) {}

    std::string typeName() const override { return typeName_; }
    double areaWidthTwips() const override { return width_; }
    double areaHeightTwips() const override { return height_; }
    void setAreaSize(double widthTwips, double heightTwips) {
        width_ = widthTwips;
        height_ = heightTwips;
    }

    const std::vector<RecordedOp>& ops() const { return ops_; }
    // The recorded texts only, in order.
    std::vector<RecordedOp> texts() const;
    void forget() { ops_.clear(); }

    // Gives a picture file its own size in twips; other paths have no size ({0, 0}).
    void setPictureSize(const std::string& path, double widthTwips, double heightTwips) {
        pictureSizes_[path] = {widthTwips, heightTwips};
    }
    // Fails as a device would, so that tests of callers can see a print job fail.
    void failWith(std::string message) { fail(std::move(message)); }

    static double charWidth(double fontSize) { return fontSize * 10.0; }
    static double lineHeight(double fontSize) { return fontSize * 24.0; }

  protected:
    void deviceClear() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::Clear)); }
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
    void deviceNewPage() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::NewPage)); }
    void deviceEndDoc() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::EndDoc)); }

  private:
    void recordLines(RecordedOp::Kind kind, std::vector<Point> points, Rgb colour,
                     double widthTwips);

    std::string typeName_;
    double width_;
    double height_;
    std::vector<RecordedOp> ops_;
    std::map<std::string, Size> pictureSizes_;
};

}  // namespace cn3::ui
