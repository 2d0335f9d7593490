// The small pieces both drawn charts are made of: the box a chart fills, point marks whose
// shapes tell the curves apart when a page is printed in black and white, and texts placed by
// their left edge, centre or right edge. Coordinates are those of the surface's scale (twips).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_axis.h"
#include "ui/surface.h"

namespace cn3 {

struct ChartBox {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

enum class Mark { Circle, Square, Triangle, Diamond, FilledSquare };

inline constexpr ui::Rgb kBlack{0, 0, 0};
inline constexpr ui::Rgb kGray{150, 150, 150};
inline constexpr ui::Rgb kLightGray{220, 220, 220};
inline constexpr ui::Rgb kRed{200, 0, 0};
inline constexpr ui::Rgb kWhite{255, 255, 255};

// A mark `size` twips across centred on (x, y).
void DrawMark(ui::Surface& target, Mark mark, double x, double y, ui::Rgb colour, double size = 90);

enum class Align { Left, Centre, Right };

// Prints one line of text whose top is at y, with its left edge, centre or right edge at x.
void PlaceText(ui::Surface& target, std::string_view text, double x, double y, Align align);

// The width of the widest tick text of the axis in the surface's current font: the room its
// labels need beside the plot.
double WidestTickText(ui::Surface& target, const ChartAxis& axis);

// An axis title with its unit: "Sag (ft)"; the bare name when there is no unit.
std::string AxisTitle(std::string_view name, std::string_view unit);

}  // namespace cn3
