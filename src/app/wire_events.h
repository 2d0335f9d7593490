// Connects every control event of the three windows to its operation. All wiring lives here:
// the operations themselves, in the folders below, never connect events.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Everything below, in this order.
void WireEvents(Program& program);

// The span entries, sag mode, options, installed temperature, "Set Ice / Wind Load" and
// "Pole Line...".
void WireWorksheetEvents(Program& program);
// The "Cables" page (catalogue, selection, user-defined cables) and the main tab strip's page
// rules.
void WireSelectionEvents(Program& program);
// "View Bundle Plot" and the plot window's "Close".
void WireBundleEvents(Program& program);
// The loading window's options, tick boxes, cells and buttons.
void WireLoadingEvents(Program& program);
// "Open", "Save" and "SaveAs", and the recent files noted after a span file is opened or
// written.
void WireFilesEvents(Program& program);
// Choosing the "EXIT" page closes the main window.
void WireExitPage(Program& program);
// "Print" on the "Help" page, and "Report" and "Cable List" on the "Files/Print" page, each
// showing a printing failure in a message box.
void WirePrintEvents(Program& program);

}  // namespace cn3
