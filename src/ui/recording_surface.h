// A Surface that records every drawing operation, for exact layout tests.
//
// Fixed font metrics, independent of installed fonts: a character is fontSize * 10 twips
// wide (half an em; bold is no wider) and a line is fontSize * 24 twips high (1.2 em).
// So at 10 points "ABC" is 300 twips wide and a line is 240 twips high.
#pragma once

#include <string>
#include <vector>

#include "ui/surface.h"

namespace cn3::ui {

struct RecordedOp {
    enum class Kind { Clear, Text, Circle, Picture, NewPage, EndDoc };
    Kind kind = Kind::Text;
    double x = 0, y = 0;  // device twips
    std::string text{};   // the text, or the picture path
    double fontSize = 0;
    bool bold = false;
    double size = 0;    // circle radius, or picture width (device twips)
    double height = 0;  // picture height
    Rgb colour{};

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

    static double charWidth(double fontSize) { return fontSize * 10.0; }
    static double lineHeight(double fontSize) { return fontSize * 24.0; }

  protected:
    void deviceClear() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::Clear)); }
    void deviceText(double x, double y, std::string_view text, double fontSize, bool bold) override;
    double deviceTextWidth(std::string_view text, double fontSize, bool bold) const override;
    double deviceTextHeight(double fontSize, bool bold) const override;
    void deviceCircle(double x, double y, double radius, Rgb colour) override;
    void devicePicture(const std::string& path, double x, double y, double w, double h) override;
    void deviceNewPage() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::NewPage)); }
    void deviceEndDoc() override { ops_.push_back(RecordedOp::of(RecordedOp::Kind::EndDoc)); }

  private:
    std::string typeName_;
    double width_;
    double height_;
    std::vector<RecordedOp> ops_;
};

}  // namespace cn3::ui
