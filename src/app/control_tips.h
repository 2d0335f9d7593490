// What each control of the windows is for, in a line: the tooltips, and for the entries the
// unit shown beside them. A control is named as the view names its widget ("Text9_0"); a tip
// with a unit kind ends in the unit of the display system in use ("Span length between the
// supports, ft"), so the view writes the tips again when the units switch.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/unit_table.h"

namespace cn3 {

inline constexpr int kNoUnit = -1;

enum class TipWindow { Main, Loading, Plot, Line };

struct ControlTip {
    TipWindow window;
    std::string_view control;  // the widget's name in its window
    std::string_view text;     // "{unit}" in it stands for the unit, else the unit ends it
    int unitKind = kNoUnit;
    bool unitBeside = false;   // an entry with room for its unit beside it
};

// The main window's controls, the loading window's, the bundle plot's and the pole line's.
std::span<const ControlTip> ControlTips();

// The tip as shown: the text with its unit in place of "{unit}", or after ", " at the end.
std::string TipText(const Units& units, const ControlTip& tip);

// The unit shown beside an entry: the unit label without blanks ("ft", "m").
std::string UnitBeside(const Units& units, const ControlTip& tip);

}  // namespace cn3
