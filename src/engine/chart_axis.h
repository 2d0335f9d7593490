// Axes of the drawn charts: a value range widened to round tick steps, and the mapping of a
// value onto a length of the drawing. Values are in display units; nothing here draws.
//
// Example: sags from 2.63 to 3.92 ft on a target of five intervals give 2.5 to 4.0 in steps
// of 0.5: the smallest round step that needs no more than five intervals.
#pragma once

#include <string>

#include "core/unit_table.h"

namespace cn3 {

struct ChartAxis {
    double low = 0, high = 1, step = 1;
    int intervals() const;
    // Where value v lies from `from` (at low) to `to` (at high); `to` may be below `from`.
    double place(double v, double from, double to) const;
    // A tick's text with as many decimals as the step needs: 2.5 steps show "2.5", 0.25 "0.25".
    std::string tickText(double v) const;
};

// Round steps are 1, 2, 2.5 and 5 times a power of ten. A range with no width is widened
// around its value so that it still has ticks.
ChartAxis NiceAxis(double low, double high, int targetIntervals);

// An axis of exactly `intervals` round steps that holds low..high, so that its ticks fall on
// the gridlines of another axis with as many intervals.
ChartAxis AlignedAxis(double low, double high, int intervals);

// The unit label without the blanks a catalogue may put around it.
std::string UnitText(const Units& units, int kind);

// A temperature in internal units as the charts say it, with its unit: "60 F", "15.6 C".
std::string TemperatureText(const Units& units, float temperature);

}  // namespace cn3
