// The control tips (app/control_tips.h) on the widgets: each window's controls get their
// tooltips, and the entries with room for it their unit beside them ("Unit_Text9_0"), in the
// display units in use. Run again when the units switch.
#pragma once

#include <QWidget>

#include "app/control_tips.h"
#include "core/unit_table.h"

namespace cn3::qt {

void ShowControlTips(QWidget* mainArea, QWidget* loadingWindow, QWidget* plotWindow,
                     const Units& units);

// The tips of one window's controls, found among the widgets under `widgets`.
void ShowControlTips(TipWindow window, QWidget* widgets, const Units& units);

}  // namespace cn3::qt
