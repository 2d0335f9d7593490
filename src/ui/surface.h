// Everything drawn or printed goes through a Surface: the loading-results table, the bundle
// plot, the reports. Coordinates are twips unless an inch scale is set.
//
// The base class keeps the drawing state (scale, current position, font) and the print rule;
// a subclass supplies the device primitives, which work in device twips measured from the
// top-left corner of the drawing area or page.
//
// print(text): prints at the current position; when the line ends, x goes back to the left
// of the scale and y moves down one line height; without ending the line, x moves right by
// the text's width.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cn3::ui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr double kTwipsPerInch = 1440.0;

class Surface {
  public:
    virtual ~Surface() = default;

    // "Printer" for a printer or PDF page, "PictureBox" for a drawing area on screen.
    virtual std::string typeName() const = 0;

    // Clears the area (a printer ignores it) and puts the current position at the top left.
    void clear();

    // Scale: twips (the default) or inches with a chosen top-left corner and extent.
    void setScaleTwips();
    void setScaleInches();  // inches from the top left, extent from the area size
    void setScale(double left, double top, double width, double height);
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    double fontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }
    bool bold() const { return bold_; }
    void setBold(bool on) { bold_ = on; }

    // Text extent in scale units, with the current font.
    double textWidth(std::string_view text) const;
    double textHeight(std::string_view text = "X") const;

    void print(std::string_view text, bool endLine = true);
    void circle(double x, double y, double radius, Rgb colour);
    // Draws a picture file (PNG) with its top left at (x, y) and the given size, in scale units.
    void picture(const std::string& path, double x, double y, double width, double height);
    void newPage();
    void endDoc();

    // Size of the drawing area or page in twips.
    virtual double areaWidthTwips() const = 0;
    virtual double areaHeightTwips() const = 0;

  protected:
    // Device primitives, in twips from the area's top left; sizes in points.
    virtual void deviceClear() = 0;
    virtual void deviceText(double xTwips, double yTwips, std::string_view text, double fontSize,
                            bool bold) = 0;
    virtual double deviceTextWidth(std::string_view text, double fontSize, bool bold) const = 0;
    virtual double deviceTextHeight(double fontSize, bool bold) const = 0;
    virtual void deviceCircle(double xTwips, double yTwips, double radiusTwips, Rgb colour) = 0;
    virtual void devicePicture(const std::string& path, double xTwips, double yTwips,
                               double widthTwips, double heightTwips) = 0;
    virtual void deviceNewPage() = 0;
    virtual void deviceEndDoc() = 0;

  private:
    double toTwipsX(double x) const { return (x - left_) * unitX(); }
    double toTwipsY(double y) const { return (y - top_) * unitY(); }
    double unitX() const;  // twips per scale unit
    double unitY() const;

    bool twips_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // used when not twips
    double x_ = 0, y_ = 0;
    double fontSize_ = 8.0;
    bool bold_ = false;
};

}  // namespace cn3::ui
