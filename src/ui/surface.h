// Everything drawn or printed goes through a Surface: the loading-results table, the bundle
// plot, the reports. Coordinates are in the current scale: twips (the default), whose origin
// may be shifted, or a user scale in inches with a chosen top-left corner and extent.
//
// The base class keeps the drawing state (scale, current position, font, error) and the print
// rule; a subclass supplies the device primitives, which work in device twips measured from
// the top-left corner of the drawing area or page.
//
// print(text): prints at the current position; without ending the line, x moves right by the
// text's width. Ending the line moves y down one line height and puts x at the line start:
// 0 in a twips scale (the margin, wherever the origin is shifted), scaleLeft() in a user
// scale. clear() and newPage() put the position at the home corner: (0, 0) in a twips scale,
// (scaleLeft(), scaleTop()) in a user scale. Example: after setScaleTwips(-700) the page's
// left edge is x = -700; print("A") at x = 2000 returns x to 0, which is 700 twips in from the
// edge, and newPage() goes to (0, 0), the same margin. After setScale(-2, -1, 8, 6) a line
// returns to x = -2 (the area's left edge) and newPage() goes to (-2, -1).
//
// Errors: a device that cannot draw (a printer that does not start, a PDF file that cannot be
// written) records a failure; the first one is kept. After it, drawing, clearing and new pages
// are skipped at the device while the current position still moves as if drawn, so layout
// loops end as usual; endDoc() always reaches the device, so a failed job still releases it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3::ui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    double width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

inline constexpr double kTwipsPerInch = 1440.0;

class Surface {
  public:
    virtual ~Surface() = default;

    // "Printer" for a printer or PDF page, "PictureBox" for a drawing area on screen.
    virtual std::string typeName() const = 0;

    // Clears the area (a printer ignores it) and puts the current position at the home corner.
    void clear();

    // Scale: twips, with (left, top) the coordinates of the area's top-left corner, so
    // setScaleTwips(-700) puts x = 0 at 700 twips from the left edge.
    void setScaleTwips(double left = 0, double top = 0);
    void setScaleInches();  // inches from the top left, extent from the area size
    // A user scale: (left, top) is the area's top-left corner, (width, height) its extent.
    void setScale(double left, double top, double width, double height);
    bool twipsScale() const { return twips_; }
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const;  // in a twips scale, the area's size in twips
    double scaleHeight() const;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    double fontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }
    bool bold() const { return bold_; }
    void setBold(bool on) { bold_ = on; }
    // Even-width characters, for text laid out with blanks (the help text); the device picks
    // its fixed-pitch face. Off by default.
    bool fixedPitch() const { return fixedPitch_; }
    void setFixedPitch(bool on) { fixedPitch_ = on; }

    // Text extent in scale units, with the current font.
    double textWidth(std::string_view text) const;
    double textHeight(std::string_view text = "X") const;
    // The same and a picture's own size in twips whatever the scale, for a surface that
    // measures on behalf of another.
    double textWidthTwips(std::string_view text) const {
        return deviceTextWidth(text, fontSize_, bold_);
    }
    double textHeightTwips() const { return deviceTextHeight(fontSize_, bold_); }
    Size pictureSizeTwips(const std::string& path) const { return devicePictureSize(path); }

    void print(std::string_view text, bool endLine = true);
    void circle(double x, double y, double radius, Rgb colour);
    // Line widths are in twips whatever the scale; 0 is the thinnest line the device draws.
    void line(double x1, double y1, double x2, double y2, Rgb colour, double widthTwips = 0);
    // The outline from corner (x1, y1) to corner (x2, y2), filled inside when `fill` is given.
    void rectangle(double x1, double y1, double x2, double y2, Rgb colour, double widthTwips = 0,
                   std::optional<Rgb> fill = {});
    void polyline(const std::vector<Point>& points, Rgb colour, double widthTwips = 0);
    // Draws a picture file (PNG) with its top left at (x, y) and the given size, in scale units.
    void picture(const std::string& path, double x, double y, double width, double height);
    // A picture's own size in scale units; {0, 0} when the file cannot be read.
    Size pictureSize(const std::string& path) const;
    void newPage();
    void endDoc();

    // Pages of a print job: the number of the page being drawn, from 1 (every newPage() adds
    // one), and the job's page count once the host knows it (it measures a job before it
    // prints it), else 0.
    int pageNumber() const { return page_; }
    int pageCount() const { return pageCount_; }
    void setPageCount(int pages) { pageCount_ = pages; }

    // Size of the drawing area or page in twips.
    virtual double areaWidthTwips() const = 0;
    virtual double areaHeightTwips() const = 0;

    // Whether the device failed, and the first failure as a sentence for the user.
    bool failed() const { return failed_; }
    const std::string& error() const { return error_; }

  protected:
    // Records a failure of the device; later ones are dropped.
    void fail(std::string message);

    // Device primitives, in twips from the area's top left; font sizes in points.
    virtual void deviceClear() = 0;
    virtual void deviceText(double xTwips, double yTwips, std::string_view text, double fontSize,
                            bool bold) = 0;
    virtual double deviceTextWidth(std::string_view text, double fontSize, bool bold) const = 0;
    virtual double deviceTextHeight(double fontSize, bool bold) const = 0;
    virtual void deviceCircle(double xTwips, double yTwips, double radiusTwips, Rgb colour) = 0;
    virtual void devicePicture(const std::string& path, double xTwips, double yTwips,
                               double widthTwips, double heightTwips) = 0;
    // Lines and picture sizes; a device that only discards its drawing may leave them out.
    virtual void deviceLine(Point /*from*/, Point /*to*/, Rgb /*colour*/, double /*widthTwips*/) {}
    virtual void deviceRectangle(Point /*corner1*/, Point /*corner2*/, Rgb /*colour*/,
                                 double /*widthTwips*/, std::optional<Rgb> /*fill*/) {}
    virtual void devicePolyline(const std::vector<Point>& /*points*/, Rgb /*colour*/,
                                double /*widthTwips*/) {}
    virtual Size devicePictureSize(const std::string& /*path*/) const { return {}; }
    virtual void deviceNewPage() = 0;
    virtual void deviceEndDoc() = 0;

  private:
    double toTwipsX(double x) const { return (x - left_) * unitX(); }
    double toTwipsY(double y) const { return (y - top_) * unitY(); }
    Point toTwips(Point p) const { return {toTwipsX(p.x), toTwipsY(p.y)}; }
    double unitX() const;  // twips per scale unit
    double unitY() const;
    double lineStartX() const { return twips_ ? 0.0 : left_; }
    double homeY() const { return twips_ ? 0.0 : top_; }

    bool twips_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // extent used when not twips
    double x_ = 0, y_ = 0;
    double fontSize_ = 8.0;
    bool bold_ = false;
    bool fixedPitch_ = false;
    bool failed_ = false;
    std::string error_;
    int page_ = 1;
    int pageCount_ = 0;
};

}  // namespace cn3::ui
